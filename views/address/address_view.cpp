#include "address_view.h"

#include "common/data_kind.h"
#include "common/records.h"

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
    setColumns({{"\x94\xD4\x8D\x86", 40},     // 番号
                {"\x96\xBC\x91O", 100},       // 名前
                {"\xCC\xD8\xB6\xDE\xC5", 80}, // ﾌﾘｶﾞﾅ
                {"\x93"
                 "d\x98"
                 "b\x94\xD4\x8D\x86",
                 100}, // 電話番号
                {"\x93"
                 "d\x98"
                 "b\xB1\xB2\xBA\xDD",
                 70}, // 電話ｱｲｺﾝ
                {"\x93"
                 "d\x8Eq\xD2\xB0\xD9",
                 180},                                 // 電子ﾒｰﾙ
                {"\xD2\xB0\xD9\xB1\xB2\xBA\xDD", 70},  // ﾒｰﾙｱｲｺﾝ
                {"\xB8\xDE\xD9\xB0\xCC\xDF", 50},      // ｸﾞﾙｰﾌﾟ
                {"\x97X\x95\xD6\x94\xD4\x8D\x86", 70}, // 郵便番号
                {"\x8FZ\x8F\x8A", 40},                 // 住所
                {"\xD2\xD3", 30}});                    // ﾒﾓ
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
