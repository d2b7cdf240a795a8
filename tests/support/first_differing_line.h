#pragma once

#include <sstream>
#include <string>

namespace testing_support {

// The first line where two texts differ, for a readable failure of a golden-file comparison.
inline std::string firstDifferingLine(const std::string &expected, const std::string &actual)
{
    std::istringstream a(expected);
    std::istringstream b(actual);
    std::string lineA;
    std::string lineB;
    for (int number = 1;; ++number) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreB = static_cast<bool>(std::getline(b, lineB));
        if (!moreA && !moreB)
            return "texts equal line by line; they differ in line ends";
        if (lineA != lineB || moreA != moreB)
            return "line " + std::to_string(number) + ": expected \"" + (moreA ? lineA : "<end>")
                   + "\", written \"" + (moreB ? lineB : "<end>") + "\"";
    }
}

} // namespace testing_support
