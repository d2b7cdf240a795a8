#pragma once

#include <string>

namespace plugin {

// The data-management file PIM_DATA.PIM in the folder of cardPath, whatever the letter case of
// its name (cards copied off a FAT volume carry any case; the exact name wins). Empty when the
// folder holds none that can be opened for reading.
std::string findManagementFile(const std::string &cardPath);

} // namespace plugin
