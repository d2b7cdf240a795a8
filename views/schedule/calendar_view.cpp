#include "calendar_view.h"

#include "common/data_kind.h"
#include "common/records.h"
#include "common/sjis_literal.h"

#include <string>

namespace views {
CCalendarView::CCalendarView(QWidget *parent)
    : RecordDataView(4, KIND_SCHEDULE, app::TextId::KindSchedule,
                     {platform::MessageIcon::Warning, platform::MessageAnswer::Cancel}, parent)
{
    setObjectName("CalendarView");
    setColumns({{sjis("開始時間"), 160},
                {sjis("終了時間"), 160},
                {sjis("繰り返し"), 80},
                {sjis("曜日指定"), 160},
                {sjis("内容"), 200},
                {sjis("ｱﾗｰﾑ時間"), 100},
                {sjis("ｱｲｺﾝ"), 60}});
}

std::vector<std::string> CCalendarView::rowTexts(int index) const
{
    const RecordStore &records = store();
    return {records.textAt(index, offsetof(ScheduleRecord, start)),
            records.textAt(index, offsetof(ScheduleRecord, end)),
            std::to_string(records.wordAt(index, offsetof(ScheduleRecord, repeatRule))),
            std::to_string(records.wordAt(index, offsetof(ScheduleRecord, weekdays))),
            records.textAt(index, offsetof(ScheduleRecord, summary)),
            records.textAt(index, offsetof(ScheduleRecord, alarm)),
            std::to_string(records.wordAt(index, offsetof(ScheduleRecord, icon)))};
}

} // namespace views
