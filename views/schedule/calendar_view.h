#pragma once

#include "views/common/data_view.h"
#include "views/schedule/schedule_view_core.h"

namespace host {
class KindLimitCache;
class PluginHost;
} // namespace host
namespace platform {
class Clock;
class WallClock;
} // namespace platform

namespace views {

class ScheduleCalendar;

// The schedule view: the month calendar above the list of every entry. Both mirror the
// ScheduleStore, which holds the records, the rows and their selection; the calendar's
// CalendarState holds the current date. Choosing a day selects its entries; clicking an entry
// moves the calendar to its day and selects that day's entries.
class CCalendarView : public DataView
{
    Q_OBJECT

public:
    // Without clocks the system's clock is used.
    explicit CCalendarView(QWidget *parent = nullptr);
    CCalendarView(const platform::Clock &clock, const platform::WallClock &wallClock,
                  QWidget *parent = nullptr);

    // The current model: years from the schedule table of limits, icon names from the current
    // plug-in's option list 401, re-read by every refresh() and card merge. Null leaves the
    // store's own setting (years 1900-2099, icons as numbers).
    void setModelTables(const host::KindLimitCache *limits, const host::PluginHost *plugins);

    ScheduleStore &store() { return m_core.store(); }
    const ScheduleStore &store() const { return m_core.store(); }
    ScheduleCalendar *calendar() const { return m_calendar; }
    // The calendar's current date, on which a new entry starts.
    CalendarDate calendarDate() const;
    // The calendar's years are the current model's, re-read with every change of the store.
    void refresh() override;
    int mergeCardBlock(const void *first) override;
    int loadPcImage(const void *image, size_t size, uint32_t pluginCode) override;

signals:
    // A double click on a row: the frame edits the entry (command 1012).
    void editRequested();
    // A double click on the calendar's current date: the frame adds an entry (command 1010).
    void addRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void setUp();
    void readCalendarYears();
    void headerClicked(int column);
    void calendarDateChanged(const CalendarDate &date);
    void listClicked();
    void showSelection();

    ScheduleViewCore m_core;
    ScheduleStore &m_store;
    ScheduleCalendar *m_calendar;
    const host::KindLimitCache *m_limits = nullptr;
};

} // namespace views
