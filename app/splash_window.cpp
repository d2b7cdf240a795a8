#include "splash_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace app {

SplashWindow::SplashWindow(const std::string &bannerPath)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    m_picture.load(bannerPath);
    const bool usable = !m_picture.isEmpty() && m_picture.width() > 0 && m_picture.height() > 0;
    m_pictureSize = usable ? QSize(m_picture.width(), m_picture.height()) : QSize(320, 240);
    setFixedSize(m_pictureSize + QSize(1, 1));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->geometry();
        move(desktop.center() - rect().center());
    }
}

void SplashWindow::showNow()
{
    show();
    repaint();
    QGuiApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_picture.isEmpty())
        painter.fillRect(QRect(QPoint(0, 0), m_pictureSize), QColor(255, 255, 0));
    else
        m_picture.draw(painter, 0, 0);
}

} // namespace app
