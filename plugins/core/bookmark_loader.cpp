#include "bookmark_loader.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "plugins/core/card_values.h"
#include "plugins/core/two_pass_load.h"

#include <cstring>

namespace plugin {
namespace {

constexpr std::string_view kBegin = "BEGIN:VBKM";
constexpr std::string_view kEnd = "END:VBKM";

bool isProperty(std::string_view line, std::string_view name)
{
    return startsWith(line, name)
           && (line.substr(name.size(), 1) == ":" || line.substr(name.size(), 1) == ";");
}

class BookmarkParser
{
public:
    BookmarkParser(const BookmarkFormat &format, BookmarkRecord *slots, size_t slotCount)
        : m_format(format)
        , m_slots(slots)
        , m_slotCount(slotCount)
    {
    }

    size_t parse(LineReader &reader)
    {
        std::string line;
        while (m_taken < m_slotCount && reader.readLine(line)) {
            if (line == kBegin)
                begin();
            else if (!m_bookmark)
                continue;
            else if (line == kEnd)
                take();
            else if (line == "BEGIN:ENV")
                m_inEnv = true;
            else if (line == "END:ENV")
                m_inEnv = false;
            else if (!m_inEnv)
                readProperty(reader, line);
        }
        return m_taken;
    }

private:
    void begin()
    {
        m_bookmark = &m_slots[m_taken];
        std::memset(m_bookmark, 0, sizeof *m_bookmark);
        m_versionRight = m_inEnv = false;
    }

    void take()
    {
        BookmarkRecord *record = m_bookmark;
        m_bookmark = nullptr;
        if (!m_versionRight)
            return;
        record->header.version = RECORD_VERSION_BOOKMARK;
        record->header.size = sizeof(BookmarkRecord);
        record->header.kind = KIND_BOOKMARK;
        ChainRecords(m_previous, record);
        m_previous = record;
        ++m_taken;
    }

    void readProperty(LineReader &reader, std::string &line);

    const BookmarkFormat &m_format;
    BookmarkRecord *m_slots;
    size_t m_slotCount;
    size_t m_taken = 0;
    BookmarkRecord *m_previous = nullptr;
    BookmarkRecord *m_bookmark = nullptr;
    bool m_versionRight = false;
    bool m_inEnv = false;
};

void BookmarkParser::readProperty(LineReader &reader, std::string &line)
{
    BookmarkRecord &record = *m_bookmark;
    const std::string_view text(line);
    if (startsWith(text, "URL:")) {
        storeText(text.substr(4), record.url);
    } else if (startsWith(text, "TITLE")) {
        // The title's soft breaks are not joined: the phone writes it on one line.
        storeValue(afterColon(text, 5), paramFlags(text), record.title);
    } else if (startsWith(text, "VERSION:")) {
        m_versionRight = readsAsNumber(text.substr(8), "1.0");
    } else if (m_format.folderNumberProperty && startsWith(text, m_format.folderNumberProperty)) {
        const int32_t number
            = leadingNumber(text.substr(std::strlen(m_format.folderNumberProperty)));
        record.folderNumber = m_format.negativeFolderAsZero && number < 0 ? 0 : number;
    } else if (m_format.folderNameProperty && isProperty(text, m_format.folderNameProperty)) {
        const ParamFlags flags = paramFlags(line);
        if (flags.quotedPrintable)
            ReadContinuation(reader, line);
        storeValue(afterColon(line), flags, record.folder);
    }
}

} // namespace

void *loadBookmarks(LineReader &reader, const ModelDefinition &model)
{
    return loadFixedRecords<BookmarkRecord>(
        reader, [](LineReader &r) { return countCompleteObjects(r, kBegin, kEnd); },
        [&](LineReader &r, BookmarkRecord *records, size_t count) {
            return BookmarkParser(model.bookmark, records, count).parse(r);
        });
}

} // namespace plugin
