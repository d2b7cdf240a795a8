// The exports of today's formats, fed with records whose fields and mail text hold whatever a
// card or a PC file brought: the files must keep their structure whatever the texts say.
#include "common/data_kind.h"
#include "exchange/bookmark_html_export.h"
#include "exchange/mbox_export.h"
#include "exchange/vcard_export.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The start of the input as a record of kind, its header made acceptable to the store.
template<typename Record>
Record recordOf(const uint8_t *data, size_t size, uint32_t version, uint32_t kind)
{
    Record record{};
    std::memcpy(&record, data, std::min(size, sizeof record));
    record.header = {version, sizeof record, kind, 0, 0};
    return record;
}

size_t countLinesStartingWith(std::string_view text, std::string_view start)
{
    size_t count = 0;
    for (size_t at = 0; at < text.size();) {
        count += text.substr(at).starts_with(start) ? 1 : 0;
        const size_t end = text.find('\n', at);
        at = end == std::string_view::npos ? text.size() : end + 1;
    }
    return count;
}

void checkMail(const uint8_t *data, size_t size)
{
    std::vector<char> record(MAIL_RECORD_FIXED_SIZE + size + 1, '\0');
    std::memcpy(record.data(), data, std::min<size_t>(size, MAIL_RECORD_FIXED_SIZE));
    if (size > MAIL_RECORD_FIXED_SIZE)
        std::memcpy(record.data() + MAIL_RECORD_FIXED_SIZE, data + MAIL_RECORD_FIXED_SIZE,
                    size - MAIL_RECORD_FIXED_SIZE);
    const RecordHeader header = {RECORD_VERSION_MAIL, uint32_t(record.size()), KIND_MAIL, 0, 0};
    std::memcpy(record.data(), &header, sizeof header);
    views::MailStore store;
    store.AddRecords(record.data(), true, false, false);
    const MailRecord *stored = store.record(0);
    const size_t messages = stored && stored->box >= 0 && stored->box <= 2 ? 1 : 0;
    // Only the separator may begin with "From ": every body line that would is quoted.
    if (countLinesStartingWith(exchange::exportMbox(store), "From ") != messages)
        std::abort();
}

void checkAddress(const uint8_t *data, size_t size)
{
    views::AddressStore store;
    store.setLimits({1000, false, false});
    AddressRecord record
        = recordOf<AddressRecord>(data, size, RECORD_VERSION_ADDRESS, KIND_ADDRESS);
    record.memoryNumber = std::clamp(record.memoryNumber, 0, 999);
    const bool stored = store.AppendRecord(record) == 1;
    const std::string names(reinterpret_cast<const char *>(data), std::min<size_t>(size, 200));
    const views::OptionName optionName = [&names](int, int index) -> std::optional<std::string> {
        if (index < 0 || size_t(index) > names.size())
            return std::nullopt;
        return names.substr(size_t(index));
    };
    const std::string text = exchange::exportVCard3(store, optionName);
    size_t cards = 0;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find("\r\n", at);
        if (end == std::string::npos || end - at > 75
            || text.substr(at, end - at).find_first_of("\r\n") != std::string::npos)
            std::abort();
        cards += text.compare(at, end - at, "BEGIN:VCARD") == 0 ? 1 : 0;
        at = end + 2;
    }
    if (cards != (stored ? 1u : 0u))
        std::abort();
}

void checkBookmark(const uint8_t *data, size_t size)
{
    views::BookmarkStore store;
    const bool stored = store.AppendRecord(recordOf<BookmarkRecord>(
                            data, size, RECORD_VERSION_BOOKMARK, KIND_BOOKMARK))
                        == 1;
    const std::string text = exchange::exportBookmarkHtml(store);
    // Escaped texts open no element of their own: the head and the outer list hold 10 '<', a
    // folder 7, a bookmark 3.
    const auto tags = size_t(std::count(text.begin(), text.end(), '<'));
    const size_t folders = countLinesStartingWith(text, "    <DT><H3>");
    const size_t anchors = countLinesStartingWith(text, "        <DT><A HREF=")
                           + countLinesStartingWith(text, "    <DT><A HREF=");
    if (anchors != (stored ? 1u : 0u) || folders > 1 || tags != 10 + 7 * folders + 3 * anchors)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkMail(data, size);
    checkAddress(data, size);
    checkBookmark(data, size);
    return 0;
}
