#include "vcard_import.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "common/sjis_cut.h"
#include "common/sjis_literal.h"
#include "exchange/contact_type.h"
#include "exchange/imported_text.h"
#include "exchange/line_breaks.h"
#include "exchange/report_note.h"
#include "exchange/utf8_text.h"
#include "exchange/vcard_reader.h"
#include "platform/sjis_text.h"
#include "views/address/address_edit_reading.h"
#include "views/address/address_edit_rules.h"
#include "views/address/address_edit_slots.h"
#include "views/common/edit_input.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace exchange {
namespace {

using app::TextId;

constexpr int HighestMemoryNumber = 999;
constexpr int FirstNewGroupNumber = 1;
constexpr std::string_view OwnerProperty = "X-CELLVANE-OWNER";
constexpr std::string_view MemoryNumberProperty = "X-CELLVANE-MEMORY-NUMBER";
constexpr std::string_view IconParameter = "X-CELLVANE-ICON";
constexpr size_t WholeText = SIZE_MAX;

// A text field of the record: its place, the model's limit on it and the editor's label.
struct TextField
{
    const char *label; // Shift_JIS
    size_t offset;
    size_t size;
    int32_t AddressLimits::*length; // null: only the field's size limits it
};

const TextField NameField = {sjis("名前"), offsetof(AddressRecord, name),
                             sizeof(AddressRecord::name), &AddressLimits::nameLength};
const TextField ReadingField = {sjis("ﾌﾘｶﾞﾅ"), offsetof(AddressRecord, reading),
                                sizeof(AddressRecord::reading), &AddressLimits::readingLength};
const TextField PostalCodeField
    = {sjis("郵便番号"), offsetof(AddressRecord, postalCode), sizeof(AddressRecord::postalCode),
       &AddressLimits::postalCodeLength};
const TextField AddressField
    = {sjis("住所"), offsetof(AddressRecord, postalAddress), sizeof(AddressRecord::postalAddress),
       &AddressLimits::postalAddressLength};
const TextField NoteField = {sjis("ﾒﾓ"), offsetof(AddressRecord, note), sizeof(AddressRecord::note),
                             &AddressLimits::noteLength};
const TextField GroupField = {sjis("ｸﾞﾙｰﾌﾟ"), offsetof(AddressRecord, groupName),
                              sizeof(AddressRecord::groupName), nullptr};

// TYPE values (and Apple label words) that stand for the types the icon names say.
struct TypeAlias
{
    std::string_view word;
    std::vector<std::string_view> types;
};

const TypeAlias TypeAliases[] = {
    {"MOBILE", {"CELL"}},
    {"IPHONE", {"CELL"}},
    {"HOMEFAX", {"HOME", "FAX"}},
    {"WORKFAX", {"WORK", "FAX"}},
};

// The types an icon name can say (contact_type.h).
constexpr std::string_view IconTypes[] = {"HOME", "WORK", "CELL", "FAX", "PAGER"};

// TYPE values that say nothing an icon could show.
constexpr std::string_view PlainTypes[] = {"VOICE", "PREF", "INTERNET", "TEXT", "OTHER"};

// Properties that describe the file rather than the entry.
constexpr std::string_view FileProperties[] = {"PRODID"};

template<typename Range>
bool holds(const Range &range, std::string_view word)
{
    return std::find(std::begin(range), std::end(range), word) != std::end(range);
}

std::string upper(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

// The TYPE words word stands for, upper case.
std::vector<std::string> typeWordsOf(std::string_view word)
{
    const std::string type = upper(word);
    for (const TypeAlias &alias : TypeAliases) {
        if (alias.word == type)
            return {alias.types.begin(), alias.types.end()};
    }
    return {type};
}

std::string trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

// text on one line: each line break (CR LF, CR or LF) a space, blanks at the ends removed.
std::string singleLine(std::string_view text)
{
    std::string line;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            continue;
        line += text[at] == '\r' || text[at] == '\n' ? ' ' : text[at];
    }
    return trimmed(line);
}

std::string joined(const std::vector<std::string> &parts, std::string_view separator)
{
    std::string text;
    for (const std::string &part : parts) {
        if (part.empty())
            continue;
        if (!text.empty())
            text += separator;
        text += part;
    }
    return text;
}

// Field index of property, its items space-separated, on one line.
std::string fieldText(const VCardProperty &property, size_t index)
{
    if (index >= property.fields.size())
        return {};
    std::vector<std::string> items;
    for (const std::string &item : property.fields[index])
        items.push_back(singleLine(item));
    return joined(items, " ");
}

bool isEmpty(const VCardProperty &property)
{
    if (property.binary)
        return property.text.empty();
    const std::vector<std::string> items = property.items();
    return std::all_of(items.begin(), items.end(),
                       [](const std::string &item) { return singleLine(item).empty(); });
}

// Whether text holds kana, kanji or full-width forms.
bool isJapanese(std::string_view text)
{
    const std::u32string points = utf8CodePoints(text);
    return std::any_of(points.begin(), points.end(), [](char32_t c) {
        return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF)
               || (c >= 0xFF00 && c <= 0xFFEF);
    });
}

