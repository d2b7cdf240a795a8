#include "handset_kit.h"
#include "pim_slots.h"

#include "platform/file_time.h"
#include "platform/locked_file.h"

#include <algorithm>

namespace {

using namespace handsetkit;

// Opens the management file exclusively and returns its header; a new file gets the header for
// data file n, and is removed again when that header cannot be written.
std::optional<PimHeader> openManagementFile(platform::LockedFile &file, const char *path,
                                            uint16_t n)
{
    platform::LockedFile::OpenMode mode;
    if (!file.openOrCreate(path, mode))
        return std::nullopt;
    if (mode == platform::LockedFile::OpenMode::Created) {
        const PimHeader header = newPimHeader(n);
        if (!file.writeAt(0, header.data(), header.size())) {
            file.closeAndRemove();
            return std::nullopt;
        }
        return header;
    }
    PimHeader header;
    if (file.readAt(0, header.data(), header.size()) != static_cast<long>(header.size()))
        return std::nullopt;
    return header;
}

// Slots 1..count as the file holds them, slots past its end empty; nothing when a slot in that
// range is cut short or the file cannot be read.
std::optional<std::vector<PimSlot>> readSlots(const platform::LockedFile &file, uint16_t count)
{
    std::vector<PimSlot> slots(count);
    const long got = file.readAt(kPimHeaderSize, slots.data(), count * kPimSlotSize);
    if (got < 0 || static_cast<size_t>(got) % kPimSlotSize != 0)
        return std::nullopt;
    return slots;
}

bool writeSlots(const platform::LockedFile &file, const std::vector<PimSlot> &slots)
{
    for (size_t i = 0; i < slots.size(); ++i) {
        if (!file.writeAt(kPimHeaderSize + i * kPimSlotSize, slots[i].data(), kPimSlotSize))
            return false;
    }
    return true;
}

} // namespace

int UpdatePIMDataFile(const char *managementPath, const char *dataPath, const void *descriptor)
{
    if (!managementPath || !dataPath || !descriptor)
        return 0;
    const auto n = pimDataFileNumber(dataPath);
    if (!n)
        return 0;
    const auto stamp = platform::lastWriteLocalTime(dataPath);
    if (!stamp)
        return 0;
    const auto target = buildPimSlot(static_cast<const uint8_t *>(descriptor), *stamp);
    if (!target)
        return 0;

    platform::LockedFile file;
    auto header = openManagementFile(file, managementPath, *n);
    if (!header)
        return 0;
    const uint16_t slotCount = std::max(readBigEndian16(header->data()), *n);
    auto slots = readSlots(file, slotCount);
    if (!slots)
        return 0;
    const uint16_t used = registerPimSlot(*slots, *n, *target);
    if (!writeSlots(file, *slots))
        return 0;

    writeBigEndian16(header->data(), slotCount);
    writeBigEndian16(header->data() + 2, used);
    writeBigEndian16(header->data() + 6, slotCount);
    return file.writeAt(0, header->data(), header->size()) ? 1 : 0;
}
