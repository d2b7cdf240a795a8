#include "exchange/conversion_fit.h"
#include "exchange/kind_conversions.h"

#include "app/string_table.h"
#include "common/sjis_literal.h"
#include "exchange/report_note.h"
#include "platform/sjis_text.h"
#include "views/schedule/schedule_edit_rules.h"
#include "views/schedule/schedule_time.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

namespace exchange {
namespace {

using app::TextId;
using views::LocalDateTime;

// The start and the summary, else the description's first line (a model without summaries).
std::string labelOf(const ScheduleRecord &record)
{
    std::string text = views::fieldText(record.summary);
    if (text.empty()) {
        text = views::fieldText(record.description);
        text.erase(std::min(text.find_first_of("\r\n"), text.size()));
    }
    const std::string start = views::DisplayScheduleTime(views::fieldText(record.start));
    return text.empty() ? start : start + " " + platform::sjisToUtf8(text);
}

std::string dayText(const LocalDateTime &moment)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", moment.year, moment.month, moment.day);
    return text;
}

class ScheduleFit
{
public:
    ScheduleFit(ScheduleRecord &record, ConversionFit &fit)
        : m_record(record)
        , m_fit(fit)
        , m_features(views::scheduleEditFeatures(fit.to().schedule))
    {
    }

    // False when the entry has no place in the target's years.
    bool fit()
    {
        const std::optional<LocalDateTime> start
            = views::ParseScheduleTime(views::fieldText(m_record.start));
        if (!start || !holdsYear(*start)) {
            const LocalDateTime shown = start.value_or(LocalDateTime{});
            m_fit.note(reportNote(TextId::ScheduleImportStartOutsideYears, dayText(shown).c_str(),
                                  m_features.firstYear, m_features.lastYear));
            return false;
        }
        fitEnd(*start);
        fitRepeat(*start);
        fitAlarm(*start);
        fitTexts();
        fitChoices();
        return true;
    }

private:
    bool holdsYear(const LocalDateTime &moment) const
    {
        return moment.year >= m_features.firstYear && moment.year <= m_features.lastYear;
    }

    void setEnd(const LocalDateTime &end)
    {
        views::setFieldText(m_record.end, views::FormatScheduleTime(end));
    }

    void fitEnd(const LocalDateTime &start)
    {
        if (m_record.allDay && !m_features.allDay) {
            m_fit.note(reportNote(TextId::ScheduleImportNoAllDay));
            m_record.allDay = 0;
        }
        LocalDateTime end
            = views::ParseScheduleTime(views::fieldText(m_record.end)).value_or(start);
        if (!holdsYear(end)) {
            m_fit.note(reportNote(TextId::ScheduleImportEndOutsideYears));
            end = start;
        }
        if (!m_features.endTime) {
            if (end != start)
                m_fit.note(reportNote(TextId::ScheduleImportNoEndTime));
            end = start;
        } else if (!m_features.endDateFree && end.date() != start.date()) {
            m_fit.note(reportNote(TextId::ScheduleImportEndDateFixed));
            end = {start.year, start.month, start.day, 23, 59, 0};
        }
        setEnd(end);
    }

    void fitRepeat(const LocalDateTime &start)
    {
        if (m_record.repeatRule > m_features.highestRepeatRule || m_record.repeatRule < 0) {
            const std::vector<std::string> rules = views::repeatRuleItems(REPEAT_YEARLY);
            const bool named = m_record.repeatRule > 0 && m_record.repeatRule <= REPEAT_YEARLY;
            const std::string rule
                = named ? rules[size_t(m_record.repeatRule)] : std::to_string(m_record.repeatRule);
            m_fit.note(reportNote(TextId::ScheduleImportRepeatDropped,
                                  platform::sjisToUtf8(rule).c_str()));
            m_record.repeatRule = REPEAT_NONE;
            m_record.repeatCount = 0;
            m_record.weekdays = 0;
            return;
        }
        if (m_record.repeatRule != REPEAT_NONE && m_record.repeatCount > 0
            && !m_features.repeatCount) {
            m_fit.note(
                reportNote(TextId::ScheduleImportRepeatCountDropped, int(m_record.repeatCount)));
            m_record.repeatCount = 0;
        }
        const int32_t ownDay = 1 << views::WeekdayOf(start.date());
        if (m_record.weekdays != 0 && !m_features.weekdays) {
            if (m_record.repeatRule == REPEAT_WEEKLY && (m_record.weekdays & 0x7f) != ownDay)
                m_fit.note(reportNote(TextId::ConversionWeekdaysDropped));
            m_record.weekdays = 0;
        }
    }

