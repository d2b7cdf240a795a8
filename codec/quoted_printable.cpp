#include "handset_kit.h"

#include <cstring>

namespace {

// Lenient by design: any character yields some nibble, so malformed escapes never fail.
unsigned hexNibble(unsigned char c)
{
    if (c >= 'a')
        return c - 0x57u;
    if (c >= 'A')
        return c - 0x37u;
    return c - 0x30u;
}

class CountingWriter
{
public:
    explicit CountingWriter(char *dst) : m_dst(dst) {}

    void put(char c)
    {
        if (m_dst)
            m_dst[m_count] = c;
        ++m_count;
    }
    void putEscape(unsigned char b)
    {
        static constexpr char kHex[] = "0123456789ABCDEF";
        put('=');
        put(kHex[b >> 4]);
        put(kHex[b & 15]);
    }
    void terminate()
    {
        if (m_dst)
            m_dst[m_count] = '\0';
    }
    int count() const { return m_count; }

private:
    char *m_dst;
    int m_count = 0;
};

bool needsEscape(unsigned char b)
{
    return b < 0x21 || b > 0x7F || b == '=';
}

} // namespace

int QuotedPrintableDecode(const char *src, char *dst)
{
    if (!src)
        return 0;
    CountingWriter out(dst);
    for (size_t i = 0; src[i] != '\0';) {
        if (src[i] == '=' && src[i + 1] != '\0' && src[i + 2] != '\0') {
            const unsigned high = hexNibble(static_cast<unsigned char>(src[i + 1]));
            const unsigned low = hexNibble(static_cast<unsigned char>(src[i + 2]));
            out.put(static_cast<char>(((high << 4) | low) & 0xFF));
            i += 3;
        } else {
            out.put(src[i]);
            ++i;
        }
    }
    out.terminate();
    return out.count() + 1;
}

int QuotedPrintableEncode(const char *src, char *dst, int lineLength, int prefixLength)
{
    if (!src)
        return 0;
    const size_t prefix = prefixLength > 0 ? static_cast<size_t>(prefixLength) : 0;
    const size_t length = std::strlen(src);
    // The prefix counts with its stated length even when the source is shorter, which callers
    // rely on when they size their buffers; only the bytes that are there are copied.
    const size_t copied = prefix < length ? prefix : length;
    if (dst) {
        std::memcpy(dst, src, copied);
        dst[copied] = '\0';
    }
    if (prefix >= length)
        return static_cast<int>(prefix) + 5;

    CountingWriter out(dst ? dst + copied : nullptr);
    long linePosition = static_cast<long>(prefix);
    for (size_t i = prefix; i < length; ++i) {
        const auto b = static_cast<unsigned char>(src[i]);
        if (needsEscape(b)) {
            out.putEscape(b);
            linePosition += 3;
        } else {
            out.put(static_cast<char>(b));
            linePosition += 1;
        }
        if (lineLength > 0 && linePosition >= lineLength && i + 1 < length) {
            out.put('=');
            out.put('\n');
            linePosition = 0;
        }
    }
    out.terminate();
    return static_cast<int>(prefix) + out.count() + 5;
}
