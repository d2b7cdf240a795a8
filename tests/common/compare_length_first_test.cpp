#include "common/compare_length_first.h"

#include <gtest/gtest.h>

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

TEST(CompareLengthFirstTest, OrdersByLengthThenUnsignedBytes)
{
    struct Case
    {
        const char *a;
        const char *b;
        int expected;
    };
    const Case cases[] = {
        {"abc", "abc", 0},     {"", "", 0},           {"zz", "aaa", -1},
        {"aaa", "zz", 1},      {"abd", "abc", 1},     {"\x82\xA0", "zz", 1},
        {"\x82\xA0", "\x82\xA1", -1}, {nullptr, "", 0}, {nullptr, "a", -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(sign(CompareLengthFirst(c.a, c.b)), c.expected)
            << (c.a ? c.a : "(null)") << " vs " << (c.b ? c.b : "(null)");
}

} // namespace
