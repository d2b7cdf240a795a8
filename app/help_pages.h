#pragma once

#include <string>

namespace app {

// The help page of page number 0 to 5 (0 the index, 1 the main view, then one per view kind)
// as a URL below programDirectory, with its anchor; an empty string for another number.
std::string helpPageUrl(const std::string &programDirectory, int page);

// The page the banner command opens.
std::string bannerPageUrl(const std::string &programDirectory);

} // namespace app
