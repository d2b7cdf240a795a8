#include "bookmark_html_export.h"

#include "platform/sjis_text.h"
#include "views/common/choice_lists.h"
#include "views/common/group_table.h"
#include "views/common/record_fields.h"

namespace exchange {
namespace {

constexpr std::string_view Head = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                                  "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                                  "charset=UTF-8\">\n"
                                  "<TITLE>Bookmarks</TITLE>\n"
                                  "<H1>Bookmarks</H1>\n";
constexpr std::string_view Indent = "    ";

std::string htmlText(std::string_view sjis)
{
    std::string escaped;
    for (char c : platform::sjisToUtf8(sjis)) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// The folder a bookmark goes in: its number when the table names a folder for it, else -1.
int folderOf(const views::BookmarkStore &store, const BookmarkRecord &record)
{
    return views::groupNameOf(store.groups(), record.folderNumber).empty() ? -1
                                                                           : record.folderNumber;
}

void writeBookmarks(std::string &out, const views::BookmarkStore &store, int folder,
                    const std::string &indent)
{
    for (int i = 0; i < store.RecordCount(); ++i) {
        const BookmarkRecord *record = store.record(i);
        if (!store.isLive(i) || folderOf(store, *record) != folder)
            continue;
        out += indent + "<DT><A HREF=\"" + htmlText(views::fieldText(record->url)) + "\">"
               + htmlText(views::fieldText(record->title)) + "</A>\n";
    }
}

} // namespace

std::string exportBookmarkHtml(const views::BookmarkStore &store)
{
    std::string out(Head);
    out += "<DL><p>\n";
    const std::string inner = std::string(Indent) + std::string(Indent);
    const views::GroupTable &groups = store.groups();
    for (int i = 0; i < groups.count(); ++i) {
        const int number = groups.numberAt(i);
        if (number == -1 || groups.nameAt(i).empty() || groups.indexOfNumber(number) != i)
            continue;
        out += std::string(Indent) + "<DT><H3>" + htmlText(groups.nameAt(i)) + "</H3>\n";
        out += std::string(Indent) + "<DL><p>\n";
        writeBookmarks(out, store, number, inner);
        out += std::string(Indent) + "</DL><p>\n";
    }
    writeBookmarks(out, store, -1, std::string(Indent));
    out += "</DL><p>\n";
    return out;
}

} // namespace exchange