// N as one name: prefix, family, given, additional names, suffix.
std::string composedName(const VCardProperty &n)
{
    return joined(
        {fieldText(n, 3), fieldText(n, 0), fieldText(n, 1), fieldText(n, 2), fieldText(n, 4)}, " ");
}

// ADR's parts as one address text (the postal code, field 5, apart).
std::string composedAddress(const VCardProperty &adr)
{
    const std::string poBox = fieldText(adr, 0), extended = fieldText(adr, 1),
                      street = fieldText(adr, 2), locality = fieldText(adr, 3),
                      region = fieldText(adr, 4), country = fieldText(adr, 6);
    if (isJapanese(poBox + extended + street + locality + region + country)) {
        // Japanese addresses run from the largest unit down, without separators.
        return joined({country + region + locality + street, extended, poBox}, " ");
    }
    return joined({poBox, extended, street, locality, region, country}, ", ");
}

// The number as the phones dial it: digits and '-'.
std::string dialledNumber(std::string_view text)
{
    std::u32string points = utf8CodePoints(text);
    if (upper(text.substr(0, 4)) == "TEL:") {
        // A URI (4.0): its parameters (";ext=") are no digits to dial.
        points.erase(0, 4);
        if (const size_t parameters = points.find(U';'); parameters != std::u32string::npos)
            points.resize(parameters);
    }
    const auto digit = [](char32_t c) -> char {
        if (c >= U'０' && c <= U'９')
            c = c - U'０' + U'0';
        return views::passesFilter(views::CharacterFilter::Digits, c) ? static_cast<char>(c) : 0;
    };
    const auto separates = [](char32_t c) {
        return std::u32string_view(U" \t-().,/\u3000\u2010\u2011\u2012\u2013\u2014\u2015\u2212"
                                   U"\uFF0D\uFF08\uFF09\uFF0E\uFF0F")
                   .find(c)
               != std::u32string_view::npos;
    };
    std::string number;
    size_t at = 0;
    if (!points.empty() && (points[0] == U'+' || points[0] == U'＋')) {
        ++at;
        if (points.size() >= 3 && digit(points[1]) == '8' && digit(points[2]) == '1') {
            // Japan's own country code: the number as dialled at home, without a "(0)".
            at = 3;
            while (at < points.size() && (separates(points[at]) || digit(points[at]) == '0'))
                ++at;
            number = "0";
        } else {
            number = "010-"; // the international prefix dialled from Japan
        }
    }
    for (; at < points.size(); ++at) {
        if (const char d = digit(points[at]))
            number += d;
        else if (separates(points[at]) && !number.empty() && number.back() != '-')
            number += '-';
    }
    while (!number.empty() && number.back() == '-')
        number.pop_back();
    return number;
}

// The group numbers the imported categories take.
class GroupNumbers
{
public:
    explicit GroupNumbers(const views::GroupTable *groups)
        : m_groups(groups)
    {
    }

