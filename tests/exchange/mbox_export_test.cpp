#include "exchange/mbox_export.h"

#include "common/data_kind.h"
#include "common/sjis_literal.h"
#include "python_checker.h"
#include "sample_card.h"
#include "tests/support/first_differing_line.h"
#include "tests/support/temp_dir.h"
#include "views/common/record_fields.h"
#include "views/mail/mail_view_core.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using exchange_testing::CheckedEntry;
using views::MailStore;

struct Fixed
{
    const char *from = "";
    const char *to = "";
    const char *subject = "";
    const char *date = "";
};

// One mail record as the plug-in lays it out: the fixed part, then the text and its NUL.
std::vector<char> mailRecord(int32_t box, int32_t state, const std::string &text,
                             const Fixed &fixed = {})
{
    MailRecord record{};
    record.header = {RECORD_VERSION_MAIL, uint32_t(MAIL_RECORD_FIXED_SIZE + text.size() + 1),
                     KIND_MAIL, 0, 0};
    record.box = box;
    record.state = state;
    views::setFieldText(record.from, fixed.from);
    views::setFieldText(record.to, fixed.to);
    views::setFieldText(record.subject, fixed.subject);
    views::setFieldText(record.date, fixed.date);
    record.bodyLength = int32_t(text.size() + 1);
    std::vector<char> bytes(MAIL_RECORD_FIXED_SIZE + text.size() + 1, '\0');
    std::memcpy(bytes.data(), &record, sizeof record);
    std::memcpy(bytes.data() + MAIL_RECORD_FIXED_SIZE, text.data(), text.size());
    return bytes;
}

const std::string ConvertedMime = "MIME-Version: 1.0\n"
                                  "Content-Type: text/plain; charset=UTF-8\n"
                                  "Content-Transfer-Encoding: 8bit\n";

class MboxExportTest : public testing::Test
{
protected:
    void add(int32_t box, int32_t state, const std::string &text, const Fixed &fixed = {})
    {
        const std::vector<char> record = mailRecord(box, state, text, fixed);
        ASSERT_EQ(store.AddRecords(record.data(), true, false, false), 1);
    }

    MailStore store;
};

TEST_F(MboxExportTest, AShiftJisMessageBecomesUtf8WithItsBoxAndState)
{
    add(MailStore::Inbox, MAIL_STATE_READ,
        std::string("From: hanako@example.jp\r\n"
                    "To: owner@docomo.ne.jp\r\n"
                    "Subject: ")
            + sjis("件名") + "\r\nDate: Fri, 01 Aug 2003 18:30:12 +0900\r\n\r\n"
            + sjis("本文です。") + "\r\n" + sjis("2行目") + "\r\n");

    EXPECT_EQ(exchange::exportMbox(store), "From hanako@example.jp Fri Aug  1 09:30:12 2003\n"
                                           "From: hanako@example.jp\n"
                                           "To: owner@docomo.ne.jp\n"
                                           "Subject: =?UTF-8?B?5Lu25ZCN?=\n"
                                           "Date: Fri, 01 Aug 2003 18:30:12 +0900\n"
                                           "MIME-Version: 1.0\n"
                                           "Content-Type: text/plain; charset=UTF-8\n"
                                           "Content-Transfer-Encoding: 8bit\n"
                                           "X-Cellvane-Box: Inbox\n"
                                           "Status: RO\n"
                                           "\n"
                                           "本文です。\n"
                                           "2行目\n"
                                           "\n");
}

