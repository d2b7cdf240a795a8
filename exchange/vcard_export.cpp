#include "vcard_export.h"

#include "exchange/contact_type.h"
#include "exchange/content_line.h"
#include "exchange/katakana_width.h"
#include "platform/sjis_text.h"
#include "views/common/record_fields.h"

#include <optional>
#include <string_view>
#include <utility>

namespace exchange {
namespace {

constexpr int PhoneIconList = 201;
constexpr int MailIconList = 202;

// Text split at its first space (ASCII or ideographic) into the part before and after it.
std::pair<std::string, std::string> splitAtSpace(const std::string &utf8)
{
    constexpr std::string_view IdeographicSpace = "\u3000";
    const size_t ascii = utf8.find(' ');
    const size_t wide = utf8.find(IdeographicSpace);
    const size_t at = std::min(ascii, wide);
    if (at == std::string::npos)
        return {utf8, {}};
    const size_t rest = at + (at == ascii ? 1 : IdeographicSpace.size());
    return {utf8.substr(0, at), utf8.substr(rest)};
}

class CardWriter
{
public:
    explicit CardWriter(std::string &out)
        : m_out(out)
    {
    }

    void line(std::string_view nameAndParameters, std::string_view escapedValue)
    {
        m_out += foldContentLine(std::string(nameAndParameters) + ":" + std::string(escapedValue));
    }

    // A text property, left out when value is empty.
    void text(std::string_view name, const std::string &utf8)
    {
        if (!utf8.empty())
            line(name, escapeContentText(utf8));
    }

private:
    std::string &m_out;
};

// "TEL;TYPE=HOME,FAX;X-CELLVANE-ICON=4": the property with the TYPEs its icon stands for.
std::string slotProperty(std::string property, std::vector<std::string_view> types, int list,
                         int32_t icon, const views::OptionName &optionName)
{
    if (optionName) {
        if (const std::optional<std::string> name = optionName(list, icon)) {
            for (std::string_view type : contactTypesOf(*name))
                types.push_back(type);
        }
    }
    for (size_t i = 0; i < types.size(); ++i)
        property += std::string(i == 0 ? ";TYPE=" : ",") + std::string(types[i]);
    return property + ";X-CELLVANE-ICON=" + std::to_string(icon);
}

void writeEntry(CardWriter &card, const AddressRecord &record, const std::string &groupName,
                const views::OptionName &optionName)
{
    const std::string name = platform::sjisToUtf8(views::fieldText(record.name));
    const std::string reading
        = widenKatakana(platform::sjisToUtf8(views::fieldText(record.reading)));
    const std::string firstPhone = platform::sjisToUtf8(views::fieldText(record.phones[0].number));
    const std::string firstMail = platform::sjisToUtf8(views::fieldText(record.mails[0].address));

    card.line("BEGIN", "VCARD");
    card.line("VERSION", "3.0");
    const auto [family, given] = splitAtSpace(name);
    card.line("N", escapeContentText(family) + ";" + escapeContentText(given) + ";;;");
    // FN is required; an entry without a name is still found by what it holds.
    const std::string formatted = !name.empty()         ? name
                                  : !reading.empty()    ? reading
                                  : !firstPhone.empty() ? firstPhone
                                                        : firstMail;
    card.line("FN", escapeContentText(formatted));
    card.text("SORT-STRING", reading);
    const auto [readingFamily, readingGiven] = splitAtSpace(reading);
    card.text("X-PHONETIC-LAST-NAME", readingFamily);
    card.text("X-PHONETIC-FIRST-NAME", readingGiven);

    for (const PhoneSlot &phone : record.phones) {
        const std::string number = platform::sjisToUtf8(views::fieldText(phone.number));
        if (!number.empty())
            card.line(slotProperty("TEL", {}, PhoneIconList, phone.icon, optionName),
                      escapeContentText(number));
    }
    for (const MailSlot &mail : record.mails) {
        const std::string address = platform::sjisToUtf8(views::fieldText(mail.address));
        if (!address.empty())
            card.line(slotProperty("EMAIL", {"INTERNET"}, MailIconList, mail.icon, optionName),
                      escapeContentText(address));
    }

    const std::string postalCode = platform::sjisToUtf8(views::fieldText(record.postalCode));
    const std::string address = platform::sjisToUtf8(views::fieldText(record.postalAddress));
    if (!postalCode.empty() || !address.empty())
        card.line("ADR",
                  ";;" + escapeContentText(address) + ";;;" + escapeContentText(postalCode) + ";");
    card.text("NOTE", platform::sjisToUtf8(views::fieldText(record.note)));
    card.text("CATEGORIES", platform::sjisToUtf8(groupName));
    card.line("X-CELLVANE-MEMORY-NUMBER", std::to_string(record.memoryNumber));
    if (record.memoryNumber == OWNER_MEMORY_NUMBER)
        card.line("X-CELLVANE-OWNER", "1");
    card.line("END", "VCARD");
}

} // namespace

std::string exportVCard3(const views::AddressStore &store, const views::OptionName &optionName)
{
    std::string out;
    CardWriter card(out);
    for (int i = 0; i < store.RecordCount(); ++i) {
        const AddressRecord *record = store.record(i);
        if (!store.isLive(i))
            continue;
        writeEntry(card, *record, views::groupNameOf(store.groups(), record->groupNumber),
                   optionName);
    }
    return out;
}

} // namespace exchange
