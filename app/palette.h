#pragma once

#include <QColor>

#include <array>

namespace app {

// The program's thirteen colours, numbered from 1 as the drawing code names them.
constexpr std::array<QRgb, 13> PaletteColours
    = {qRgb(0, 0, 128),    qRgb(204, 204, 204), qRgb(192, 192, 192), qRgb(64, 64, 64),
       qRgb(32, 32, 32),   qRgb(255, 255, 255), qRgb(0, 0, 0),       qRgb(128, 128, 128),
       qRgb(0, 0, 0),      qRgb(255, 255, 255), qRgb(192, 192, 192), qRgb(128, 128, 128),
       qRgb(160, 160, 160)};

// Colour number 1 to 13.
inline QColor paletteColour(int number)
{
    return QColor(PaletteColours[static_cast<size_t>(number - 1)]);
}

// Colour 3: the picture view's background; colour 13: bars, rebars and status bar.
constexpr int PictureBackground = 3;
constexpr int BarColour = 13;

} // namespace app
