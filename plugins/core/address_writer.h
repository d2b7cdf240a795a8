#pragma once

#include "plugins/core/model.h"

#include <string>

namespace plugin {

// Writes the address records along the chain from first as the model's vCards into out, lines
// ending in LF. Returns false with the last error set: -100 when the model needs the
// OwnerRecord first and the chain does not start with it, -999 when no card was written.
bool writeAddressBook(const void *first, const ModelDefinition &model, std::string &out);

} // namespace plugin
