#pragma once

#include "views/schedule/calendar_state.h"
#include "views/schedule/schedule_layout.h"

#include <QWidget>

#include <array>

class QTimer;

namespace platform {
class Clock;
class WallClock;
} // namespace platform

namespace views {

// The schedule's month calendar, drawn by itself: the title "%4d年 %2d月" between the four
// navigation buttons (previous year and month left of it, next month and year right), the
// weekday row and the 6 x 7 day grid coloured by CalendarState::cellKind. The CalendarState
// decides; the widget draws, times and reports. The monotonic clock times the auto-repeat and
// the double clicks (double-click time from the style hints); the wall clock gives today.
class ScheduleCalendar : public QWidget
{
    Q_OBJECT

public:
    ScheduleCalendar(const platform::Clock &clock, const platform::WallClock &wallClock,
                     QWidget *parent = nullptr);

    CalendarState &state() { return m_state; }
    const CalendarState &state() const { return m_state; }
    // Today in Japan time, by the wall clock.
    CalendarDate today() const;
    CalendarGrid grid() const;
    // Where a navigation button is drawn.
    LayoutRect buttonRect(CalendarButton button) const;

signals:
    // A click or a step made date the current date.
    void dateChanged(const views::CalendarDate &date);
    // The current date was double-clicked.
    void dayDoubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void press(const QPoint &position);
    void repeat();
    void scheduleRepeat();
    void paintButton(QPainter &painter, CalendarButton button) const;
    void paintGrid(QPainter &painter) const;
    LayoutRect titleRect() const;

    const platform::Clock &m_clock;
    const platform::WallClock &m_wallClock;
    CalendarState m_state;
    QTimer *m_repeatTimer;
};

} // namespace views
