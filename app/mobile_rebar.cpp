#include "mobile_rebar.h"

#include "app/palette.h"

#include <QPainter>

#include <algorithm>

namespace app {

CMobileReBar::CMobileReBar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("CMobileReBar");
}

void CMobileReBar::deleteAllBands()
{
    for (const Band &band : m_bands)
        band.bar->hide();
    m_bands.clear();
    update();
}

void CMobileReBar::addBand(QWidget *bar, bool gripper)
{
    bar->setParent(this);
    m_bands.push_back({bar, gripper});
    layoutBands();
    bar->show();
}

void CMobileReBar::layoutBands()
{
    int x = 0;
    int height = 0;
    for (const Band &band : m_bands) {
        if (band.gripper)
            x += GripperWidth;
        band.bar->move(x, 1);
        x += band.bar->width();
        height = std::max(height, band.bar->height() + 1);
    }
    setFixedHeight(std::max(height, 1));
    update();
}

void CMobileReBar::resizeEvent(QResizeEvent *)
{
    layoutBands();
}

void CMobileReBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), paletteColour(BarColour));
    for (const Band &band : m_bands) {
        if (!band.gripper)
            continue;
        // The grip: a light dot, a mid-grey ridge and a dark foot, left of the band's bar.
        QRect grip(band.bar->x() - GripperWidth, 0, GripperWidth, height());
        grip.adjust(2, 6, -2, -6);
        painter.fillRect(grip.left() + 1, grip.top() + 1, 1, 1, paletteColour(10));
        grip.translate(1, 0);
        painter.fillRect(grip.left(), grip.top(), 1, grip.height() + 2, paletteColour(11));
        grip.translate(1, 0);
        painter.fillRect(grip.left() - 2, grip.bottom(), 2, 1, paletteColour(12));
    }
    painter.fillRect(0, 0, width(), 1, paletteColour(12));
}

} // namespace app
