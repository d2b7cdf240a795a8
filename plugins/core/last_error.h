#pragma once

#include <cstdint>

namespace plugin {

// The plug-in's one piece of state between calls: the code of the last operation.
void setLastError(int32_t code);
int32_t lastError();

} // namespace plugin
