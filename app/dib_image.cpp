#include "dib_image.h"

#include <QPainter>

#include <cstdint>
#include <fstream>
#include <iterator>

namespace app {
namespace {

constexpr size_t FileHeaderSize = 14;
constexpr size_t BitsPerPixelOffset = 28;
// File header, the info header's size word and the fields up to the bit count.
constexpr size_t MinimumSize = 54;

uint16_t word16(const std::vector<unsigned char> &bytes, size_t offset)
{
    return static_cast<uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

uint32_t word32(const std::vector<unsigned char> &bytes, size_t offset)
{
    return uint32_t(bytes[offset]) | uint32_t(bytes[offset + 1]) << 8
           | uint32_t(bytes[offset + 2]) << 16 | uint32_t(bytes[offset + 3]) << 24;
}

} // namespace

bool DibImage::load(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        clear();
        return false;
    }
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                           std::istreambuf_iterator<char>());
    return loadFromBytes(bytes);
}

bool DibImage::loadFromBytes(const std::vector<unsigned char> &bytes)
{
    clear();
    if (bytes.size() < MinimumSize || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const uint16_t bits = word16(bytes, BitsPerPixelOffset);
    if (bits != 8 && bits != 24)
        return false;
    // The pixel bits must lie inside what was read.
    if (word32(bytes, 10) < FileHeaderSize || word32(bytes, 10) >= bytes.size())
        return false;
    QImage image;
    if (!image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "BMP"))
        return false;
    m_image = image;
    return true;
}

void DibImage::clear()
{
    m_image = QImage();
}

void DibImage::draw(QPainter &painter, int x, int y) const
{
    if (!isEmpty())
        painter.drawImage(x, y, m_image);
}

} // namespace app
