#include "address_view.h"

#include "common/data_kind.h"
#include "common/records.h"
#include "common/sjis_literal.h"

#include <cstdio>

namespace views {
namespace {

std::string number(const char *format, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

CAddressView::CAddressView(QWidget *parent)
    : DataView(2, KIND_ADDRESS, app::TextId::KindAddress,
               {platform::MessageIcon::Question, platform::MessageAnswer::No}, parent)
{
    setObjectName("AddressView");
    setColumns({{sjis("番号"), 40},
                {sjis("名前"), 100},
                {sjis("ﾌﾘｶﾞﾅ"), 80},
                {sjis("電話番号"), 100},
                {sjis("電話ｱｲｺﾝ"), 70},
                {sjis("電子ﾒｰﾙ"), 180},
                {sjis("ﾒｰﾙｱｲｺﾝ"), 70},
                {sjis("ｸﾞﾙｰﾌﾟ"), 50},
                {sjis("郵便番号"), 70},
                {sjis("住所"), 40},
                {sjis("ﾒﾓ"), 30}});
}

int CAddressView::entryCount() const
{
    int ordinary = 0;
    for (int i = 0; i < store().count(); ++i) {
        if (!store().isMarkedForRemoval(i)
            && store().wordAt(i, offsetof(AddressRecord, memoryNumber)) != OWNER_MEMORY_NUMBER)
            ++ordinary;
    }
    return ordinary;
}

bool CAddressView::isListed(int index) const
{
    return store().wordAt(index, offsetof(AddressRecord, memoryNumber)) != OWNER_MEMORY_NUMBER;
}

std::vector<std::string> CAddressView::rowTexts(int index) const
{
    const RecordStore &records = store();
    return {number("%03d", records.wordAt(index, offsetof(AddressRecord, memoryNumber))),
            records.textAt(index, offsetof(AddressRecord, name)),
            records.textAt(index, offsetof(AddressRecord, reading)),
            records.textAt(index, offsetof(AddressRecord, phones[0].number)),
            number("%d", records.wordAt(index, offsetof(AddressRecord, phones[0].icon))),
            records.textAt(index, offsetof(AddressRecord, mails[0].address)),
            number("%d", records.wordAt(index, offsetof(AddressRecord, mails[0].icon))),
            records.textAt(index, offsetof(AddressRecord, groupName)),
            records.textAt(index, offsetof(AddressRecord, postalCode)),
            records.textAt(index, offsetof(AddressRecord, postalAddress)),
            records.textAt(index, offsetof(AddressRecord, note))};
}

} // namespace views
