#pragma once

#include "plugins/core/model.h"

namespace plugin {

// The models that keep every kind in \SD_PIM\ as PIM<number> beside PIM_DATA.PIM: bookmarks,
// address book, mail, schedule.
inline constexpr CardLocation kSdCardLocations[4] = {
    {".VBM", "\\SD_PIM\\", "\\SD_PIM\\PIM%05d", 99999},
    {".VCF", "\\SD_PIM\\", "\\SD_PIM\\PIM%05d", 99999},
    {".VMG", "\\SD_PIM\\", "\\SD_PIM\\PIM%05d", 99999},
    {".VCS", "\\SD_PIM\\", "\\SD_PIM\\PIM%05d", 99999},
};

} // namespace plugin
