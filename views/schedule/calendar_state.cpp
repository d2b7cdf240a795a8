#include "calendar_state.h"

#include <algorithm>

namespace views {
namespace {

CalendarDate withDayKept(int year, int month, int day)
{
    return {year, month, std::clamp(day, 1, DaysInMonth(year, month))};
}

} // namespace

CalendarState::CalendarState(const CalendarDate &date)
{
    setDate(date);
}

void CalendarState::setYears(int firstYear, int lastYear)
{
    m_firstYear = firstYear;
    m_lastYear = std::max(firstYear, lastYear);
    moveIntoYears();
}

void CalendarState::setDate(const CalendarDate &date)
{
    const int month = std::clamp(date.month, 1, 12);
    m_date = withDayKept(date.year, month, date.day);
    moveIntoYears();
}

void CalendarState::moveIntoYears()
{
    if (m_date.year < m_firstYear)
        m_date = withDayKept(m_firstYear, 1, m_date.day);
    else if (m_date.year > m_lastYear)
        m_date = withDayKept(m_lastYear, 12, m_date.day);
}

void CalendarState::step(CalendarButton button)
{
    int year = m_date.year;
    int month = m_date.month;
    switch (button) {
    case CalendarButton::PreviousYear:
        if (year > m_firstYear)
            --year;
        else
            month = 1;
        break;
    case CalendarButton::NextYear:
        if (year < m_lastYear)
            ++year;
        else
            month = 12;
        break;
    case CalendarButton::PreviousMonth:
        if (month > 1) {
            --month;
        } else if (year > m_firstYear) {
            month = 12;
            --year;
        }
        break;
    case CalendarButton::NextMonth:
        if (month < 12) {
            ++month;
        } else if (year < m_lastYear) {
            month = 1;
            ++year;
        }
        break;
    }
    m_date = withDayKept(year, month, m_date.day);
}

CalendarDate CalendarState::cellDate(int cell) const
{
    const CalendarDate first{m_date.year, m_date.month, 1};
    const int weekday = WeekdayOf(first);
    return AddDays(first, cell - (weekday == 0 ? 7 : weekday));
}

CalendarCellKind CalendarState::cellKind(int cell, const CalendarDate &today) const
{
    const CalendarDate day = cellDate(cell);
    if (day == m_date)
        return CalendarCellKind::Current;
    if (day == today)
        return CalendarCellKind::Today;
    if (!isAllowedYear(day.year))
        return CalendarCellKind::OutOfRange;
    if (day.month != m_date.month)
        return CalendarCellKind::OtherMonth;
    switch (WeekdayOf(day)) {
    case 0:
        return CalendarCellKind::Sunday;
    case 6:
        return CalendarCellKind::Saturday;
    default:
        return CalendarCellKind::Weekday;
    }
}

CalendarClick CalendarState::clickDay(const CalendarDate &day, int64_t now, int64_t doubleClickTime)
{
    if (!isAllowedYear(day.year))
        return CalendarClick::None;
    if (day != m_date) {
        m_date = day;
        m_lastClick = now;
        return CalendarClick::Changed;
    }
    if (m_lastClick && now - *m_lastClick <= doubleClickTime) {
        m_lastClick.reset();
        return CalendarClick::DoubleClick;
    }
    // Without this a first click on the date the calendar opened with could never start a
    // double click.
    m_lastClick = now;
    return CalendarClick::None;
}

void CalendarState::press(CalendarButton button, int64_t now)
{
    m_pressed = button;
    m_interval = FirstRepeatDelay;
    m_due = now + m_interval;
    m_repeated = false;
}

int CalendarState::repeatsDue(int64_t now)
{
    if (!m_pressed)
        return 0;
    int steps = 0;
    while (now >= m_due) {
        step(*m_pressed);
        ++steps;
        m_repeated = true;
        if (m_interval > ShortestShortenedDelay)
            m_interval = m_interval * 9 / 10;
        m_due += m_interval;
    }
    return steps;
}

bool CalendarState::release()
{
    if (!m_pressed)
        return false;
    const bool steps = !m_repeated;
    if (steps)
        step(*m_pressed);
    m_pressed.reset();
    return steps;
}

std::optional<int64_t> CalendarState::nextRepeat() const
{
    if (!m_pressed)
        return std::nullopt;
    return m_due;
}

} // namespace views
