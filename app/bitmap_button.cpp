#include "bitmap_button.h"

#include "app/string_table.h"
#include "views/common/qt_text.h"

#include <QMouseEvent>
#include <QPainter>

namespace app {

ButtonPicture chooseButtonPicture(bool enabled, bool pushed, bool hovered, bool hasPressed,
                                  bool hasHover, bool hasDisabled)
{
    if (pushed && hasPressed)
        return ButtonPicture::Pressed;
    if (!enabled)
        return hasDisabled ? ButtonPicture::Disabled : ButtonPicture::Normal;
    if (hovered && !pushed && hasHover)
        return ButtonPicture::Hover;
    return ButtonPicture::Normal;
}

QPixmap bitmapPicture(int id)
{
    return id > 0 ? QPixmap(QString(":/bitmaps/%1.png").arg(id)) : QPixmap();
}

BitmapButton::BitmapButton(int command, const BitmapIds &bitmaps, QWidget *parent)
    : QAbstractButton(parent)
    , m_command(command)
{
    setObjectName(QString("button%1").arg(command));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    const QString prompt = views::toQString(textOfId(command));
    setToolTip(prompt);
    setStatusTip(prompt);
    loadBitmaps(bitmaps);
    setFixedSize(sizeHint());
    connect(this, &QAbstractButton::clicked, this, [this] { emit commandTriggered(m_command); });
}

void BitmapButton::loadBitmaps(const BitmapIds &bitmaps)
{
    for (size_t i = 0; i < bitmaps.size(); ++i)
        m_pictures[i] = bitmapPicture(bitmaps[i]);
    update();
}

QSize BitmapButton::sizeHint() const
{
    const QPixmap &normal = m_pictures[0];
    return normal.isNull() ? QSize(30, 30) : normal.size();
}

ButtonPicture BitmapButton::currentPicture() const
{
    return chooseButtonPicture(isEnabled(), isDown(), underMouse(), !m_pictures[1].isNull(),
                               !m_pictures[2].isNull(), !m_pictures[3].isNull());
}

void BitmapButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_pictures[static_cast<size_t>(currentPicture())]);
}

void BitmapButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    update();
}

void BitmapButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    update();
}

ViewToggleButton::ViewToggleButton(int command, const BitmapIds &bitmaps, QWidget *parent)
    : BitmapButton(command, bitmaps, parent)
    , m_bitmaps(bitmaps)
{
}

void ViewToggleButton::setLatched(bool latched)
{
    m_latched = latched;
    if (latched)
        loadBitmaps({m_bitmaps[3], 0, 0, 0});
    else
        loadBitmaps(m_bitmaps);
}

void ViewToggleButton::mouseReleaseEvent(QMouseEvent *event)
{
    const bool inside = rect().contains(event->position().toPoint());
    BitmapButton::mouseReleaseEvent(event);
    if (inside && event->button() == Qt::LeftButton)
        setLatched(true);
}

} // namespace app
