#pragma once

// The month calendar of the schedule view without its drawing: the current date within the
// years the phone accepts, the month and year steps, the day clicks and the auto-repeat of a
// held navigation button. Times are milliseconds of a monotonic clock.

#include "views/schedule/schedule_time.h"

#include <array>
#include <cstdint>
#include <optional>

namespace views {

enum class CalendarButton { PreviousYear, PreviousMonth, NextMonth, NextYear };

// How a cell of the grid is coloured, in the order the rules are tried.
enum class CalendarCellKind {
    Current,    // the current date: navy, white text
    Today,      // the local clock's date: green, white text
    OutOfRange, // a year the phone does not accept: dark grey
    OtherMonth, // light grey, second font
    Sunday,     // light red
    Saturday,   // light blue
    Weekday,    // white
};

enum class CalendarClick {
    None,        // nothing happened (a refused year, or the current date clicked once)
    Changed,     // another day became the current date
    DoubleClick, // the current date was clicked again within the double-click time
};

class CalendarState
{
public:
    static constexpr int GridDays = 42;
    static constexpr int64_t FirstRepeatDelay = 750;
    static constexpr int64_t ShortestShortenedDelay = 100;

    // Starts on date, within the years 1900 to 2099 until setYears says otherwise.
    explicit CalendarState(const CalendarDate &date);

    const CalendarDate &date() const { return m_date; }
    int firstYear() const { return m_firstYear; }
    int lastYear() const { return m_lastYear; }
    bool isAllowedYear(int year) const { return year >= m_firstYear && year <= m_lastYear; }

    // The phone's years; a reversed range is taken as the single first year. The current date
    // is moved into the range (to January of the first year or December of the last, the day
    // dropping to the month's last day where needed).
    void setYears(int firstYear, int lastYear);
    // Makes date the current date, moved into the allowed years as setYears does; an invalid
    // month or day is corrected into its range.
    void setDate(const CalendarDate &date);

    // One step of a navigation button. Month steps cross the year; at the first allowed year,
    // previous year goes to January and previous month stops at January; at the last,
    // next year goes to December and next month stops at December. The day stays or drops to
    // the last day of the target month.
    void step(CalendarButton button);

    // The day of grid cell 0 to 41: the grid starts on the Sunday before the 1st of the
    // current month, or a week earlier when the 1st is a Sunday.
    CalendarDate cellDate(int cell) const;
    CalendarCellKind cellKind(int cell, const CalendarDate &today) const;

    // A click on day at time now: another allowed day becomes the current date (Changed); the
    // current date clicked within doubleClickTime of the previous click gives DoubleClick and
    // forgets that click. Every other click on an allowed day notes its time.
    CalendarClick clickDay(const CalendarDate &day, int64_t now, int64_t doubleClickTime);

    // Auto-repeat of a held button: press notes it; every call of repeatsDue reports how many
    // steps are due by now (the first 750 ms after the press, each following interval 10 %
    // shorter while above 100 ms) and steps the calendar that often; release steps once when
    // the button did not repeat, and says whether it stepped.
    void press(CalendarButton button, int64_t now);
    int repeatsDue(int64_t now);
    bool release();
    std::optional<CalendarButton> pressedButton() const { return m_pressed; }
    // When the next repeat is due; nothing while no button is held.
    std::optional<int64_t> nextRepeat() const;

private:
    void moveIntoYears();

    CalendarDate m_date;
    int m_firstYear = 1900;
    int m_lastYear = 2099;
    std::optional<int64_t> m_lastClick;
    std::optional<CalendarButton> m_pressed;
    int64_t m_due = 0;
    int64_t m_interval = FirstRepeatDelay;
    bool m_repeated = false;
};

} // namespace views
