#include "schedule_loader.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "plugins/core/card_values.h"
#include "plugins/core/schedule_words.h"
#include "plugins/core/two_pass_load.h"

#include <cstring>

namespace plugin {
namespace {

// Date-time texts are kept only when shorter than this.
constexpr size_t kDateTimeBytes = 23;

enum class Entry { None, Event, Todo };

// What a line means in the calendar structure, the same for the counting and the parsing pass so
// that the second never takes more entries than the first counted.
enum class Step {
    Outside,
    CalendarBegin,
    CalendarLine,
    CalendarEnd,
    EntryBegin,
    EntryLine,
    EntryEnd
};

class CalendarStructure
{
public:
    explicit CalendarStructure(bool readsTodos)
        : m_readsTodos(readsTodos)
    {
    }

    Step take(const std::string &line)
    {
        if (line == "BEGIN:VCALENDAR") {
            m_inCalendar = true;
            m_entry = Entry::None;
            return Step::CalendarBegin; // a calendar opened again starts over
        }
        if (!m_inCalendar)
            return Step::Outside;
        if (line == "END:VCALENDAR") {
            m_inCalendar = false;
            m_entry = Entry::None;
            return Step::CalendarEnd;
        }
        if (line == "BEGIN:VEVENT" || (m_readsTodos && line == "BEGIN:VTODO")) {
            m_entry = line == "BEGIN:VEVENT" ? Entry::Event : Entry::Todo;
            return Step::EntryBegin;
        }
        if (m_entry == Entry::None)
            return Step::CalendarLine;
        if (line == (m_entry == Entry::Event ? "END:VEVENT" : "END:VTODO")) {
            m_ended = m_entry;
            m_entry = Entry::None;
            return Step::EntryEnd;
        }
        return Step::EntryLine;
    }

    bool inCalendar() const { return m_inCalendar; }
    Entry entry() const { return m_entry; }
    Entry ended() const { return m_ended; }

private:
    bool m_readsTodos;
    bool m_inCalendar = false;
    Entry m_entry = Entry::None;
    Entry m_ended = Entry::None;
};

size_t countEntries(LineReader &reader, bool readsTodos)
{
    CalendarStructure calendar(readsTodos);
    size_t count = 0;
    std::string line;
    while (reader.readLine(line))
        if (calendar.take(line) == Step::EntryEnd)
            ++count;
    return calendar.inCalendar() ? 0 : count;
}

template<size_t N>
void storeDateTime(std::string_view text, char (&field)[N])
{
    static_assert(N > kDateTimeBytes);
    std::memset(field, 0, N);
    storeText(text, field, kDateTimeBytes);
}

// The index of the first word equal to text; 0 when none is.
int32_t wordIndex(std::span<const char *const> words, std::string_view text)
{
    for (size_t i = 0; i < words.size(); ++i)
        if (text == words[i])
            return static_cast<int32_t>(i);
    return 0;
}

int32_t heldTo(int32_t value, int32_t count)
{
    return value >= 0 && value < count ? value : 0;
}

bool isProperty(std::string_view line, std::string_view name)
{
    return startsWith(line, name)
           && (line.substr(name.size(), 1) == ":" || line.substr(name.size(), 1) == ";");
}

class EntryParser
{
public:
    EntryParser(const ScheduleFormat &format, ScheduleRecord *slots, size_t slotCount)
        : m_format(format)
        , m_slots(slots)
        , m_slotCount(slotCount)
    {
    }

    size_t parse(LineReader &reader);

private:
    void readLine(LineReader &reader, std::string &line, Entry entry);
    void readText(LineReader &reader, std::string &line, size_t nameLength, char *field,
                  size_t fieldSize);
    void readRepeat(std::string_view value);
    void take(Entry entry);

