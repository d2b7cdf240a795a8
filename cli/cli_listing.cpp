#include "cli_listing.h"

#include "app/string_table.h"
#include "platform/sjis_text.h"
#include "views/mail/mail_view_core.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace cli {
namespace {

// The Shift_JIS cells as one UTF-8 line. A trail byte of Shift_JIS is never below 0x40, so the
// control characters replaced are whole characters.
void writeLine(std::ostream &out, const std::vector<std::string> &cells)
{
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) {
        std::string cell = cells[i];
        std::replace_if(
            cell.begin(), cell.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; },
            ' ');
        line += (i > 0 ? "\t" : "") + cell;
    }
    out << platform::sjisToUtf8(line) << '\n';
}

std::vector<std::string> headings(const views::ViewCore &core)
{
    std::vector<std::string> texts;
    for (const views::ListColumn &column : core.columns())
        texts.emplace_back(column.heading);
    return texts;
}

void writeMailListing(views::MailViewCore &core, std::ostream &out)
{
    views::MailStore &store = core.store();
    store.ChooseFolder(views::MailStore::Trash);
    const std::vector<views::MailCell> cells = store.columns();
    std::vector<std::string> line = headings(core);
    line.insert(line.begin(), app::text(app::TextId::CliMailFolderHeading));
    writeLine(out, line);
    for (int folder :
         {views::MailStore::Inbox, views::MailStore::Outbox, views::MailStore::Trash}) {
        store.ChooseFolder(folder);
        for (int row = 0; row < store.RowCount(); ++row) {
            line = {views::MailViewCore::boxName(folder)};
            for (views::MailCell cell : cells)
                line.push_back(store.cellText(store.rowIndex(row), cell));
            writeLine(out, line);
        }
    }
}

} // namespace

void writeListing(views::ViewCore &core, std::ostream &out)
{
    if (auto *mail = dynamic_cast<views::MailViewCore *>(&core)) {
        writeMailListing(*mail, out);
        return;
    }
    const std::vector<std::string> headingLine = headings(core);
    writeLine(out, headingLine);
    const views::ListedStore &listed = core.listed();
    std::vector<std::string> line(headingLine.size());
    for (int row = 0; row < listed.RowCount(); ++row) {
        for (size_t column = 0; column < line.size(); ++column)
            line[column] = listed.rowText(row, static_cast<int>(column));
        writeLine(out, line);
    }
}

} // namespace cli
