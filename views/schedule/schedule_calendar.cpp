#include "schedule_calendar.h"

#include "app/string_table.h"
#include "platform/clock.h"
#include "views/common/qt_text.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QTimer>
#include <qdrawutil.h>

namespace views {
namespace {

constexpr int ButtonSize = 20;
constexpr int Inset = 3;
constexpr std::array Buttons{CalendarButton::PreviousYear, CalendarButton::PreviousMonth,
                             CalendarButton::NextMonth, CalendarButton::NextYear};

QRect toQRect(const LayoutRect &rect)
{
    return {rect.x, rect.y, rect.width, rect.height};
}

struct CellColours
{
    QColor background;
    QColor text;
};

CellColours coloursOf(CalendarCellKind kind, int weekday)
{
    const QColor weekdayText = weekday == 0   ? QColor(255, 0, 0)
                               : weekday == 6 ? QColor(0, 0, 255)
                                              : QColor(0, 0, 0);
    switch (kind) {
    case CalendarCellKind::Current:
        return {QColor(0, 0, 128), Qt::white};
    case CalendarCellKind::Today:
        return {QColor(0, 192, 0), Qt::white};
    case CalendarCellKind::OutOfRange:
        return {QColor(128, 128, 128), weekdayText};
    case CalendarCellKind::OtherMonth:
        return {QColor(192, 192, 192), weekdayText};
    case CalendarCellKind::Sunday:
        return {QColor(255, 192, 192), weekdayText};
    case CalendarCellKind::Saturday:
        return {QColor(192, 192, 255), weekdayText};
    case CalendarCellKind::Weekday:
        break;
    }
    return {Qt::white, weekdayText};
}

} // namespace

ScheduleCalendar::ScheduleCalendar(const platform::Clock &clock,
                                   const platform::WallClock &wallClock, QWidget *parent)
    : QWidget(parent)
    , m_clock(clock)
    , m_wallClock(wallClock)
    , m_state(JapanTimeOf(wallClock.utcSeconds()).date())
    , m_repeatTimer(new QTimer(this))
{
    setObjectName("ScheduleCalendar");
    m_repeatTimer->setSingleShot(true);
    connect(m_repeatTimer, &QTimer::timeout, this, &ScheduleCalendar::repeat);
}

CalendarDate ScheduleCalendar::today() const
{
    return JapanTimeOf(m_wallClock.utcSeconds()).date();
}

CalendarGrid ScheduleCalendar::grid() const
{
    return CalendarGrid(width(), height());
}

LayoutRect ScheduleCalendar::titleRect() const
{
    const QString title = toQString(app::formatText(app::TextId::CalendarMonthTitle,
                                                    m_state.date().year, m_state.date().month));
    const int textWidth = fontMetrics().horizontalAdvance(title);
    return {(width() - textWidth) / 2, Inset, textWidth, CalendarGrid::TitleHeight};
}

LayoutRect ScheduleCalendar::buttonRect(CalendarButton button) const
{
    const LayoutRect title = titleRect();
    const int right = title.x + title.width;
    int x = 0;
    switch (button) {
    case CalendarButton::PreviousYear:
        x = title.x - 50;
        break;
    case CalendarButton::PreviousMonth:
        x = title.x - 30;
        break;
    case CalendarButton::NextMonth:
        x = right + 10;
        break;
    case CalendarButton::NextYear:
        x = right + 30;
        break;
    }
    return {x, Inset, ButtonSize, ButtonSize};
}

void ScheduleCalendar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    // The double 3-D frame.
    qDrawWinPanel(&painter, rect(), palette(), true);

    const QString title = toQString(app::formatText(app::TextId::CalendarMonthTitle,
                                                    m_state.date().year, m_state.date().month));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(toQRect(titleRect()), Qt::AlignCenter, title);
    for (const CalendarButton button : Buttons)
        paintButton(painter, button);