    int32_t numberOf(const std::string &name)
    {
        if (m_groups) {
            if (const int number = m_groups->numberOfName(name); number >= 0)
                return number;
        }
        for (const auto &[newName, number] : m_new) {
            if (newName == name)
                return number;
        }
        int32_t number = FirstNewGroupNumber;
        while (taken(number))
            ++number;
        m_new.emplace_back(name, number);
        return number;
    }

private:
    bool taken(int32_t number) const
    {
        return (m_groups && m_groups->indexOfNumber(number) >= 0)
               || std::any_of(m_new.begin(), m_new.end(),
                              [number](const auto &entry) { return entry.second == number; });
    }

    const views::GroupTable *m_groups;
    std::vector<std::pair<std::string, int32_t>> m_new;
};

// One vCard on its way to a record.
struct ImportedEntry
{
    AddressRecord record{};
    std::string label;
    std::vector<std::string> notes;
    std::optional<std::string> memoryNumber; // X-CELLVANE-MEMORY-NUMBER as written
    bool owner = false;
    bool kept = true;
};

class EntryReader
{
public:
    EntryReader(const VCardEntry &entry, const AddressImportTarget &target, GroupNumbers &groups,
                bool &ownerTaken, ImportedEntry &out)
        : m_entry(entry)
        , m_target(target)
        , m_groups(groups)
        , m_ownerTaken(ownerTaken)
        , m_out(out)
        , m_used(entry.properties.size(), false)
    {
    }

    void read(int position)
    {
        AddressRecord &record = m_out.record;
        record.header.version = RECORD_VERSION_ADDRESS;
        record.header.size = sizeof(AddressRecord);
        record.header.kind = KIND_ADDRESS;
        record.groupNumber = -1;

        const std::string name = chosenName();
        m_out.label = "VCARD " + std::to_string(position) + (name.empty() ? "" : ": " + name);
        if (!name.empty())
            storeText(NameField, name);
        readReading();
        readSlots(views::PhoneSlots, "TEL", true);
        readSlots(views::MailSlots, "EMAIL", false);
        readAddress();
        readNote();
        readGroup();
        readMarks();
        reportEntry();
        reportUnplaced();
        if (!m_out.owner && record.name[0] == '\0' && record.reading[0] == '\0'
            && record.phones[0].number[0] == '\0') {
            m_out.kept = false;
            m_out.notes = {reportNote(TextId::AddressImportEntrySkipped)};
        }
    }

private:
    const AddressLimits &limits() const { return m_target.limits; }

    void note(std::string text) { m_out.notes.push_back(std::move(text)); }

    // The properties called name, each marked as taken.
    std::vector<const VCardProperty *> take(std::string_view name)
    {
        std::vector<const VCardProperty *> taken;
        for (size_t i = 0; i < m_entry.properties.size(); ++i) {
            if (m_entry.properties[i].name == name) {
                m_used[i] = true;
                taken.push_back(&m_entry.properties[i]);
            }
        }
        return taken;
    }

    // The first value of the properties called name, on one line ("" for none).
    std::string firstText(std::string_view name)
    {
        for (const VCardProperty *property : take(name)) {
            if (const std::string text = singleLine(property->text); !text.empty())
                return text;
        }
        return {};
    }

    // sjis (from utf8, replaced characters '?') fitted to a field of size bytes under the
    // model's limit, with a note for every change; nothing when the model lacks the field.
    std::optional<std::string> fitted(const char *label, int32_t limit, size_t size,
                                      std::string_view sjis, int replaced, std::string_view utf8)
    {
        const std::string labelText = platform::sjisToUtf8(label);
        if (limit <= 0) {
            note(reportNote(TextId::AddressImportFieldMissing, labelText.c_str(),
                            std::string(utf8).c_str()));
            return std::nullopt;
        }
        const size_t maxBytes = std::min(size - 1, size_t(limit));
        if (replaced > 0)
            note(reportNote(TextId::AddressImportCharactersReplaced, labelText.c_str(), replaced,
                            std::string(utf8).c_str()));
        std::string_view kept = sjisCut(sjis, maxBytes);
        if (kept.size() < sjis.size()) {
            note(reportNote(TextId::AddressImportTextCut, labelText.c_str(), int(maxBytes),
                            std::string(utf8).c_str()));
            // A cut between two words leaves no space at the end.
            while (!kept.empty() && kept.back() == ' ')
                kept.remove_suffix(1);
        }
        return std::string(kept);
    }

