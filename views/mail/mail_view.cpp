#include "mail_view.h"

#include "common/data_kind.h"
#include "common/records.h"

#include <cstdio>

namespace views {
CMailView::CMailView(QWidget *parent)
    : DataView(3, KIND_MAIL, app::TextId::KindMail,
               {platform::MessageIcon::Warning, platform::MessageAnswer::Cancel}, parent)
{
    setObjectName("MailView");
    setColumns({{"\x8F\xF3\x91\xD4", 80},       // 状態
                {"\x91\x97\x90M\x8E\xD2", 210}, // 送信者
                {"\x93\xFA\x8E\x9E", 160},      // 日時
                {"\x8C\x8F\x96\xBC", 340}});    // 件名
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
