#include "calendar_view.h"

#include "common/data_kind.h"
#include "common/records.h"

#include <string>

namespace views {
CCalendarView::CCalendarView(QWidget *parent)
    : DataView(4, KIND_SCHEDULE, app::TextId::KindSchedule,
               {platform::MessageIcon::Warning, platform::MessageAnswer::Cancel}, parent)
{
    setObjectName("CalendarView");
    setColumns({{"\x8AJ\x8En\x8E\x9E\x8A\xD4", 160},    // 開始時間
                {"\x8FI\x97\xB9\x8E\x9E\x8A\xD4", 160}, // 終了時間
                {"\x8CJ\x82\xE8\x95\xD4\x82\xB5", 80},  // 繰り返し
                {"\x97j\x93\xFA\x8Ew\x92\xE8", 160},    // 曜日指定
                {"\x93\xE0\x97"
                 "e",
                 200},                                     // 内容
                {"\xB1\xD7\xB0\xD1\x8E\x9E\x8A\xD4", 100}, // ｱﾗｰﾑ時間
                {"\xB1\xB2\xBA\xDD", 60}});                // ｱｲｺﾝ
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