    std::optional<std::string> fittedUtf8(const char *label, int32_t limit, size_t size,
                                          std::string_view utf8)
    {
        const ImportedText text = importedText(utf8, WholeText);
        return fitted(label, limit, size, text.sjis, text.replaced, utf8);
    }

    int32_t limitOf(const TextField &field) const
    {
        return field.length ? limits().*field.length : int32_t(field.size - 1);
    }

    void write(const TextField &field, std::string_view sjis)
    {
        char *at = reinterpret_cast<char *>(&m_out.record) + field.offset;
        std::memset(at, 0, field.size);
        sjis.substr(0, field.size - 1).copy(at, field.size - 1);
    }

    // The stored Shift_JIS text, "" when the model lacks the field.
    std::string storeText(const TextField &field, std::string_view utf8)
    {
        const std::optional<std::string> sjis
            = fittedUtf8(field.label, limitOf(field), field.size, utf8);
        if (sjis)
            write(field, *sjis);
        return sjis.value_or(std::string());
    }

    void extraValue(const TextField &field, const std::string &utf8)
    {
        note(reportNote(TextId::AddressImportExtraValue, platform::sjisToUtf8(field.label).c_str(),
                        utf8.c_str()));
    }

    std::string chosenName()
    {
        std::vector<std::string> formatted;
        for (const VCardProperty *fn : take("FN")) {
            if (std::string text = singleLine(fn->text); !text.empty())
                formatted.push_back(std::move(text));
        }
        const std::vector<const VCardProperty *> n = take("N");
        const std::string structured = n.empty() ? std::string() : composedName(*n.front());
        std::string name = formatted.empty() ? structured : formatted.front();
        if (!formatted.empty() && !n.empty() && structured.empty() && standsIn(formatted.front()))
            name.clear();
        for (size_t i = 1; i < formatted.size(); ++i) {
            if (formatted[i] != formatted.front())
                extraValue(NameField, formatted[i]);
        }
        return name;
    }

    // Whether an FN beside an empty N only repeats another field, as the export fills it.
    bool standsIn(const std::string &formatted) const
    {
        for (const VCardProperty &property : m_entry.properties) {
            const bool filler = property.name == "SORT-STRING" || property.name == "TEL"
                                || property.name == "EMAIL";
            if (filler && singleLine(property.text) == formatted)
                return true;
        }
        return false;
    }

    // The readings the entry writes, in the order they are taken.
    std::vector<std::string> readingSources()
    {
        std::vector<std::string> sources;
        sources.push_back(
            joined({firstText("X-PHONETIC-LAST-NAME"), firstText("X-PHONETIC-MIDDLE-NAME"),
                    firstText("X-PHONETIC-FIRST-NAME")},
                   " "));
        for (size_t i = 0; i < m_entry.properties.size(); ++i) {
            const VCardProperty &sound = m_entry.properties[i];
            if (sound.name != "SOUND" || !sound.hasValue("TYPE", "X-IRMC-N"))
                continue;
            m_used[i] = true;
            std::vector<std::string> parts;
            for (size_t field = 0; field < sound.fields.size(); ++field)
                parts.push_back(fieldText(sound, field));
            sources.push_back(joined(parts, " "));
        }
        if (const VCardProperty *n = m_entry.first("N")) {
            std::vector<std::string> parts;
            for (const std::string &part : n->values("SORT-AS"))
                parts.push_back(singleLine(part));
            sources.push_back(joined(parts, " "));
        }
        sources.push_back(firstText("SORT-STRING"));
        sources.erase(std::remove(sources.begin(), sources.end(), std::string()), sources.end());
        return sources;
    }

    void readReading()
    {
        const std::vector<std::string> sources = readingSources();
        if (sources.empty())
            return;
        const auto halfWidth = [](const std::string &utf8) {
            return views::halfWidthReading(importedText(utf8, WholeText).sjis);
        };
        const ImportedText chosen = importedText(sources.front(), WholeText);
        const std::optional<std::string> reading = views::halfWidthReading(chosen.sjis);
        for (size_t i = 1; i < sources.size(); ++i) {
            if (halfWidth(sources[i]) != reading)
                extraValue(ReadingField, sources[i]);
        }
        if (!reading) {
            note(reportNote(TextId::AddressImportReadingNotKana, sources.front().c_str()));
            return;
        }
        if (const std::optional<std::string> kept
            = fitted(ReadingField.label, limitOf(ReadingField), ReadingField.size, *reading,
                     chosen.replaced, sources.front()))
            write(ReadingField, *kept);
    }

