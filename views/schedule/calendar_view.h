#pragma once

#include "views/common/data_view.h"
#include "views/schedule/schedule_store.h"

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

    ScheduleStore &store() { return m_store; }
    const ScheduleStore &store() const { return m_store; }
    ScheduleCalendar *calendar() const { return m_calendar; }
    // The calendar's current date, on which a new entry starts.
    CalendarDate calendarDate() const;
    // Shows the store as it stands now: the rows with their selection and the count report.
    // Call after changing the store directly (an edit).
    void showStore();

    int entryCount() const override;
    void deleteEntryAtRow(int row) override;
    void compact() override;
    // Rebuild under the current model's years and icon names, then showStore().
    void refresh() override;

    int entryCeiling() const override { return ScheduleStore::Capacity; }
    int mergeCardBlock(const void *first) override;
    void *buildCardChain() override;

signals:
    // A double click on a row: the frame edits the entry (command 1012).
    void editRequested();
    // A double click on the calendar's current date: the frame adds an entry (command 1010).
    void addRequested();

protected:
    void clearData() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void setUp();
    void readModel();
    void headerClicked(int column);
    void calendarDateChanged(const CalendarDate &date);
    void listClicked();
    void showSelection();

    ScheduleStore m_store;
    ScheduleCalendar *m_calendar;
    const host::KindLimitCache *m_limits = nullptr;
    const host::PluginHost *m_plugins = nullptr;
};

} // namespace views