    const CalendarGrid cells = grid();
    for (int column = 0; column < 7; ++column) {
        LayoutRect place = cells.cell(column);
        place.y = CalendarGrid::WeekdayTop;
        place.height = CalendarGrid::TitleHeight;
        painter.setPen(column == 0   ? QColor(255, 0, 0)
                       : column == 6 ? QColor(0, 0, 255)
                                     : palette().color(QPalette::WindowText));
        painter.drawText(toQRect(place), Qt::AlignCenter, toQString(WeekdayName(column)));
    }
    paintGrid(painter);
}

void ScheduleCalendar::paintButton(QPainter &painter, CalendarButton button) const
{
    const QRect place = toQRect(buttonRect(button));
    const bool pressed = m_state.pressedButton() == button;
    qDrawWinButton(&painter, place, palette(), pressed, &palette().brush(QPalette::Button));
    // Year buttons carry two arrowheads, month buttons one.
    const bool year = button == CalendarButton::PreviousYear || button == CalendarButton::NextYear;
    const bool back
        = button == CalendarButton::PreviousYear || button == CalendarButton::PreviousMonth;
    const QPoint centre = place.center() + (pressed ? QPoint(1, 1) : QPoint());
    painter.setPen(Qt::NoPen);
    painter.setBrush(isEnabled() ? palette().color(QPalette::ButtonText) : Qt::gray);
    const int heads = year ? 2 : 1;
    for (int head = 0; head < heads; ++head) {
        const int offset = year ? (head == 0 ? -3 : 3) : 0;
        const int tip = centre.x() + offset + (back ? -3 : 3);
        const int base = centre.x() + offset + (back ? 2 : -2);
        const QPoint arrow[3]
            = {QPoint(tip, centre.y()), QPoint(base, centre.y() - 5), QPoint(base, centre.y() + 5)};
        painter.drawPolygon(arrow, 3);
    }
}

void ScheduleCalendar::paintGrid(QPainter &painter) const
{
    const CalendarGrid cells = grid();
    const CalendarDate todayDate = today();
    QFont otherMonthFont = font();
    otherMonthFont.setItalic(true);
    for (int index = 0; index < CalendarState::GridDays; ++index) {
        const CalendarDate day = m_state.cellDate(index);
        const CalendarCellKind kind = m_state.cellKind(index, todayDate);
        const CellColours colours = coloursOf(kind, WeekdayOf(day));
        const QRect place = toQRect(cells.cell(index));
        painter.fillRect(place, colours.background);
        painter.setPen(colours.text);
        painter.setFont(day.month == m_state.date().month ? font() : otherMonthFont);
        painter.drawText(place.adjusted(4, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                         QString::number(day.day));
    }
    painter.setFont(font());
}

void ScheduleCalendar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        press(event->position().toPoint());
}

void ScheduleCalendar::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click comes as its own event; the state times the clicks.
    mousePressEvent(event);
}

void ScheduleCalendar::press(const QPoint &position)
{
    const int64_t now = m_clock.milliseconds();
    for (const CalendarButton button : Buttons) {
        if (buttonRect(button).contains(position.x(), position.y())) {
            m_state.press(button, now);
            scheduleRepeat();
            update();
            return;
        }
    }
    const int cell = grid().cellAt(position.x(), position.y());
    if (cell < 0)
        return;
    const int doubleClickTime = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    switch (m_state.clickDay(m_state.cellDate(cell), now, doubleClickTime)) {
    case CalendarClick::Changed:
        emit dateChanged(m_state.date());
        update();
        break;
    case CalendarClick::DoubleClick:
        emit dayDoubleClicked();
        break;
    case CalendarClick::None:
        break;
    }
}

void ScheduleCalendar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_state.pressedButton())
        return;
    m_repeatTimer->stop();
    if (m_state.release())
        emit dateChanged(m_state.date());
    update();
}

void ScheduleCalendar::repeat()
{
    if (m_state.repeatsDue(m_clock.milliseconds()) > 0)
        emit dateChanged(m_state.date());
    scheduleRepeat();
    update();
}

void ScheduleCalendar::scheduleRepeat()
{
    if (const std::optional<int64_t> due = m_state.nextRepeat())
        m_repeatTimer->start(int(std::max<int64_t>(*due - m_clock.milliseconds(), 0)));
}

} // namespace views