    // The icon types property asks for: the ones an icon name can say, and the others.
    void typesOf(const VCardProperty &property, std::vector<std::string> &iconTypes,
                 std::vector<std::string> &otherTypes) const
    {
        const auto add = [&](std::string_view word, bool fromLabel) {
            for (const std::string &type : typeWordsOf(word)) {
                const bool iconType = holds(IconTypes, type);
                // A label the user typed says nothing unless it is a type word.
                if (type.empty() || holds(PlainTypes, type) || (fromLabel && !iconType))
                    continue;
                std::vector<std::string> &into = iconType ? iconTypes : otherTypes;
                if (!holds(into, type))
                    into.push_back(type);
            }
        };
        for (const std::string &type : property.values("TYPE"))
            add(type, false);
        if (property.group.empty())
            return;
        for (const VCardProperty &label : m_entry.properties) {
            if (label.name == "X-ABLABEL" && upper(label.group) == upper(property.group)) {
                std::string_view word = label.text;
                if (word.substr(0, 4) == "_$!<" && word.size() >= 8
                    && word.substr(word.size() - 4) == ">!$_")
                    word = word.substr(4, word.size() - 8);
                add(word, true);
            }
        }
    }

    int32_t iconFor(const VCardProperty &property, const views::SlotKind &kind, int slot,
                    const std::string &value)
    {
        if (!views::isSlotIconEditable(kind, limits(), slot))
            return 0;
        const std::vector<std::string> names
            = views::optionNames(m_target.optionName, kind.iconList);
        if (names.empty())
            return 0;
        std::vector<std::string> wanted, others;
        typesOf(property, wanted, others);
        const auto typesOfIcon = [&names](size_t icon) {
            std::vector<std::string> types;
            for (std::string_view type : contactTypesOf(names[icon]))
                types.emplace_back(type);
            return types;
        };
        for (const std::string &given : property.values(std::string(IconParameter))) {
            const std::string digits = trimmed(given);
            if (digits.empty() || digits.size() > 3
                || !std::all_of(digits.begin(), digits.end(),
                                [](char c) { return c >= '0' && c <= '9'; }))
                continue;
            const size_t icon = size_t(std::stoi(digits));
            if (icon >= names.size())
                continue;
            std::vector<std::string> types = typesOfIcon(icon), asked = wanted;
            std::sort(types.begin(), types.end());
            std::sort(asked.begin(), asked.end());
            if (types == asked)
                return int32_t(icon);
        }
        // Most asked-for types first, then fewest types not asked for, then the lower index.
        size_t best = 0;
        int bestMatches = 0, bestExtras = 0;
        for (size_t icon = 0; icon < names.size(); ++icon) {
            const std::vector<std::string> types = typesOfIcon(icon);
            const int matches
                = int(std::count_if(types.begin(), types.end(),
                                    [&](const std::string &t) { return holds(wanted, t); }));
            const int extras = int(types.size()) - matches;
            if (matches > bestMatches
                || (matches == bestMatches && matches > 0 && extras < bestExtras)) {
                best = icon;
                bestMatches = matches;
                bestExtras = extras;
            }
        }
        if (bestMatches == 0 && (!wanted.empty() || !others.empty())) {
            std::vector<std::string> asked = wanted;
            asked.insert(asked.end(), others.begin(), others.end());
            note(reportNote(TextId::AddressImportIconUnmatched,
                            platform::sjisToUtf8(kind.textLabel).c_str(), value.c_str(),
                            joined(asked, ", ").c_str(), platform::sjisToUtf8(names[0]).c_str()));
        }
        return int32_t(best);
    }

