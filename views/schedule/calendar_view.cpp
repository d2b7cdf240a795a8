#include "calendar_view.h"

#include "platform/clock.h"
#include "views/schedule/schedule_calendar.h"
#include "views/schedule/schedule_edit_rules.h"
#include "views/schedule/schedule_layout.h"

#include <QHeaderView>
#include <QLayout>
#include <QTreeWidget>

namespace views {
namespace {

platform::SystemClock &systemClock()
{
    static platform::SystemClock clock;
    return clock;
}

} // namespace

CCalendarView::CCalendarView(QWidget *parent)
    : CCalendarView(systemClock(), systemClock(), parent)
{
}

CCalendarView::CCalendarView(const platform::Clock &clock, const platform::WallClock &wallClock,
                             QWidget *parent)
    : DataView(4, app::TextId::KindSchedule,
               {platform::MessageIcon::Warning, platform::MessageAnswer::Cancel}, parent)
    , m_store(m_core.store())
    , m_calendar(new ScheduleCalendar(clock, wallClock, this))
{
    setUp();
}

void CCalendarView::setUp()
{
    setObjectName("CalendarView");
    setCore(m_core);
    // The view places the calendar and the list itself on every resize.
    delete layout();
    QPalette colours = list()->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Highlight, QColor(0, 0, 127));
        colours.setColor(group, QPalette::HighlightedText, Qt::white);
        colours.setColor(group, QPalette::Base, Qt::white);
        colours.setColor(group, QPalette::Text, Qt::black);
    }
    list()->setPalette(colours);
    QHeaderView *header = list()->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    connect(header, &QHeaderView::sectionClicked, this, &CCalendarView::headerClicked);
    connect(list(), &QTreeWidget::itemClicked, this, &CCalendarView::listClicked);
    connect(list(), &QTreeWidget::itemDoubleClicked, this, [this] { emit editRequested(); });
    connect(m_calendar, &ScheduleCalendar::dateChanged, this, &CCalendarView::calendarDateChanged);
    connect(m_calendar, &ScheduleCalendar::dayDoubleClicked, this, [this] { emit addRequested(); });
    showStore();
}

void CCalendarView::readCalendarYears()
{
    if (m_limits) {
        const ScheduleEditFeatures features = scheduleEditFeatures(readScheduleLimits(*m_limits));
        m_calendar->state().setYears(features.firstYear, features.lastYear);
        m_calendar->update();
    }
}

void CCalendarView::setModelTables(const host::KindLimitCache *limits,
                                   const host::PluginHost *plugins)
{
    m_limits = limits;
    m_core.setPlugins(plugins);
    readCalendarYears();
}

CalendarDate CCalendarView::calendarDate() const
{
    return m_calendar->state().date();
}

void CCalendarView::showSelection()
{
    {
        const QSignalBlocker blocker(list());
        for (int row = 0; row < listRowCount(); ++row)
            list()->topLevelItem(row)->setSelected(m_store.isRowSelected(row));
    }
    reportSelection();
}

void CCalendarView::headerClicked(int column)
{
    m_store.SetSortColumn(column);
    showStore();
}

void CCalendarView::calendarDateChanged(const CalendarDate &date)
{
    m_store.SelectDay(date);
    showSelection();
}

void CCalendarView::listClicked()
{
    const std::vector<int> rows = m_store.selectedRows();
    if (!rows.empty()) {
        if (const std::optional<CalendarDate> day = m_store.DayOfRow(rows.back())) {
            m_calendar->state().setDate(*day);
            m_calendar->update();
        }
    }
    m_store.SelectDay(calendarDate());
    showSelection();
}

void CCalendarView::resizeEvent(QResizeEvent *event)
{
    DataView::resizeEvent(event);
    // The frame's status bar lies below the views, so the whole height is usable.
    const ScheduleLayout placed = layoutSchedule(width(), height());
    const LayoutRect &calendar = placed.calendar;
    m_calendar->setGeometry(calendar.x, calendar.y, calendar.width, calendar.height);
    m_calendar->setVisible(placed.calendarShown);
    list()->setGeometry(placed.list.x, placed.list.y, placed.list.width, placed.list.height);
}

void CCalendarView::refresh()
{
    readCalendarYears();
    DataView::refresh();
}

int CCalendarView::mergeCardBlock(const void *first)
{
    readCalendarYears();
    return DataView::mergeCardBlock(first);
}

int CCalendarView::loadPcImage(const void *image, size_t size, uint32_t pluginCode)
{
    readCalendarYears();
    return DataView::loadPcImage(image, size, pluginCode);
}

} // namespace views
