#pragma once

// The conversion of a PC data file between two installed models, the models found by the
// plug-in code the file holds and the plug-in index of the target.

#include "exchange/model_conversion.h"

#include <cstddef>
#include <string>

namespace host {
class PluginHost;
}

namespace exchange {

enum class PluginConversionError {
    None,
    Damaged,      // no PC data file of any kind, or damaged
    UnknownModel, // written under a plug-in that is not installed
    SameModel,    // already the target's
};

struct PluginConversion
{
    PluginConversionError error = PluginConversionError::None;
    std::string targetModel; // Shift_JIS
    ModelConversion conversion;
};

// image converted for plug-in targetIndex from the plug-in whose code its header holds (a file
// that opens under any plug-in, code 0, counts as the current plug-in's). The current plug-in
// stays current.
PluginConversion convertForPlugin(host::PluginHost &plugins, const unsigned char *image,
                                  size_t size, int targetIndex);

} // namespace exchange