TEST_F(MboxExportTest, BodyLinesThatReadAsSeparatorsAreQuoted)
{
    add(MailStore::Outbox, 0,
        "From: owner@docomo.ne.jp\r\n\r\n"
        "From here on\r\n"
        ">From quoted once\r\n"
        ">>From quoted twice\r\n"
        " From indented\r\n"
        "From:colon\r\n"
        "Fromage\r\n"
        ">>>\r\n"
        "last line without end");

    const std::string text = exchange::exportMbox(store);
    EXPECT_NE(text.find("\n\n"
                        ">From here on\n"
                        ">>From quoted once\n"
                        ">>>From quoted twice\n"
                        " From indented\n"
                        "From:colon\n"
                        "Fromage\n"
                        ">>>\n"
                        "last line without end\n"
                        "\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("X-Cellvane-Box: Outbox\n\n"), std::string::npos) << "unsent: no status";
}

TEST_F(MboxExportTest, EveryBoxIsExportedAndRemovedMessagesAreNot)
{
    add(MailStore::Inbox, 0, "Subject: in\r\n\r\n");
    add(MailStore::Outbox, MAIL_STATE_READ | MAIL_STATE_OTHER_BOX, "Subject: out\r\n\r\n");
    add(MailStore::Inbox, 0, "Subject: binned\r\n\r\n");
    add(MailStore::Inbox, 0, "Subject: removed\r\n\r\n");
    store.ChooseFolder(MailStore::Inbox);
    ASSERT_EQ(store.MarkRowDeleted(1), 1); // "binned" to the trash
    ASSERT_EQ(store.MarkRowDeleted(2), 2); // "removed" to the trash,
    store.ChooseFolder(MailStore::Trash);
    ASSERT_EQ(store.MarkRowDeleted(1), 1); // and marked for removal

    const std::string text = exchange::exportMbox(store);
    EXPECT_NE(text.find("Subject: in\n" + ConvertedMime + "X-Cellvane-Box: Inbox\n\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Subject: out\n" + ConvertedMime + "X-Cellvane-Box: Outbox\nStatus: RO\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Subject: binned\n" + ConvertedMime + "X-Cellvane-Box: Trash\n\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("removed"), std::string::npos) << text;
}

TEST_F(MboxExportTest, MissingHeaderFieldsComeFromTheRecord)
{
    add(MailStore::Inbox, 0, "no header at all\r\n",
        {" jiro@example.jp", " owner@docomo.ne.jp", sjis(" 件名\r\nFrom x"),
         " Wed, 13 Aug 2003 08:45:30 +0900"});
    add(MailStore::Inbox, 0, "", {});

    const std::string text = exchange::exportMbox(store);
    EXPECT_TRUE(text.starts_with("From jiro@example.jp Tue Aug 12 23:45:30 2003\n"
                                 "From: jiro@example.jp\n"
                                 "To: owner@docomo.ne.jp\n"
                                 "Subject: =?UTF-8?B?"))
        << text;
    EXPECT_EQ(text.find("\nFrom x"), std::string::npos) << "a line break in a field stays inside";
    EXPECT_NE(text.find("\n\nno header at all\n\n"), std::string::npos) << text;
    EXPECT_NE(text.find("From MAILER-DAEMON Thu Jan  1 00:00:00 1970\n"
                        "MIME-Version: 1.0\n"),
              std::string::npos)
        << text;
}

TEST_F(MboxExportTest, BodiesInOtherCharacterSetsAreConverted)
{
    add(MailStore::Inbox, 0,
        "From: a@example.jp\r\n"
        "Content-Type: text/plain; charset=\"ISO-2022-JP\"\r\n"
        "Content-Transfer-Encoding: 7bit\r\n"
        "MIME-Version: 1.0\r\n"
        "X-Mailer: phone\r\n"
        "\r\n"
        "\x1B$B$\"$j$,$H$&\x1B(B\r\n");

    const std::string text = exchange::exportMbox(store);
    EXPECT_NE(text.find("From: a@example.jp\n"
                        "X-Mailer: phone\n"
                        "MIME-Version: 1.0\n"
                        "Content-Type: text/plain; charset=UTF-8\n"
                        "Content-Transfer-Encoding: 8bit\n"
                        "X-Cellvane-Box: Inbox\n"
                        "\n"
                        "ありがとう\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("ISO-2022-JP"), std::string::npos) << text;
}

TEST_F(MboxExportTest, BodiesItCannotConvertGoOutAsStored)
{
    const struct
    {
        const char *fields;
        const char *body;
    } cases[] = {
        {"Content-Type: text/plain; charset=Shift_JIS\r\nContent-Transfer-Encoding: base64\r\n",
         "k3qQTQ==\r\n"},
        {"Content-Type: multipart/mixed; boundary=b\r\n", "--b\r\n\r\nx\r\n--b--\r\n"},
        {"Content-Type: text/plain; charset=x-unknown-set\r\n", "\x82\xA0\r\n"},
    };
    for (const auto &c : cases) {
        store.ResetData();
        add(MailStore::Inbox, 0, std::string("Subject: s\r\n") + c.fields + "\r\n" + c.body);
        std::string expected = std::string("Subject: s\r\n") + c.fields;
        for (size_t at; (at = expected.find("\r\n")) != std::string::npos;)
            expected.replace(at, 2, "\n");
        std::string body = c.body;
        for (size_t at; (at = body.find("\r\n")) != std::string::npos;)
            body.replace(at, 2, "\n");
        const std::string text = exchange::exportMbox(store);
        EXPECT_NE(text.find(expected + "X-Cellvane-Box: Inbox\n\n" + body + "\n"),
                  std::string::npos)
            << text;
        EXPECT_EQ(text.find("charset=UTF-8"), std::string::npos) << text;
    }
}

TEST_F(MboxExportTest, HeaderValuesBeyondAsciiAreEncodedByTheirKind)
{
    add(MailStore::Inbox, 0,
        std::string("From: ") + sjis("山田") + " <hanako@example.jp>\r\n" + "Cc: b@example.jp,\r\n "
            + sjis("\"山田\"") + " <c@example.jp>\r\n" + "X-Note: " + sjis("山田") + "\r\n"
            + "Status: U\r\nX-Cellvane-Box: Trash\r\n\r\n");

    const std::string text = exchange::exportMbox(store);
    EXPECT_TRUE(text.starts_with("From hanako@example.jp Thu Jan  1 00:00:00 1970\n"
                                 "From: =?UTF-8?B?5bGx55Sw?= <hanako@example.jp>\n"
                                 "Cc: b@example.jp,\n =?UTF-8?B?5bGx55Sw?= <c@example.jp>\n"
                                 "X-Note: =?UTF-8?B?5bGx55Sw?=\n"
                                 "MIME-Version"))
        << text;
    EXPECT_EQ(text.find("Status"), std::string::npos) << "the stored ones are not repeated";
    EXPECT_EQ(text.find("Trash"), std::string::npos) << text;
}

TEST_F(MboxExportTest, QuotedLinesAndEncodedNamesReadBackWithAnIndependentParser)
{
    const std::string body = "From the start\r\n>From once\r\n\r\nFrom after an empty line\r\n";
    add(MailStore::Inbox, 0,
        std::string("From: ") + sjis("山田 花子") + " <hanako@example.jp>\r\nSubject: "
            + sjis("長い件名：あいうえおかきくけこさしすせそたちつてとなにぬねの") + "\r\n\r\n"
            + body);
    add(MailStore::Trash, 0, "Subject: second\r\n\r\nFrom me\r\n");

    const testing_support::TempDir dir;
    const std::string path = dir.file("mail.mbox");
    ASSERT_TRUE(exchange_testing::writeFile(path, exchange::exportMbox(store)));
    const exchange_testing::CheckerRun run
        = exchange_testing::runChecker(EXCHANGE_CHECKERS "check_mbox.py", path);
    if (run.skipped)
        GTEST_SKIP() << *run.skipped;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::vector<CheckedEntry> &messages = run.entries;
    ASSERT_EQ(messages.size(), 2u) << "no body line split a message";
    CheckedEntry first = messages[0];
    EXPECT_EQ(first["from"], std::vector<std::string>{"山田 花子 <hanako@example.jp>"});
    EXPECT_EQ(
        first["subject"],
        std::vector<std::string>{"長い件名：あいうえおかきくけこさしすせそたちつてとなにぬねの"});
    EXPECT_EQ(first["from-line"],
              std::vector<std::string>{"hanako@example.jp Thu Jan  1 00:00:00 1970"});
    EXPECT_EQ(first["body"], std::vector<std::string>{"From the start\n>From once\n\nFrom after an "
                                                      "empty line\n"});
    CheckedEntry second = messages[1];
    EXPECT_EQ(second["from-line"],
              std::vector<std::string>{"MAILER-DAEMON Thu Jan  1 00:00:00 1970"});
    EXPECT_EQ(second["x-cellvane-box"], std::vector<std::string>{"Trash"});
    EXPECT_EQ(second["body"], std::vector<std::string>{"From me\n"});
}

TEST_F(MboxExportTest, AnEmptyStoreGivesAnEmptyFile)
{
    EXPECT_EQ(exchange::exportMbox(store), "");
}

// The sample card's mail as the SH505i plug-in reads it into the mail view.
class SampleMailTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(card.problem(), "");
        const OwnedBlock<> block = card.load(KIND_MAIL, "PIM00011.VMG");
        ASSERT_TRUE(block);
        ASSERT_EQ(core.mergeCardBlock(block.get()), 8);
        // The second message of the inbox goes to the trash, as the view's delete does it.
        core.store().ChooseFolder(MailStore::Inbox);
        const int row = core.store().RowCount() - 2;
        ASSERT_GE(row, 0);
        core.deleteEntryAtRow(row);
        core.refresh();
        text = exchange::exportMbox(core.store());
    }

    exchange_testing::SampleCard card{"DoCoMo SH505i"};
    views::MailViewCore core;
    std::string text;
};

TEST_F(SampleMailTest, MatchesItsGoldenFile)
{
    const std::string expected = exchange_testing::readFile(EXCHANGE_TEST_DATA "sample_mail.mbox");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(text, expected) << testing_support::firstDifferingLine(expected, text);
}

struct ExpectedMessage
{
    const char *fromLine;
    const char *from;
    const char *to;
    const char *subject; // decoded
    const char *date;
    const char *box;
    const char *flags;
    const char *body;
};

// What the sample card holds (PIM00011.VMG), in card order; its subjects are ISO-2022-JP and
// UTF-8 encoded words, its bodies Shift_JIS.
const ExpectedMessage SampleMessages[] = {
    {"hanako@example.jp Fri Aug  1 09:30:12 2003", "hanako@example.jp", "owner@docomo.ne.jp",
     "週末の予定", "Fri, 01 Aug 2003 18:30:12 +0900", "Inbox", "RO",
     "今度の土曜日、映画に行きませんか？\n"},
    {"info@example.co.jp Mon Aug  4 00:00:00 2003", "info@example.co.jp", "owner@docomo.ne.jp",
     "お知らせ", "Mon, 04 Aug 2003 09:00:00 +0900", "Inbox", "", "８月のお知らせです。\n"},
    {"ichiro@example.jp Tue Aug  5 12:15:40 2003", "ichiro@example.jp", "owner@docomo.ne.jp",
     "写真を送ります", "05 Aug 2003 21:15:40 +0900", "Inbox", "RO", "先日の写真です。\n"},
    {"taro@example.ne.jp Tue Aug 12 04:05:00 2003", "taro@example.ne.jp", "owner@docomo.ne.jp",
     "会議の件", "Tue, 12 Aug 2003 13:05:00 +0900", "Inbox", "", "会議は３時からです。\n"},
    {"jiro@example.jp Tue Aug 12 23:45:30 2003", "jiro@example.jp", "owner@docomo.ne.jp",
     "ありがとう", "Wed, 13 Aug 2003 08:45:30 +0900", "Trash", "RO", "ありがとうございました。\n"},
    {"shop@example.com Thu Aug 14 13:10:05 2003", "shop@example.com", "owner@docomo.ne.jp",
     "Summer sale", "Thu, 14 Aug 2003 22:10:05 +0900", "Inbox", "RO", "See you at the shop.\n"},
    {"owner@docomo.ne.jp Fri Aug  1 10:02:44 2003", "owner@docomo.ne.jp", "hanako@example.jp",
     "Re: 週末の予定", "Fri, 01 Aug 2003 19:02:44 +0900", "Outbox", "RO", "行きます！\n"},
    {"owner@docomo.ne.jp Sat Aug 16 01:20:00 2003", "owner@docomo.ne.jp", "ichiro@example.jp",
     "ありがとう", "Sat, 16 Aug 2003 10:20:00 +0900", "Outbox", "", "写真ありがとう。\n"},
};

TEST_F(SampleMailTest, ReadsBackFieldByFieldWithAnIndependentParser)
{
    const testing_support::TempDir dir;
    const std::string path = dir.file("mail.mbox");
    ASSERT_TRUE(exchange_testing::writeFile(path, text));
    const exchange_testing::CheckerRun run
        = exchange_testing::runChecker(EXCHANGE_CHECKERS "check_mbox.py", path);
    if (run.skipped)
        GTEST_SKIP() << *run.skipped;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ASSERT_EQ(run.entries.size(), std::size(SampleMessages)) << run.output;
    for (size_t i = 0; i < run.entries.size(); ++i) {
        const ExpectedMessage &expected = SampleMessages[i];
        CheckedEntry message = run.entries[i];
        SCOPED_TRACE(expected.fromLine);
        const auto one = [](const char *value) { return std::vector<std::string>{value}; };
        EXPECT_EQ(message["from-line"], one(expected.fromLine));
        EXPECT_EQ(message["from"], one(expected.from));
        EXPECT_EQ(message["to"], one(expected.to));
        EXPECT_EQ(message["subject"], one(expected.subject));
        EXPECT_EQ(message["date"], one(expected.date));
        EXPECT_EQ(message["x-cellvane-box"], one(expected.box));
        EXPECT_EQ(message["flags"], one(expected.flags));
        EXPECT_EQ(message["mime-version"], one("1.0"));
        EXPECT_EQ(message["content-type"], one("text/plain; charset=UTF-8"));
        EXPECT_EQ(message["content-transfer-encoding"], one("8bit"));
        EXPECT_EQ(message["body"], one(expected.body));
    }
}

} // namespace