    void readSlots(const views::SlotKind &kind, std::string_view propertyName, bool phone)
    {
        const std::string label = platform::sjisToUtf8(kind.textLabel);
        int available = 0;
        while (available < kind.slotCount && views::isSlotTextEditable(kind, limits(), available))
            ++available;
        int slot = 0;
        for (const VCardProperty *property : take(propertyName)) {
            const std::string text = singleLine(property->text);
            if (text.empty())
                continue;
            const std::string value = phone ? dialledNumber(text) : text;
            if (value.empty()) {
                note(reportNote(TextId::AddressImportPhoneNumberUnusable, text.c_str()));
                continue;
            }
            if (slot >= available) {
                if (available == 0)
                    note(
                        reportNote(TextId::AddressImportFieldMissing, label.c_str(), text.c_str()));
                else
                    note(reportNote(TextId::AddressImportSlotsFull, label.c_str(), available,
                                    text.c_str()));
                continue;
            }
            if (phone && value != text)
                note(reportNote(TextId::AddressImportPhoneNumberChanged, text.c_str(),
                                value.c_str()));
            const std::optional<std::string> sjis
                = fittedUtf8(kind.textLabel, limits().*kind.textLength, kind.textSize, value);
            views::setSlotText(m_out.record, kind, slot, sjis.value_or(std::string()));
            views::setSlotIcon(m_out.record, kind, slot, iconFor(*property, kind, slot, text));
            ++slot;
        }
    }

    void readAddress()
    {
        std::vector<const VCardProperty *> addresses = take("ADR");
        addresses.erase(std::remove_if(addresses.begin(), addresses.end(),
                                       [](const VCardProperty *adr) { return isEmpty(*adr); }),
                        addresses.end());
        if (addresses.empty())
            return;
        for (size_t i = 1; i < addresses.size(); ++i)
            extraValue(AddressField,
                       joined({fieldText(*addresses[i], 5), composedAddress(*addresses[i])}, " "));
        const VCardProperty &adr = *addresses.front();
        std::string address = composedAddress(adr);
        if (const std::string code = fieldText(adr, 5); !code.empty()) {
            const ImportedText sjis = importedText(code, WholeText);
            const std::optional<std::string> shaped
                = limits().postalCodeLength > 0 ? views::storedPostalCode(sjis.sjis) : std::nullopt;
            if (shaped) {
                if (const std::optional<std::string> kept
                    = fitted(PostalCodeField.label, limitOf(PostalCodeField), PostalCodeField.size,
                             *shaped, sjis.replaced, code))
                    write(PostalCodeField, *kept);
            } else if (limits().postalAddressLength > 0) {
                note(reportNote(TextId::AddressImportPostalCodeMoved, code.c_str()));
                address = joined({code, address}, " ");
            } else {
                fitted(PostalCodeField.label, 0, PostalCodeField.size, sjis.sjis, 0, code);
            }
        }
        if (!address.empty())
            storeText(AddressField, address);
    }

    void readNote()
    {
        bool stored = false;
        for (const VCardProperty *property : take("NOTE")) {
            if (isEmpty(*property))
                continue;
            const std::string text = crLfLines(property->text);
            if (stored)
                extraValue(NoteField, text);
            else
                storeText(NoteField, text);
            stored = true;
        }
    }

    void readGroup()
    {
        std::vector<std::string> categories;
        for (const VCardProperty *property : take("CATEGORIES")) {
            for (const std::string &item : property->items()) {
                if (std::string category = singleLine(item);
                    !category.empty() && !holds(categories, category))
                    categories.push_back(std::move(category));
            }
        }
        if (categories.empty())
            return;
        if (categories.size() > 1)
            extraValue(GroupField, joined({categories.begin() + 1, categories.end()}, ", "));
        const std::string name = storeText(GroupField, categories.front());
        m_out.record.groupNumber = m_groups.numberOf(name);
    }

    void readMarks()
    {
        const std::string owner = firstText(OwnerProperty);
        const std::string number = firstText(MemoryNumberProperty);
        const bool marked
            = (!owner.empty() && owner != "0") || number == std::to_string(OWNER_MEMORY_NUMBER);
        if (marked && !m_ownerTaken) {
            m_ownerTaken = m_out.owner = true;
            m_out.record.memoryNumber = OWNER_MEMORY_NUMBER;
            return;
        }
        if (marked)
            note(reportNote(TextId::AddressImportSecondOwner));
        else if (!number.empty())
            m_out.memoryNumber = number;
    }

