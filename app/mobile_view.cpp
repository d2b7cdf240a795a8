#include "mobile_view.h"

#include "app/palette.h"

#include <QPainter>

namespace app {

CMobileView::CMobileView(const std::string &picturePath, QWidget *parent)
    : QWidget(parent)
{
    setObjectName("MobileView");
    m_picture.load(picturePath);
}

void CMobileView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), paletteColour(PictureBackground));
    m_picture.draw(painter, (width() - m_picture.width()) / 2, (height() - m_picture.height()) / 2);
}

} // namespace app
