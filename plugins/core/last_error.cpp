#include "last_error.h"

namespace plugin {
namespace {
int32_t g_lastError = 0;
}

void setLastError(int32_t code)
{
    g_lastError = code;
}

int32_t lastError()
{
    return g_lastError;
}

} // namespace plugin
