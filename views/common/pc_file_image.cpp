#include "pc_file_image.h"

#include <cstring>
#include <limits>

namespace views {

int pcImageKind(const void *image, size_t size)
{
    const PcFileFormat *const formats[]
        = {&BookmarkPcFile, &AddressPcFile, &MailPcFile, &SchedulePcFile};
    for (int kind = 1; kind <= 4; ++kind) {
        const char(&type)[4] = formats[kind - 1]->type;
        if (size >= sizeof type && std::memcmp(image, type, sizeof type) == 0)
            return kind;
    }
    return 0;
}

std::vector<unsigned char> buildPcImage(const PcFileFormat &format, const void *records,
                                        size_t count, uint32_t pluginCode)
{
    const uint64_t recordsSize = uint64_t{count} * format.recordSize;
    if (recordsSize + sizeof(PcFileHeader) > std::numeric_limits<uint32_t>::max())
        return {};
    PcFileHeader header{};
    std::memcpy(header.type, format.type, sizeof header.type);
    header.signature = format.signature;
    header.headerSize = sizeof header;
    header.dataKind = format.dataKind;
    header.recordsEnd = static_cast<uint32_t>(sizeof header + recordsSize);
    header.recordsSize = static_cast<uint32_t>(recordsSize);
    header.count = static_cast<uint32_t>(count);
    header.pluginCode = pluginCode;
    std::vector<unsigned char> image(header.recordsEnd);
    std::memcpy(image.data(), &header, sizeof header);
    if (recordsSize > 0)
        std::memcpy(image.data() + sizeof header, records, recordsSize);
    return image;
}

PcImageCheck checkPcImage(const PcFileFormat &format, const void *image, size_t size,
                          uint32_t currentPluginCode, PcImageRecords &records)
{
    PcFileHeader header;
    if (!image || size < sizeof header)
        return PcImageCheck::Rejected;
    std::memcpy(&header, image, sizeof header);
    // The words are compared in 64 bits, so that no product or sum wraps around.
    if (std::memcmp(header.type, format.type, sizeof header.type) != 0
        || header.headerSize != sizeof header || header.signature != format.signature
        || header.dataKind != format.dataKind
        || uint64_t{header.count} * format.recordSize != header.recordsSize
        || uint64_t{header.recordsEnd} != uint64_t{header.recordsSize} + sizeof header
        || header.recordsEnd > size)
        return PcImageCheck::Rejected;
    if (header.pluginCode != 0 && header.pluginCode != currentPluginCode)
        return PcImageCheck::OtherPlugin;
    records.first = static_cast<const unsigned char *>(image) + sizeof header;
    records.count = header.count;
    return PcImageCheck::Accepted;
}

} // namespace views