    void reportEntry()
    {
        if (m_entry.unreadableLines > 0)
            note(reportNote(TextId::AddressImportUnreadableLines, m_entry.unreadableLines));
        if (m_entry.nestedCards > 0)
            note(reportNote(TextId::AddressImportNestedCards, m_entry.nestedCards));
        if (!m_entry.terminated)
            note(reportNote(TextId::AddressImportUnterminated));
        std::vector<std::string> charsets;
        for (const VCardProperty &property : m_entry.properties) {
            const std::vector<std::string> named = property.values("CHARSET");
            if (property.unknownCharset && !named.empty() && !holds(charsets, named.front()))
                charsets.push_back(named.front());
        }
        if (!charsets.empty())
            note(reportNote(TextId::AddressImportUnknownCharset, joined(charsets, ", ").c_str()));
    }

    void reportUnplaced()
    {
        // An Apple label belongs to the number or address of its group.
        take("X-ABLABEL");
        std::vector<std::string> names;
        for (size_t i = 0; i < m_entry.properties.size(); ++i) {
            const VCardProperty &property = m_entry.properties[i];
            if (!m_used[i] && !isEmpty(property) && !holds(FileProperties, property.name)
                && !holds(names, property.name))
                names.push_back(property.name);
        }
        if (!names.empty())
            note(reportNote(TextId::AddressImportNoPlace, joined(names, ", ").c_str()));
    }

    const VCardEntry &m_entry;
    const AddressImportTarget &m_target;
    GroupNumbers &m_groups;
    bool &m_ownerTaken;
    ImportedEntry &m_out;
    std::vector<bool> m_used;
};

// Memory numbers for the kept entries: the written one when the model takes it and no entry
// before holds it, else the lowest number nobody holds.
void numberEntries(std::vector<ImportedEntry> &entries, const AddressLimits &limits)
{
    const int end = limits.numbersBelowCapacity
                        ? std::clamp(limits.capacity, 1, HighestMemoryNumber + 1)
                        : HighestMemoryNumber + 1;
    std::vector<bool> held(size_t(HighestMemoryNumber) + 1, false);
    std::vector<ImportedEntry *> unnumbered;
    for (ImportedEntry &entry : entries) {
        if (!entry.kept || entry.owner)
            continue;
        const std::string &text = entry.memoryNumber.value_or(std::string());
        const bool digits
            = !text.empty() && text.size() <= 3
              && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        const int number = digits ? std::stoi(text) : -1;
        if (number >= 0 && number < end && !held[size_t(number)]) {
            held[size_t(number)] = true;
            entry.record.memoryNumber = number;
            continue;
        }
        if (entry.memoryNumber)
            entry.notes.push_back(
                reportNote(TextId::AddressImportMemoryNumberRefused, text.c_str()));
        unnumbered.push_back(&entry);
    }
    int next = 0;
    for (ImportedEntry *entry : unnumbered) {
        // More entries than numbers: the store gives the rest free ones, or refuses them.
        while (next < end && held[size_t(next)])
            ++next;
        entry->record.memoryNumber = next < end ? next : 0;
        if (next < end)
            held[size_t(next)] = true;
    }
}

} // namespace

AddressImport importVCardAddresses(std::string_view bytes, const AddressImportTarget &target)
{
    const std::vector<VCardEntry> cards = readVCards(bytes);
    std::vector<ImportedEntry> entries(cards.size());
    GroupNumbers groups(target.groups);
    bool ownerTaken = false;
    for (size_t i = 0; i < cards.size(); ++i)
        EntryReader(cards[i], target, groups, ownerTaken, entries[i]).read(int(i) + 1);
    numberEntries(entries, target.limits);

    AddressImport result;
    for (ImportedEntry &entry : entries) {
        for (std::string &text : entry.notes)
            result.report.add(entry.label, std::move(text));
        if (entry.kept)
            result.records.push_back(entry.record);
    }
    for (size_t i = 0; i < result.records.size(); ++i)
        ChainRecords(i == 0 ? nullptr : &result.records[i - 1], &result.records[i]);
    return result;
}

} // namespace exchange
