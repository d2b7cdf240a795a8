#include "pim_slots.h"

#include <cstdio>
#include <cstring>

namespace handsetkit {
namespace {

constexpr size_t kOwnNumber = 2;
constexpr size_t kPrevious = 4;
constexpr size_t kNext = 6;
constexpr size_t kTimeText = 20;
constexpr size_t kTimeTextEnd = 46;
constexpr size_t kFormatWord = 68;
constexpr uint16_t kFormatWordValue = 17;
constexpr size_t kFileName = 78;
constexpr size_t kFileNameEnd = 96;

struct TextZone
{
    size_t begin;
    size_t end;
};
// Template texts, each NUL-terminated within its zone.
constexpr TextZone kTemplateTexts[] = {{10, 18}, {52, 68}, {70, 78}};
// Template words copied as they stand: the kind marker and two words the phone interprets.
constexpr size_t kTemplateWords[] = {0, 8, 18};

bool isUsed(const PimSlot &slot)
{
    return slot[0] != 0 || slot[1] != 0;
}

void copyText(PimSlot &slot, const uint8_t *slotTemplate, TextZone zone)
{
    const auto *text = reinterpret_cast<const char *>(slotTemplate + zone.begin);
    const size_t length = strnlen(text, zone.end - zone.begin - 1);
    std::memcpy(slot.data() + zone.begin, text, length);
}

// snprintf into a zone; false when the text (and its terminator) would not fit.
template<typename... Args>
bool formatInto(PimSlot &slot, size_t begin, size_t end, const char *format, Args... args)
{
    char *out = reinterpret_cast<char *>(slot.data() + begin);
    const int written = std::snprintf(out, end - begin, format, args...);
    return written >= 0 && static_cast<size_t>(written) < end - begin;
}

} // namespace

uint16_t readBigEndian16(const uint8_t *bytes)
{
    return static_cast<uint16_t>((bytes[0] << 8) | bytes[1]);
}

void writeBigEndian16(uint8_t *bytes, uint16_t value)
{
    bytes[0] = static_cast<uint8_t>(value >> 8);
    bytes[1] = static_cast<uint8_t>(value & 0xFF);
}

std::optional<uint16_t> pimDataFileNumber(std::string_view path)
{
    const size_t slash = path.find_last_of('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string_view::npos)
        name = name.substr(0, dot);
    const size_t start = name.find_first_of("123456789");
    if (start == std::string_view::npos)
        return std::nullopt;
    unsigned long number = 0;
    for (size_t i = start; i < name.size() && name[i] >= '0' && name[i] <= '9'; ++i) {
        number = number * 10 + static_cast<unsigned long>(name[i] - '0');
        if (number > 0xFFFF)
            return std::nullopt;
    }
    return static_cast<uint16_t>(number);
}

PimHeader newPimHeader(uint16_t n)
{
    PimHeader header{};
    writeBigEndian16(header.data(), n);
    writeBigEndian16(header.data() + 2, 1);
    writeBigEndian16(header.data() + 4, 1);
    writeBigEndian16(header.data() + 6, n);
    return header;
}

std::optional<PimSlot> buildPimSlot(const uint8_t *slotTemplate, const platform::LocalTime &stamp)
{
    PimSlot slot{};
    for (size_t word : kTemplateWords) {
        slot[word] = slotTemplate[word];
        slot[word + 1] = slotTemplate[word + 1];
    }
    for (TextZone zone : kTemplateTexts)
        copyText(slot, slotTemplate, zone);
    writeBigEndian16(slot.data() + kFormatWord, kFormatWordValue);
    const bool timeFits
        = formatInto(slot, kTimeText, kTimeTextEnd, "%04d-%02d-%02dT%02d:%02d:%02d+09:00",
                     stamp.year, stamp.month, stamp.day, stamp.hour, stamp.minute, stamp.second);
    const bool nameFits
        = formatInto(slot, kFileName, kFileNameEnd, "datagr%02d%02d%02d_%02d%02d", stamp.year % 100,
                     stamp.month, stamp.day, stamp.hour, stamp.minute);
    if (!timeFits || !nameFits)
        return std::nullopt;
    return slot;
}

uint16_t registerPimSlot(std::vector<PimSlot> &slots, uint16_t n, const PimSlot &target)
{
    slots[n - 1] = target;

    // next[k - 1]: the first used slot after slot k, 0 for none; taken on the new state, so the
    // chain runs through the target when it is used and around it when it is not.
    const size_t count = slots.size();
    std::vector<uint16_t> next(count, 0);
    for (size_t k = count; k > 1; --k)
        next[k - 2] = isUsed(slots[k - 1]) ? static_cast<uint16_t>(k) : next[k - 1];

    uint16_t previous = 0;
    uint16_t used = 0;
    for (size_t k = 1; k <= count; ++k) {
        PimSlot &slot = slots[k - 1];
        writeBigEndian16(slot.data() + kOwnNumber, static_cast<uint16_t>(k));
        if (isUsed(slot)) {
            writeBigEndian16(slot.data() + kPrevious, previous);
            writeBigEndian16(slot.data() + kNext, next[k - 1]);
            previous = static_cast<uint16_t>(k);
            ++used;
        } else {
            writeBigEndian16(slot.data() + kPrevious, 0);
            // A free target still points on to the chain; other free slots keep what they had.
            if (k == n)
                writeBigEndian16(slot.data() + kNext, next[k - 1]);
        }
    }
    return used;
}

} // namespace handsetkit
