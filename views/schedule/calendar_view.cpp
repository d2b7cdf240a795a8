#include "calendar_view.h"

#include "common/sjis_literal.h"
#include "platform/clock.h"
#include "views/common/choice_lists.h"
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
    , m_calendar(new ScheduleCalendar(clock, wallClock, this))
{
    setUp();
}

void CCalendarView::setUp()
{
    setObjectName("CalendarView");
    setListedStore(m_store);
    // The view places the calendar and the list itself on every resize.
    delete layout();
    setColumns({{sjis("開始時間"), 160},
                {sjis("終了時間"), 160},
                {sjis("繰り返し"), 80},
                {sjis("曜日指定"), 160},
                {sjis("内容"), 200},
                {sjis("ｱﾗｰﾑ時間"), 100},
                {sjis("ｱｲｺﾝ"), 60}});
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

void CCalendarView::readModel()
{
    if (m_limits) {
        const ScheduleEditFeatures features = scheduleEditFeatures(readScheduleLimits(*m_limits));
        m_calendar->state().setYears(features.firstYear, features.lastYear);
        m_calendar->update();
    }
    if (m_plugins)
        m_store.setOptionName(pluginOptionName(*m_plugins));
}

void CCalendarView::setModelTables(const host::KindLimitCache *limits,
                                   const host::PluginHost *plugins)
{
    m_limits = limits;
    m_plugins = plugins;
    readModel();
}

CalendarDate CCalendarView::calendarDate() const
{
    return m_calendar->state().date();
}

void CCalendarView::showStore()
{
    showListedRows();
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

int CCalendarView::entryCount() const
{
    return m_store.RecordCount();
}

void CCalendarView::deleteEntryAtRow(int row)
{
    m_store.MarkRowDeleted(row);
}

void CCalendarView::compact()
{
    m_store.Purge();
}

void CCalendarView::refresh()
{
    readModel();
    m_store.Rebuild();
    showStore();
}

int CCalendarView::mergeCardBlock(const void *first)
{
    readModel();
    // The card transfer clears the selection before each folder, so the rows of every file of
    // the folder stay selected.
    const int added = m_store.AddRecords(first, false, true, true);
    m_store.Sort();
    showStore();
    return added;
}

void *CCalendarView::buildCardChain()
{
    return m_store.CardBlock();
}

void CCalendarView::clearData()
{
    m_store.ResetData();
}

} // namespace views
