#include "mbox_export.h"

#include "exchange/charset_decoding.h"
#include "exchange/encoded_words.h"
#include "exchange/mail_address.h"
#include "exchange/mbox_date.h"
#include "exchange/stored_message.h"
#include "platform/sjis_text.h"
#include "views/common/record_fields.h"

#include <array>
#include <cctype>
#include <optional>
#include <vector>

namespace exchange {
namespace {

constexpr std::array<std::string_view, 3> BoxNames = {"Inbox", "Outbox", "Trash"};
// What the phones write, when a message names no character set.
constexpr std::string_view Sjis = "Shift_JIS";
constexpr std::string_view Mailer = "MAILER-DAEMON";

// The fields written first, in this order, each from the header or else the record.
enum class Leading { From, To, Subject, Date };
constexpr std::array<std::string_view, 4> LeadingNames = {"From", "To", "Subject", "Date"};

// Fields that hold addresses: their display names are encoded, their bare addresses kept.
constexpr std::array<std::string_view, 7> AddressFields
    = {"From", "To", "Cc", "Bcc", "Reply-To", "Sender", "Return-Path"};
// Fields the export writes itself.
constexpr std::array<std::string_view, 2> OwnFields = {"X-Cellvane-Box", "Status"};
// Fields that describe the body, replaced when the body is converted.
constexpr std::array<std::string_view, 3> MimeFields
    = {"MIME-Version", "Content-Type", "Content-Transfer-Encoding"};
constexpr std::string_view ConvertedMime = "MIME-Version: 1.0\n"
                                           "Content-Type: text/plain; charset=UTF-8\n"
                                           "Content-Transfer-Encoding: 8bit\n";
// Transfer encodings under which the body is the text itself.
constexpr std::array<std::string_view, 3> PlainEncodings = {"7bit", "8bit", "binary"};

template<size_t N>
bool isOneOf(const std::array<std::string_view, N> &names, std::string_view name)
{
    for (std::string_view known : names) {
        if (equalNoCase(known, name))
            return true;
    }
    return false;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

// A record field as a header value: the PC file may have put line breaks in it, which must
// not start lines of their own.
std::string singleLine(std::string_view field)
{
    std::string line(trimmed(field));
    for (char &c : line) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return line;
}

std::string recordField(const MailRecord &record, Leading field)
{
    switch (field) {
    case Leading::From:
        return singleLine(views::fieldText(record.from));
    case Leading::To:
        return singleLine(views::fieldText(record.to));
    case Leading::Subject:
        return singleLine(views::fieldText(record.subject));
    case Leading::Date:
        break;
    }
    return singleLine(views::fieldText(record.date));
}

// A stored value (Shift_JIS) as it is written: unchanged when ASCII, else encoded.
std::string headerText(std::string_view name, const std::string &value)
{
    if (isAscii(value))
        return value;
    // Folds only separated what encoded words now separate.
    std::string unfolded;
    for (char c : value) {
        if (c != '\n')
            unfolded += c;
    }
    const std::string utf8 = platform::sjisToUtf8(unfolded);
    return isOneOf(AddressFields, name) ? encodeAddressList(utf8) : encodeHeaderText(utf8);
}

// The value of parameter name in a Content-Type value, its quotes removed; empty when absent.
std::string parameterOf(std::string_view contentType, std::string_view name)
{
    size_t at = contentType.find(';');
    while (at != std::string_view::npos) {
        std::string_view parameter = contentType.substr(at + 1);
        const size_t end = parameter.find(';');
        at = end == std::string_view::npos ? end : at + 1 + end;
        parameter = parameter.substr(0, end);
        const size_t equals = parameter.find('=');
        if (equals == std::string_view::npos
            || !equalNoCase(trimmed(parameter.substr(0, equals)), name))
            continue;
        std::string_view value = trimmed(parameter.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return std::string(value);
    }
    return {};
}

// The character set utf8From is to read the body in, when the body is plain text it converts.
std::optional<std::string> convertibleCharset(const StoredMessage &message)
{
    const std::string *encoding = headerValue(message, "Content-Transfer-Encoding");
    if (encoding && !isOneOf(PlainEncodings, trimmed(*encoding)))
        return std::nullopt;
    const std::string *type = headerValue(message, "Content-Type");
    if (!type)
        return std::string(Sjis);
    if (!equalNoCase(trimmed(std::string_view(*type).substr(0, type->find(';'))), "text/plain"))
        return std::nullopt;
    const std::string charset = parameterOf(*type, "charset");
    if (charset.empty())
        return std::string(Sjis);
    if (!utf8From("", charset))
        return std::nullopt;
    return charset;
}

// The body with LF line ends, each line that reads as a separator quoted, ending with LF.
std::string mboxBody(std::string_view body)
{
    std::string out;
    while (!body.empty()) {
        const size_t end = body.find_first_of("\r\n");
        std::string_view line = body.substr(0, end);
        const size_t marks = line.find_first_not_of('>');
        if (marks != std::string_view::npos && line.substr(marks).starts_with("From "))
            out += '>';
        out += line;
        out += '\n';
        if (end == std::string_view::npos)
            break;
        body.remove_prefix(end + (body.substr(end).starts_with("\r\n") ? 2 : 1));
    }
    return out;
}

void writeMessage(std::string &out, const MailRecord &record, const std::string &text)
{
    const StoredMessage message = parseStoredMessage(text);
    std::array<std::string, LeadingNames.size()> leading;
    for (size_t i = 0; i < leading.size(); ++i) {
        const std::string *stored = headerValue(message, LeadingNames[i]);
        leading[i] = stored ? *stored : recordField(record, Leading(i));
    }
    const std::string &from = leading[size_t(Leading::From)];
    const std::vector<std::string_view> senders = splitAddressList(from);
    std::string sender = senders.empty() ? std::string() : bareAddressOf(senders.front());
    if (sender.empty())
        sender = Mailer;
    out += "From " + sender + " " + mboxFromLineDate(leading[size_t(Leading::Date)]) + "\n";

    for (size_t i = 0; i < leading.size(); ++i) {
        if (!leading[i].empty())
            out += std::string(LeadingNames[i]) + ": " + headerText(LeadingNames[i], leading[i])
                   + "\n";
    }
    const std::optional<std::string> charset = convertibleCharset(message);
    for (const HeaderField &field : message.header) {
        if (isOneOf(LeadingNames, field.name) || isOneOf(OwnFields, field.name)
            || (charset && isOneOf(MimeFields, field.name)))
            continue;
        out += field.name + ": " + headerText(field.name, field.value) + "\n";
    }
    if (charset)
        out += ConvertedMime;
    out += "X-Cellvane-Box: " + std::string(BoxNames[size_t(record.box)]) + "\n";
    if (record.state & MAIL_STATE_READ)
        out += "Status: RO\n";
    out += "\n";
    out += mboxBody(charset ? utf8From(message.body, *charset).value_or(message.body)
                            : message.body);
    out += "\n";
}

} // namespace

std::string exportMbox(const views::MailStore &store)
{
    std::string out;
    for (int i = 0; i < store.RecordCount(); ++i) {
        const MailRecord *record = store.record(i);
        if (!store.isPresent(i) || record->box < views::MailStore::Inbox
            || record->box > views::MailStore::Trash)
            continue;
        writeMessage(out, *record, store.text(i));
    }
    return out;
}

} // namespace exchange
