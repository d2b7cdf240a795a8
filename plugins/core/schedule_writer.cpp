#include "schedule_writer.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "plugins/core/card_writing.h"
#include "plugins/core/last_error.h"
#include "plugins/core/plugin_interface.h"
#include "plugins/core/schedule_words.h"

#include <cstring>

namespace plugin {
namespace {

ScheduleRecord terminatedCopy(const void *source)
{
    ScheduleRecord record;
    std::memcpy(&record, source, sizeof record);
    terminate(record.start);
    terminate(record.end);
    terminate(record.alarm);
    terminate(record.lastModified);
    terminate(record.summary);
    terminate(record.description);
    terminate(record.location);
    return record;
}

const char *textField(const ScheduleRecord &record, ScheduleText text)
{
    switch (text) {
    case ScheduleText::Summary:
        return record.summary;
    case ScheduleText::Location:
        return record.location;
    case ScheduleText::Description:
        break;
    }
    return record.description;
}

int32_t heldTo(int32_t value, int32_t count)
{
    return value >= 0 && value < count ? value : 0;
}

class EventWriter
{
public:
    EventWriter(const ScheduleFormat &format, std::string &out)
        : m_format(format)
        , m_out(out)
    {
    }

    void write(const ScheduleRecord &record)
    {
        line("BEGIN:VEVENT");
        for (const EventLineStep &each : m_format.lines)
            step(each, record);
        line("END:VEVENT");
    }

private:
    void line(const std::string &text) { m_out += text + '\n'; }
    void step(const EventLineStep &step, const ScheduleRecord &record);
    void repeat(const ScheduleRecord &record);
    // format with value, or emptyFormat (when there is one) if the condition fails.
    template<typename Value>
    void either(const EventLineStep &step, bool condition, Value value)
    {
        if (condition || !step.emptyFormat)
            line(formatted(step.format, value));
        else
            line(step.emptyFormat);
    }

    const ScheduleFormat &m_format;
    std::string &m_out;
};

void EventWriter::step(const EventLineStep &step, const ScheduleRecord &record)
{
    const bool alarmSet = *record.alarm;
    switch (step.line) {
    case EventLine::Text:
        line(step.format);
        break;
    case EventLine::Start:
        line(formatted(step.format, record.start));
        break;
    case EventLine::End:
        line(formatted(step.format, record.end));
        break;
    case EventLine::QuotedPrinted: {
        const char *text = textField(record, step.text);
        if (*text)
            line(quotedPrintable(std::string(step.format) + text,
                                 static_cast<int>(std::strlen(step.format))));
        else if (step.emptyFormat)
            line(step.emptyFormat);
        break;
    }
    case EventLine::Category:
        line(formatted(step.format, categoryWord(m_format, record.icon)));
        break;
    case EventLine::IconNumber:
    case EventLine::IconCode:
        line(formatted(step.format, iconNumber(m_format, record.icon)));
        break;
    case EventLine::Alarm:
        either(step, alarmSet, record.alarm);
        break;
    case EventLine::AlarmAtStart:
        either(step, alarmSet, record.start);
        break;
    case EventLine::Repeat:
        repeat(record);
        break;
    case EventLine::LastModified:
        line(formatted(step.format, record.lastModified));
        break;
    case EventLine::AlarmVolume:
        either(step, alarmSet, heldTo(record.alarmVolume, m_format.alarmChoices));
        break;
    case EventLine::AlarmTone:
        either(step, alarmSet, heldTo(record.alarmTone, m_format.alarmChoices));
        break;
    case EventLine::AllDay:
        line(record.allDay == 1 ? step.format : step.emptyFormat);
        break;
    }
}

void EventWriter::repeat(const ScheduleRecord &record)
{
    const char *word = repeatWord(m_format, record.repeatRule);
    if (!word) {
        line("RRULE:");
        return;
    }
    const std::string days = record.repeatRule == REPEAT_WEEKLY && m_format.weekdays
                                 ? weekdayWords(record.weekdays)
                                 : std::string();
    line(formatted("RRULE:%s %s#%d", word, days.c_str(),
                   m_format.repeatCount ? record.repeatCount : 0));
}

} // namespace

bool writeSchedule(const void *first, const ModelDefinition &model, std::string &out)
{
    const ScheduleFormat &format = model.schedule;
    out += "BEGIN:VCALENDAR\nVERSION:1.0\n";
    EventWriter writer(format, out);
    size_t written = 0;
    for (const void *record = first; record; record = RecordLink(record, RECORD_LINK_NEXT)) {
        if (RecordKind(record) != KIND_SCHEDULE)
            continue;
        const ScheduleRecord copy = terminatedCopy(record);
        if (format.skipsEmptyStart && !*copy.start)
            continue;
        writer.write(copy);
        ++written;
    }
    out += "END:VCALENDAR\n";
    if (written == 0) {
        setLastError(PLUGIN_NO_ENTRY);
        return false;
    }
    return true;
}

} // namespace plugin
