#include "mail_view.h"

#include "common/data_kind.h"
#include "common/records.h"
#include "common/sjis_literal.h"

#include <cstdio>

namespace views {
CMailView::CMailView(QWidget *parent)
    : RecordDataView(3, KIND_MAIL, app::TextId::KindMail,
                     {platform::MessageIcon::Warning, platform::MessageAnswer::Cancel}, parent)
{
    setObjectName("MailView");
    setColumns(
        {{sjis("状態"), 80}, {sjis("送信者"), 210}, {sjis("日時"), 160}, {sjis("件名"), 340}});
}

std::vector<std::string> CMailView::rowTexts(int index) const
{
    char state[16];
    std::snprintf(state, sizeof state, "%d", store().wordAt(index, offsetof(MailRecord, state)));
    return {state, store().textAt(index, offsetof(MailRecord, from)),
            store().textAt(index, offsetof(MailRecord, date)),
            store().textAt(index, offsetof(MailRecord, subject))};
}

} // namespace views