    void fitAlarm(const LocalDateTime &start)
    {
        const std::string text = views::fieldText(m_record.alarm);
        if (text.empty())
            return;
        views::setFieldText(m_record.alarm, {});
        if (!m_features.alarm) {
            m_fit.note(reportNote(TextId::ScheduleImportNoAlarm));
            return;
        }
        std::optional<LocalDateTime> at = views::ParseScheduleTime(text);
        if (!at || !holdsYear(*at)) {
            m_fit.note(reportNote(TextId::ScheduleImportAlarmOutsideYears));
            return;
        }
        const int64_t lead = views::MinutesBetween(*at, start);
        if (lead != 0 && !m_features.alarmDate) {
            const int64_t longest = m_features.longestAlarmLead;
            if (m_features.alarmRelative && lead > longest && longest > 0) {
                m_fit.note(reportNote(TextId::ScheduleImportAlarmLeadCut, int(longest)));
                at = views::AddMinutes(start, -longest);
            } else if (!m_features.alarmRelative || lead < 0 || longest <= 0) {
                m_fit.note(reportNote(TextId::ScheduleImportAlarmAtStart));
                at = start;
            }
        }
        views::setFieldText(m_record.alarm, views::FormatScheduleTime(*at));
    }

    void fitTexts()
    {
        const ScheduleLimits &limits = m_fit.to().schedule;
        const std::string summary = views::fieldText(m_record.summary);
        if (!summary.empty() && limits.summaryLength <= 0 && limits.descriptionLength > 0) {
            m_fit.note(reportNote(TextId::ScheduleImportSummaryMoved));
            const std::string description = views::fieldText(m_record.description);
            views::setFieldText(m_record.summary, {});
            views::setFieldText(
                m_record.description,
                m_fit.fittedText(description.empty() ? summary : summary + "\r\n" + description,
                                 sjis("内容"), limits.descriptionLength,
                                 sizeof m_record.description));
        } else {
            m_fit.fitText(m_record.summary, sjis("概要"), limits.summaryLength);
            m_fit.fitText(m_record.description, sjis("内容"), limits.descriptionLength);
        }
        m_fit.fitText(m_record.location, sjis("場所"), limits.locationLength);
    }

    void fitChoices()
    {
        m_record.icon = m_fit.mapOption(401, m_record.icon, sjis("ｱｲｺﾝ"));
        m_record.alarmTone = m_fit.mapOption(403, m_record.alarmTone, sjis("ｱﾗｰﾑ音"));
        m_record.alarmVolume = m_fit.mapOption(402, m_record.alarmVolume, sjis("ｱﾗｰﾑ音量"));
    }

    ScheduleRecord &m_record;
    ConversionFit &m_fit;
    views::ScheduleEditFeatures m_features;
};

} // namespace

std::vector<ScheduleRecord> convertSchedule(const std::vector<ScheduleRecord> &records,
                                            const ModelTables &from, const ModelTables &to,
                                            ImportReport &report)
{
    std::vector<ScheduleRecord> kept;
    for (ScheduleRecord record : records) {
        ConversionFit fit(report, from, to, labelOf(record));
        if (ScheduleFit(record, fit).fit())
            kept.push_back(record);
    }
    return kept;
}

} // namespace exchange
