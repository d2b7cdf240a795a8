#include "handset_kit.h"
#include "jis_code.h"

#include <cstddef>
#include <cstdint>

namespace {

using handsetkit::BytePair;

constexpr uint8_t kEsc = 0x1B;
constexpr uint8_t kCr = 0x0D;
constexpr uint8_t kLf = 0x0A;

class ByteWriter
{
public:
    explicit ByteWriter(char *dst) : m_dst(dst) {}

    void put(uint8_t b)
    {
        if (m_dst)
            m_dst[m_count] = static_cast<char>(b);
        ++m_count;
    }
    void put(BytePair pair)
    {
        put(pair.first);
        put(pair.second);
    }
    void putEscape(uint8_t intermediate)
    {
        put(kEsc);
        put(intermediate);
        put('B');
    }
    // The terminator is written but not counted.
    int finish()
    {
        if (m_dst)
            m_dst[m_count] = '\0';
        return m_count;
    }

private:
    char *m_dst;
    int m_count = 0;
};

// True when s[i] starts ESC <intermediate> 'B'; stops comparing at the terminator.
bool startsEscape(const uint8_t *s, size_t i, uint8_t intermediate)
{
    return s[i] == kEsc && s[i + 1] == intermediate && s[i + 2] == 'B';
}

} // namespace

int JisToSJis(const char *src, char *dst)
{
    if (!src)
        return 0;
    const auto *s = reinterpret_cast<const uint8_t *>(src);
    ByteWriter out(dst);
    bool kanji = false;
    size_t i = 0;
    while (s[i] != 0) {
        if (startsEscape(s, i, '$')) {
            kanji = true;
            i += 3;
        } else if (startsEscape(s, i, '(')) {
            kanji = false;
            i += 3;
        } else if (kanji && handsetkit::isJisByte(s[i])) {
            // A row byte right before the terminator pairs with nothing and so has no character.
            out.put(handsetkit::jisToShiftJis(s[i], s[i + 1]));
            i += s[i + 1] != 0 ? 2 : 1;
        } else if (s[i] == kLf && (i == 0 || s[i - 1] != kCr)) {
            out.put(kCr);
            out.put(kLf);
            ++i;
        } else {
            out.put(s[i]);
            ++i;
        }
    }
    return out.finish();
}

int SJisToJis(const char *src, char *dst)
{
    if (!src)
        return 0;
    const auto *s = reinterpret_cast<const uint8_t *>(src);
    ByteWriter out(dst);
    bool kanji = false;
    size_t i = 0;
    while (s[i] != 0) {
        if (handsetkit::isShiftJisLead(s[i])) {
            if (!kanji) {
                out.putEscape('$');
                kanji = true;
            }
            // A lead byte right before the terminator is a cut character: it has no code.
            out.put(handsetkit::shiftJisToJis(s[i], s[i + 1]));
            i += s[i + 1] != 0 ? 2 : 1;
            if (!handsetkit::isShiftJisLead(s[i])) {
                out.putEscape('(');
                kanji = false;
            }
        } else if (s[i] == kCr && s[i + 1] == kLf) {
            out.put(kLf);
            i += 2;
        } else {
            out.put(s[i]);
            ++i;
        }
    }
    return out.finish();
}