    const ScheduleFormat &m_format;
    ScheduleRecord *m_slots;
    size_t m_slotCount;
    size_t m_taken = 0;
    ScheduleRecord *m_previous = nullptr;
    ScheduleRecord *m_entry = nullptr;
    bool m_versionRight = false;
    bool m_iconFromProperty = false;
};

size_t EntryParser::parse(LineReader &reader)
{
    CalendarStructure calendar(m_format.readsTodos);
    std::string line;
    while (m_taken < m_slotCount && reader.readLine(line)) {
        switch (calendar.take(line)) {
        case Step::Outside:
            break;
        case Step::CalendarBegin:
        case Step::CalendarEnd:
            m_versionRight = false;
            break;
        case Step::CalendarLine:
            if (startsWith(line, "VERSION:"))
                m_versionRight = readsAsNumber(std::string_view(line).substr(8), "1.0");
            break;
        case Step::EntryBegin:
            m_entry = &m_slots[m_taken];
            std::memset(m_entry, 0, sizeof *m_entry);
            m_iconFromProperty = false;
            break;
        case Step::EntryLine:
            readLine(reader, line, calendar.entry());
            break;
        case Step::EntryEnd:
            take(calendar.ended());
            break;
        }
    }
    return m_taken;
}

void EntryParser::take(Entry entry)
{
    ScheduleRecord *record = m_entry;
    m_entry = nullptr;
    if (!m_versionRight)
        return;
    if (entry == Entry::Todo && !*record->end)
        std::memcpy(record->end, record->start, sizeof record->end);
    record->header.version = RECORD_VERSION_SCHEDULE;
    record->header.size = sizeof(ScheduleRecord);
    record->header.kind = KIND_SCHEDULE;
    ChainRecords(m_previous, record);
    m_previous = record;
    ++m_taken;
}

void EntryParser::readText(LineReader &reader, std::string &line, size_t nameLength, char *field,
                           size_t fieldSize)
{
    const ParamFlags flags = paramFlags(line);
    if (flags.quotedPrintable)
        ReadContinuation(reader, line);
    storeValue(afterColon(line, nameLength), flags, field, fieldSize);
}

void EntryParser::readRepeat(std::string_view value)
{
    m_entry->repeatRule = REPEAT_NONE;
    m_entry->repeatCount = 0;
    m_entry->weekdays = 0;
    int32_t rule = REPEAT_NONE;
    size_t wordLength = 0;
    for (int32_t candidate = REPEAT_DAILY; candidate <= REPEAT_YEARLY; ++candidate) {
        const char *word = repeatWord(m_format, candidate);
        if (word && startsWith(value, word)) {
            rule = candidate;
            wordLength = std::strlen(word);
            break;
        }
    }
    const size_t hash = value.find('#', wordLength);
    if (rule == REPEAT_NONE || hash == std::string_view::npos)
        return;
    m_entry->repeatRule = rule;
    m_entry->repeatCount = leadingNumber(value.substr(hash + 1));
    if (rule == REPEAT_WEEKLY && m_format.weekdays)
        m_entry->weekdays = weekdaysOf(value);
}

void EntryParser::readLine(LineReader &reader, std::string &line, Entry entry)
{
    ScheduleRecord &record = *m_entry;
    const std::string_view text(line);
    const bool event = entry == Entry::Event;
    if (event && startsWith(text, "DTSTART:")) {
        storeDateTime(text.substr(8), record.start);
    } else if (event && startsWith(text, "DTEND:")) {
        storeDateTime(text.substr(6), record.end);
    } else if (!event && startsWith(text, "DUE:")) {
        storeDateTime(text.substr(4), record.start);
    } else if (!event && startsWith(text, "COMPLETED:")) {
        storeDateTime(text.substr(10), record.end);
    } else if (isProperty(text, "DESCRIPTION")) {
        readText(reader, line, 11, record.description, sizeof record.description);
    } else if ((!event || m_format.readsEventSummary) && isProperty(text, "SUMMARY")) {
        readText(reader, line, 7, record.summary, sizeof record.summary);
    } else if (m_format.readsLocation && isProperty(text, "LOCATION")) {
        readText(reader, line, 8, record.location, sizeof record.location);
    } else if (startsWith(text, "CATEGORIES:")) {
        // The model's own icon property, where it has one, names the icon exactly.
        if (!m_iconFromProperty)
            record.icon = wordIndex(m_format.categoryWords, text.substr(11));
    } else if (startsWith(text, "AALARM:")) {
        const std::string_view value = text.substr(7);
        storeDateTime(value.substr(0, value.find(';')), record.alarm);
    } else if (event && startsWith(text, "RRULE:")) {
        readRepeat(text.substr(6));
    } else if (m_format.readsLastModified && startsWith(text, "LAST-MODIFIED:")) {
        storeDateTime(text.substr(14), record.lastModified);
    } else if (m_format.allDayProperty && startsWith(text, m_format.allDayProperty)) {
        record.allDay
            = text.substr(std::strlen(m_format.allDayProperty)).find("ON") != std::string::npos;
    } else if (m_format.iconProperty && startsWith(text, m_format.iconProperty)) {
        record.icon
            = iconOf(m_format, leadingNumber(text.substr(std::strlen(m_format.iconProperty))));
        m_iconFromProperty = true;
    } else if (m_format.alarmVolumeProperty && startsWith(text, m_format.alarmVolumeProperty)) {
        record.alarmVolume
            = heldTo(leadingNumber(text.substr(std::strlen(m_format.alarmVolumeProperty))),
                     m_format.alarmChoices);
    } else if (m_format.alarmToneProperty && startsWith(text, m_format.alarmToneProperty)) {
        record.alarmTone
            = heldTo(leadingNumber(text.substr(std::strlen(m_format.alarmToneProperty))),
                     m_format.alarmChoices);
    }
}

} // namespace

void *loadSchedule(LineReader &reader, const ModelDefinition &model)
{
    const ScheduleFormat &format = model.schedule;
    return loadFixedRecords<ScheduleRecord>(
        reader, [&](LineReader &r) { return countEntries(r, format.readsTodos); },
        [&](LineReader &r, ScheduleRecord *records, size_t count) {
            return EntryParser(format, records, count).parse(r);
        });
}

} // namespace plugin
