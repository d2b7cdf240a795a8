#pragma once

#include "plugins/core/model.h"

#include <string>

namespace plugin {

// Writes the bookmark records along the chain from first as the model's vBookmarks into out,
// lines ending in LF. Returns false with the last error -999 when no bookmark was written.
bool writeBookmarks(const void *first, const ModelDefinition &model, std::string &out);

} // namespace plugin
