#include "bookmark_writer.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "plugins/core/card_writing.h"
#include "plugins/core/last_error.h"
#include "plugins/core/plugin_interface.h"

#include <cstring>

namespace plugin {
namespace {

BookmarkRecord terminatedCopy(const void *source)
{
    BookmarkRecord record;
    std::memcpy(&record, source, sizeof record);
    terminate(record.title);
    terminate(record.url);
    terminate(record.folder);
    return record;
}

class BookmarkWriter
{
public:
    BookmarkWriter(const BookmarkFormat &format, std::string &out)
        : m_format(format)
        , m_out(out)
    {
    }

    void write(const BookmarkRecord &record)
    {
        line("BEGIN:VBKM");
        line("VERSION:1.0");
        for (const BookmarkLineStep &each : m_format.lines)
            step(each, record);
        line("END:VBKM");
    }

private:
    void line(const std::string &text) { m_out += text + '\n'; }
    void step(const BookmarkLineStep &step, const BookmarkRecord &record);
    void env(const BookmarkRecord &record);

    const BookmarkFormat &m_format;
    std::string &m_out;
};

void BookmarkWriter::step(const BookmarkLineStep &step, const BookmarkRecord &record)
{
    switch (step.line) {
    case BookmarkLine::Text:
        line(step.format);
        break;
    case BookmarkLine::Url:
        line(formatted(step.format, record.url));
        break;
    case BookmarkLine::Title:
        line(*record.title ? formatted(step.format, record.title) : step.emptyFormat);
        break;
    case BookmarkLine::TitleQuotedPrinted:
        line(*record.title ? step.format + quotedPrintable(record.title, 0) : step.emptyFormat);
        break;
    case BookmarkLine::FolderNumber: {
        const int32_t number = record.folderNumber;
        line(formatted(step.format, number < 0 || number > step.limit ? 0 : number));
        break;
    }
    case BookmarkLine::FolderName:
        line(formatted(step.format, record.folder));
        break;
    case BookmarkLine::Env:
        env(record);
        break;
    }
}

void BookmarkWriter::env(const BookmarkRecord &record)
{
    line("BEGIN:ENV");
    line("X-IRMC-URL;ENCODING=QUOTED-PRINTABLE:=");
    if (m_format.envShortcutOnlyForEmptyUrl && !*record.url) {
        line("[InternetShortcut]");
    } else {
        line("[InternetShortcut]=");
        line("URL=" + quotedPrintable(record.url, 0));
    }
    line("END:ENV");
}

} // namespace

bool writeBookmarks(const void *first, const ModelDefinition &model, std::string &out)
{
    BookmarkWriter writer(model.bookmark, out);
    size_t written = 0;
    for (const void *record = first; record; record = RecordLink(record, RECORD_LINK_NEXT)) {
        if (RecordKind(record) != KIND_BOOKMARK)
            continue;
        writer.write(terminatedCopy(record));
        ++written;
    }
    if (written == 0) {
        setLastError(PLUGIN_NO_ENTRY);
        return false;
    }
    return true;
}

} // namespace plugin
