#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace views {

// What tells the four PC data files apart: the type text at the start, the format signature,
// the data kind and the size of one record. Mail files carry a string section after the
// records, which the mail store reads itself.
struct PcFileFormat
{
    char type[4];
    uint32_t signature;
    uint32_t dataKind;
    uint32_t recordSize;
};

inline constexpr PcFileFormat BookmarkPcFile{"BPC", 0x10001, 1000, 932};
inline constexpr PcFileFormat AddressPcFile{"APC", 0x10002, 1001, 1552};
inline constexpr PcFileFormat MailPcFile{"MPC", 0x10002, 1002, 800};
inline constexpr PcFileFormat SchedulePcFile{"CPC", 0x10003, 1003, 664};

// The view kind (1 bookmarks, 2 address book, 3 mail, 4 schedule) whose type text the size
// bytes at image start with; 0 for none.
int pcImageKind(const void *image, size_t size);

// The 32-byte header of a PC data file; little-endian words.
struct PcFileHeader
{
    char type[4];
    uint32_t signature;
    uint32_t headerSize;
    uint32_t dataKind;
    uint32_t recordsEnd; // 32 + recordsSize
    uint32_t recordsSize;
    uint32_t count;
    uint32_t pluginCode; // 0: opens under any plug-in
};
static_assert(sizeof(PcFileHeader) == 32);

// The image of a file holding count records of format laid end to end at records, written
// under pluginCode. Empty when the sizes do not fit the header's 32-bit words.
std::vector<unsigned char> buildPcImage(const PcFileFormat &format, const void *records,
                                        size_t count, uint32_t pluginCode);

// Valued as the stores' PC-image loads answer: 0 rejected, 1 another plug-in's, -1 taken.
enum class PcImageCheck {
    Rejected = 0,    // not a file of this format, or damaged
    OtherPlugin = 1, // written under another plug-in than currentPluginCode
    Accepted = -1,
};

// Where the records of an accepted image lie.
struct PcImageRecords
{
    const unsigned char *first = nullptr;
    uint32_t count = 0;
};

// Checks the size bytes at image as a file of format: type text, header size, signature, data
// kind, count x record size = record area size, records end - record area size = 32, and the
// records lying within the bytes given (a header that claims more than the file holds is
// damaged). An accepted image's records go to records.
PcImageCheck checkPcImage(const PcFileFormat &format, const void *image, size_t size,
                          uint32_t currentPluginCode, PcImageRecords &records);

} // namespace views
