#include "mail_view_core.h"

#include "common/sjis_literal.h"

namespace views {
namespace {

// Heading and width of each cell kind, in MailCell order.
const ListColumn CellColumns[] = {
    {sjis("状態"), 80},  {sjis("送信者"), 210}, {sjis("宛先"), 210},
    {sjis("日時"), 160}, {sjis("件名"), 340},
};

} // namespace

std::vector<ListColumn> MailViewCore::columns() const
{
    std::vector<ListColumn> columns;
    for (MailCell cell : m_store.columns())
        columns.push_back(CellColumns[static_cast<size_t>(cell)]);
    return columns;
}

const char *MailViewCore::boxName(int folder)
{
    switch (folder) {
    case MailStore::Inbox:
        return sjis("受信箱");
    case MailStore::Outbox:
        return sjis("送信箱");
    default:
        return sjis("ゴミ箱");
    }
}

} // namespace views
