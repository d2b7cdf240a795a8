// The mail list's date and subject cells: the header texts as the phone stores them, shown
// the way the list shows them.

#include "views/mail/mail_date.h"
#include "views/mail/mail_subject.h"

#include "common/sjis_literal.h"
#include "host/codec_binding.h"

#include <gtest/gtest.h>

namespace {

using views::MailDateText;
using views::MailSubjectText;

struct DateCase
{
    const char *stored;
    const char *shown;
};

TEST(MailDateTextTest, ShowsTheHeaderDateAsNumbers)
{
    const DateCase cases[] = {
        {"01 Aug 2003 12:34:56 +0900", "2003/08/01 12:34:56"},
        {"Fri, 01 Aug 2003 12:34:56 +0900", "2003/08/01 12:34:56"},
        {"  Fri, 1 Aug 2003 07:08:09", "2003/08/01 07:08:09"},
        {"15 dec 2002 23:59:01", "2002/12/15 23:59:01"},
        {"01 AUG 2003 12:34", "2003/08/01 12:34:00"},
        {"Fri, 01 Aug 2003 12:34", "2003/08/01 12:34:00"},
        {"01 Xyz 2003 12:34:56", "2003/xyz/01 12:34:56"},
        {"01 Aug 03 12:34:56", "   3/08/01 12:34:56"},
        {"", "  -1/-1/-1 -1:-1:00"},
        {"yesterday", "  -1/-1/-1 -1:-1:00"},
        {"01 Aug", "  -1/08/01 -1:-1:00"},
    };
    for (const DateCase &c : cases)
        EXPECT_EQ(MailDateText(c.stored), c.shown) << '"' << c.stored << '"';
}

TEST(MailDateTextTest, OverlongNumbersAndCutTextsAreReadSafely)
{
    EXPECT_EQ(MailDateText("01 Aug 99999999999999999999 12:34:56"), "2147483647/08/01 12:34:56");
    EXPECT_EQ(MailDateText("Fri,"), "  -1/-1/-1 -1:-1:00");
    EXPECT_EQ(MailDateText(std::string_view("01 Aug 2003 12:34:56", 8)), "   2/08/01 -1:-1:00")
        << "the text ends inside the year";
}

// The subject decoders of the real codec library.
class MailSubjectTextTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_binding.bind(HANDSETKIT_PATH)); }
    std::string shown(std::string_view subject) const
    {
        return MailSubjectText(subject, views::mailCodecsOf(m_binding));
    }

private:
    host::CodecBinding m_binding;
};

TEST_F(MailSubjectTextTest, EncodedWordsAreDecodedByTheirCharacterSet)
{
    const DateCase cases[] = {
        {"=?ISO-2022-JP?B?GyRCJCIkJCQmGyhC?=", sjis("あいう")},
        {"=?iso-2022-jp?B?GyRCJCpDTiRpJDsbKEI=?=", sjis("お知らせ")},
        {"  =?ISO-2022-JP?B?GyRCJCIkJCQmGyhC?=", sjis("あいう")},
        {"=?UTF-8?B?5pel5pys6Kqe?=", sjis("日本語")},
        {"=?Shift_JIS?Q?=82=A0?=", sjis("あ")},
        {"=?US-ASCII?Q?hello_world?=", "hello world"},
        {"=?X-UNKNOWN?B?YWJj?=", "abc"},
        {"=?ISO-2022-JP?Q?a=5Fb?=", "a_b"},
    };
    for (const DateCase &c : cases)
        EXPECT_EQ(shown(c.stored), c.shown) << c.stored;
}

TEST_F(MailSubjectTextTest, OtherSubjectsShowAsStored)
{
    const DateCase cases[] = {
        {"Meeting", "Meeting"},
        {"=?ISO-2022-JP?b?GyRCJCIkJCQmGyhC?=", "=?ISO-2022-JP?b?GyRCJCIkJCQmGyhC?="},
        {"=?ISO-2022-JP?q?abc?=", "=?ISO-2022-JP?q?abc?="},
        {"Re: =?ISO-2022-JP?B?GyRCJCIkJCQmGyhC?=", "Re: =?ISO-2022-JP?B?GyRCJCIkJCQmGyhC?="},
        {"=?ISO-2022-JP?B?"
         "?=",
         "=?ISO-2022-JP?B?"
         "?="}, // no payload
        {"=?ISO-2022-JP?B?=", "=?ISO-2022-JP?B?="},
        {"=?B?abc?=", "=?B?abc?="},
        {"=?=", "=?="},
        {" leading blank", " leading blank"},
    };
    for (const DateCase &c : cases)
        EXPECT_EQ(shown(c.stored), c.shown) << c.stored;
}

TEST_F(MailSubjectTextTest, ShortOrEmptyPayloadsShowEmpty)
{
    EXPECT_EQ(shown("=?ISO-2022-JP?B?A?="), "") << "a one-character payload";
    EXPECT_EQ(shown("=?US-ASCII?Q?=00?="), "") << "nothing before the first NUL";
}

TEST(MailSubjectTextWithoutCodecsTest, ShowsTheSubjectAsStored)
{
    EXPECT_EQ(MailSubjectText("=?ISO-2022-JP?B?GyRCJCIkJCQmGyhC?=", {}),
              "=?ISO-2022-JP?B?GyRCJCIkJCQmGyhC?=");
    host::CodecBinding unbound;
    EXPECT_EQ(MailSubjectText("=?US-ASCII?B?YWJj?=", views::mailCodecsOf(unbound)),
              "=?US-ASCII?B?YWJj?=");
}

} // namespace
