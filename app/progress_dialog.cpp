#include "progress_dialog.h"

#include "platform/clock.h"
#include "views/common/qt_text.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace app {
namespace {

constexpr int WindowWidth = 320;

// Repaints without letting the user start anything else meanwhile.
constexpr QEventLoop::ProcessEventsFlags WorkEvents = QEventLoop::ExcludeUserInputEvents;

} // namespace

ProgressDialog::ProgressDialog(platform::Clock &clock, QWidget *parent)
    : m_clock(clock)
    , m_parent(parent)
{
}

ProgressDialog::~ProgressDialog()
{
    close();
}

void ProgressDialog::open(TextId title, TextId text)
{
    close();
    m_window = new QDialog(m_parent);
    m_window->setModal(false);
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    const char *caption = app::text(title);
    m_window->setWindowTitle(
        views::toQString(*caption ? caption : app::text(TextId::ProgressTitle)));
    auto *layout = new QVBoxLayout(m_window);
    m_text = new QLabel(views::toQString(app::text(text)), m_window);
    m_text->setWordWrap(true);
    m_bar = new QProgressBar(m_window);
    m_bar->setTextVisible(false);
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
    m_window->setFixedWidth(WindowWidth);
    m_window->adjustSize();
    if (m_parent) {
        const QRect over = m_parent->window()->frameGeometry();
        m_window->move(over.center() - m_window->rect().center());
    }
}

void ProgressDialog::start(int maximum)
{
    if (!m_window)
        return;
    m_bar->setRange(0, std::max(maximum, 0));
    m_bar->setValue(0);
    m_window->show();
    m_window->raise();
    m_started = m_clock.milliseconds();
    QCoreApplication::processEvents(WorkEvents);
}

void ProgressDialog::setPos(int position)
{
    if (!m_window)
        return;
    m_bar->setValue(std::clamp(position, m_bar->minimum(), m_bar->maximum()));
    QCoreApplication::processEvents(WorkEvents);
}

void ProgressDialog::finish()
{
    if (!m_window)
        return;
    // Wait in an event loop, not asleep: the window and the frame keep repainting.
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(static_cast<int>(progressFinishWait(m_clock.milliseconds() - m_started)));
    loop.exec(WorkEvents);
    close();
}

void ProgressDialog::close()
{
    delete m_window.data();
    m_window = nullptr;
    m_text = nullptr;
    m_bar = nullptr;
}

void WaitCursor::begin()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void WaitCursor::end()
{
    QApplication::restoreOverrideCursor();
}

} // namespace app
