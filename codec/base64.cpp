#include "handset_kit.h"

#include <cstring>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Characters outside the alphabet, the pad included, count as 0 so that padding decodes to
// zero bytes that terminate the text.
unsigned alphabetValue(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return 0;
}

class Base64Writer
{
public:
    explicit Base64Writer(char *dst) : m_dst(dst) {}

    void put(unsigned value) { putChar(kAlphabet[value & 63]); }
    void putChar(char c)
    {
        if (m_dst)
            m_dst[m_position] = c;
        ++m_position;
    }
    // The terminator follows every group; the next group overwrites it.
    void terminate()
    {
        if (m_dst)
            m_dst[m_position] = '\0';
    }
    int position() const { return m_position; }

private:
    char *m_dst;
    int m_position = 16;
};

} // namespace

int Base64Decode(const char *src, char *dst)
{
    if (!src)
        return 0;
    const size_t length = std::strlen(src);
    int produced = 0;
    for (size_t start = 0; start < length; start += 4) {
        unsigned v[4] = {0, 0, 0, 0};
        for (size_t i = 0; i < 4 && start + i < length; ++i)
            v[i] = alphabetValue(static_cast<unsigned char>(src[start + i]));
        if (dst) {
            dst[produced] = static_cast<char>((v[0] << 2) + (v[1] >> 4));
            dst[produced + 1] = static_cast<char>((v[1] << 4) + (v[2] >> 2));
            dst[produced + 2] = static_cast<char>((v[2] << 6) + v[3]);
        }
        produced += 3;
    }
    return produced;
}

int Base64Encode(const char *src, char *dst)
{
    if (!src)
        return 0;
    const auto *bytes = reinterpret_cast<const unsigned char *>(src);
    Base64Writer out(dst);
    for (size_t i = 0;; i += 3) {
        if (bytes[i] == 0)
            return out.position();
        const unsigned x = bytes[i];
        if (bytes[i + 1] == 0) {
            out.put(x >> 2);
            out.put((x & 3) << 4);
            out.putChar('=');
            out.putChar('=');
            out.terminate();
            return out.position() + 1;
        }
        const unsigned y = bytes[i + 1];
        if (bytes[i + 2] == 0) {
            out.put(x >> 2);
            out.put(((x & 3) << 4) + (y >> 4));
            out.put((y & 15) << 2);
            out.putChar('=');
            out.terminate();
            return out.position() + 1;
        }
        const unsigned z = bytes[i + 2];
        out.put(x >> 2);
        out.put(((x & 3) << 4) + (y >> 4));
        out.put(((y & 15) << 2) + (z >> 6));
        out.put(z & 63);
        out.terminate();
    }
}
