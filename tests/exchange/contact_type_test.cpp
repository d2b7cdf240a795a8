#include "exchange/contact_type.h"

#include "common/sjis_literal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TypeCase
{
    const char *iconName; // Shift_JIS, as the model's option list names it
    std::vector<std::string_view> types;
};

// Names from the six models' phone and mail icon lists.
const TypeCase Cases[] = {
    {sjis("自宅"), {"HOME"}},
    {sjis("家１"), {"HOME"}},
    {sjis("実家"), {"HOME"}},
    {sjis("自宅メール（ピンク）"), {"HOME"}},
    {sjis("自宅アドレス"), {"HOME"}},
    {sjis("会社"), {"WORK"}},
    {sjis("会社２"), {"WORK"}},
    {sjis("会社メール"), {"WORK"}},
    {sjis("勤務先"), {"WORK"}},
    {sjis("仕事"), {"WORK"}},
    {sjis("携帯電話"), {"CELL"}},
    {sjis("携帯電話（ブルー）"), {"CELL"}},
    {sjis("携帯メール２"), {"CELL"}},
    {sjis("iモードアドレス"), {"CELL"}},
    {"i-mode", {"CELL"}},
    {sjis("ＰＨＳメール"), {"CELL"}},
    {"PHS", {"CELL"}},
    {sjis("ＦＡＸ"), {"FAX"}},
    {sjis("会社ＦＡＸ"), {"WORK", "FAX"}},
    {sjis("自宅FAX"), {"HOME", "FAX"}},
    {sjis("クイックキャスト"), {"PAGER"}},
    // Names that say none of them.
    {sjis("一般電話"), {}},
    {sjis("電話"), {}},
    {sjis("家族"), {}},
    {sjis("友達・女"), {}},
    {sjis("ＰＣメール"), {}},
    {sjis("メールアドレス"), {}},
    {"", {}},
};

TEST(ContactTypeTest, IconNamesGiveTheTypesTheySay)
{
    for (const TypeCase &c : Cases)
        EXPECT_EQ(exchange::contactTypesOf(c.iconName), c.types) << c.iconName;
}

TEST(ContactTypeTest, ShiftJisSecondBytesDoNotReadAsLatinLetters)
{
    // "ェアス": the second bytes of its three characters spell "FAX".
    const char name[] = {char(0x83), 'F', char(0x83), 'A', char(0x83), 'X', 0};
    EXPECT_TRUE(exchange::contactTypesOf(name).empty());
}

} // namespace
