#pragma once

#include <QImage>

#include <string>
#include <vector>

class QPainter;

namespace app {

// A whole .BMP file held in memory. Only files with 8 or 24 bits per pixel are taken; anything
// else, an empty or short file leaves the image empty. It draws unscaled.
class DibImage
{
public:
    // Replaces the image with the file at path; false (and empty) when it is not taken.
    bool load(const std::string &path);
    // The same check on the file's bytes.
    bool loadFromBytes(const std::vector<unsigned char> &bytes);
    void clear();

    bool isEmpty() const { return m_image.isNull(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    const QImage &image() const { return m_image; }

    // Draws the picture with its top-left corner at (x, y); nothing when empty.
    void draw(QPainter &painter, int x, int y) const;

private:
    QImage m_image;
};

} // namespace app
