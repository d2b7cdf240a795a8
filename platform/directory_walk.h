#pragma once

#include <string>
#include <vector>

namespace platform {

// Names of the regular files (symbolic links followed) directly in folder whose names end with
// suffix, compared byte for byte, in the order the file system returns them. Empty when the
// folder cannot be read.
std::vector<std::string> filesWithSuffix(const std::string &folder, const std::string &suffix);

// Deletes every regular file directly in folder whose name ends with suffix; the folder stays.
// Returns how many files were deleted.
int removeFilesWithSuffix(const std::string &folder, const std::string &suffix);

// The directory of the running executable, ending with '/'; empty when it cannot be found.
std::string executableDirectory();

} // namespace platform
