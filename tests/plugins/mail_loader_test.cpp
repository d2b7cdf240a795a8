// The mail loader (vMessage) of every model through LoadData: records field by field, the
// records laid end to end, skipped messages, and mail's refusal to be saved.
#include "kind_records.h"

#include "common/data_kind.h"
#include "plugins/core/plugin_interface.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const char *const kModels[] = {"sh505i", "p505i", "so505i", "d505i", "n505i", "f505i"};

struct LoadedMail
{
    MailRecord fixed;
    std::string body; // bodyLength bytes, the NUL included
    size_t offset;    // from the start of the block
};

// The messages along the chain; records may lie at any byte offset, so they are copied out.
std::vector<LoadedMail> loadMail(CardFolder &folder, const std::string &text, int32_t &code)
{
    const std::string path = folder.file("PIM00001.VMG");
    writeFile(path, text);
    auto block = takeBlock<char>(folder.plugin().loadData(KIND_MAIL, path.c_str()));
    code = folder.plugin().getPluginLastError();
    std::vector<LoadedMail> mails;
    for (const void *record = block.get(); record; record = RecordLink(record, RECORD_LINK_NEXT)) {
        LoadedMail mail;
        std::memcpy(&mail.fixed, record, sizeof mail.fixed);
        const char *body = static_cast<const char *>(record) + sizeof(MailRecord);
        mail.body.assign(body, static_cast<size_t>(mail.fixed.bodyLength));
        mail.offset = static_cast<size_t>(static_cast<const char *>(record) - block.get());
        mails.push_back(mail);
        if (mails.size() > 1000)
            break;
    }
    return mails;
}

Lines message(const Lines &envelope, const Lines &body, bool closeBody = true)
{
    Lines lines = {"BEGIN:VMSG"};
    lines.insert(lines.end(), envelope.begin(), envelope.end());
    lines.push_back("BEGIN:VENV");
    lines.push_back("BEGIN:VBODY");
    lines.insert(lines.end(), body.begin(), body.end());
    if (closeBody)
        lines.push_back("END:VBODY");
    lines.push_back("END:VENV");
    lines.push_back("END:VMSG");
    return lines;
}

Lines joined(const std::vector<Lines> &parts)
{
    Lines lines;
    for (const Lines &part : parts)
        lines.insert(lines.end(), part.begin(), part.end());
    return lines;
}

class MailLoaderTest : public testing::TestWithParam<const char *>
{
protected:
    std::vector<LoadedMail> load(const Lines &lines)
    {
        return loadMail(folder, cardText(lines), code);
    }
    bool isP505i() const { return std::string(GetParam()) == "p505i"; }

    CardFolder folder{GetParam()};
    int32_t code = 0;
};

TEST_P(MailLoaderTest, ReadsEveryFieldOfAMessage)
{
    const Lines body = {"From: sender@example.jp",
                        "To: me@docomo.ne.jp",
                        "Subject: " + sjis("こんにちは"),
                        "Date: Mon, 05 May 2003 10:00:00 +0900",
                        "",
                        "Body text."};
    const auto mails = load(
        message({"X-IRMC-VERSION:1.1", "VERSION:1.1", "X-IRMC-STATUS:READ", "X-IRMC-BOX:INBOX",
                 "BEGIN:VCARD", "VERSION:2.1", "EMAIL:sender@example.jp", "END:VCARD"},
                body));
    ASSERT_EQ(mails.size(), 1u) << code;
    EXPECT_EQ(code, 0);
    const MailRecord &m = mails[0].fixed;
    EXPECT_EQ(m.header.version, RECORD_VERSION_MAIL);
    EXPECT_EQ(m.header.kind, static_cast<uint32_t>(KIND_MAIL));
    EXPECT_EQ(m.box, 0);
    EXPECT_EQ(m.state, MAIL_STATE_READ);
    EXPECT_STREQ(m.from, " sender@example.jp");
    EXPECT_STREQ(m.to, " me@docomo.ne.jp");
    EXPECT_EQ(std::string(m.subject), " " + sjis("こんにちは"));
    EXPECT_STREQ(m.date, " Mon, 05 May 2003 10:00:00 +0900");
    std::string text;
    for (const std::string &line : body)
        text += line + "\r\n";
    EXPECT_EQ(mails[0].body, text + '\0');
    EXPECT_EQ(m.bodyLength, static_cast<int32_t>(text.size() + 1));
    EXPECT_EQ(m.header.size, 800u + text.size() + 1);
    EXPECT_EQ(m.header.prev, 0);
    EXPECT_EQ(m.header.next, 0);
}

TEST_P(MailLoaderTest, SetsBoxAndStateFromTheEnvelope)
{
    struct Case
    {
        Lines envelope;
        int32_t box;
        int32_t state;
        int32_t p505iState;
    };
    const Case cases[] = {
        {{"X-IRMC-STATUS:READ", "X-IRMC-BOX:INBOX"}, 0, 1, 1},
        {{"X-IRMC-STATUS:UNREAD", "X-IRMC-BOX:INBOX"}, 0, 0, 0},
        {{"X-IRMC-STATUS:READ", "X-IRMC-BOX:OUTBOX"}, 1, 2, 3},
        {{"X-IRMC-BOX:OUTBOX", "X-IRMC-STATUS:READ"}, 1, 3, 3},
        {{"X-IRMC-STATUS:READ", "X-IRMC-BOX:SENTBOX"}, 1, 3, 3},
        {{"X-IRMC-BOX:DRAFT"}, 1, 2, 2},
    };
    for (const Case &c : cases) {
        Lines envelope = c.envelope;
        envelope.push_back("VERSION:1.1");
        const auto mails = load(message(envelope, {"x"}));
        ASSERT_EQ(mails.size(), 1u);
        EXPECT_EQ(mails[0].fixed.box, c.box) << c.envelope[0] << " " << c.envelope.back();
        EXPECT_EQ(mails[0].fixed.state, isP505i() ? c.p505iState : c.state)
            << c.envelope[0] << " " << c.envelope.back();
    }
}

TEST_P(MailLoaderTest, LaysTakenMessagesEndToEndOverSkippedOnes)
{
    const auto mails = load(joined({
        message({"VERSION:1.1"}, {"Subject:first", "one"}),
        message({"VERSION:1.0"}, {"Subject:skipped", "a longer body that takes room"}),
        message({"VERSION:1.1"}, {"Subject:third"}),
    }));
    ASSERT_EQ(mails.size(), 2u) << code;
    EXPECT_EQ(code, 0);
    EXPECT_STREQ(mails[0].fixed.subject, "first");
    EXPECT_STREQ(mails[1].fixed.subject, "third");
    EXPECT_EQ(mails[1].offset, 800u + static_cast<size_t>(mails[0].fixed.bodyLength));
    EXPECT_EQ(mails[1].body, std::string("Subject:third\r\n") + '\0');
}

TEST_P(MailLoaderTest, SkipsAMessageWhoseBodyIsNeverClosed)
{
    auto mails = load(joined({message({"VERSION:1.1"}, {"Subject:kept"}),
                              message({"VERSION:1.1"}, {"Subject:open"}, false)}));
    ASSERT_EQ(mails.size(), 1u);
    EXPECT_EQ(code, 0);
    EXPECT_STREQ(mails[0].fixed.subject, "kept");
    EXPECT_TRUE(load(message({"VERSION:1.1"}, {"Subject:open"}, false)).empty());
    EXPECT_EQ(code, PLUGIN_NO_ENTRY);
}

TEST_P(MailLoaderTest, FailsWhenNoMessageIsTaken)
{
    EXPECT_TRUE(load(message({"VERSION:1.0"}, {"x"})).empty());
    EXPECT_EQ(code, PLUGIN_NO_ENTRY);
    EXPECT_TRUE(load({"BEGIN:VMSG", "VERSION:1.1", "END:VMSG"}).empty());
    EXPECT_EQ(code, PLUGIN_NO_ENTRY);
    EXPECT_TRUE(load({}).empty());
    EXPECT_EQ(code, PLUGIN_NO_ENTRY);
}

TEST_P(MailLoaderTest, CutsHeaderValuesToTheirFieldsAndKeepsTheLastNonEmptyOne)
{
    const auto mails = load(message({"VERSION:1.1"}, {"Subject:" + std::string(300, 's'),
                                                      "From:" + std::string(200, 'f'),
                                                      "From:", "To:first", "To:second"}));
    ASSERT_EQ(mails.size(), 1u);
    EXPECT_EQ(std::string(mails[0].fixed.subject), std::string(255, 's'));
    EXPECT_EQ(std::string(mails[0].fixed.from), std::string(127, 'f'));
    EXPECT_STREQ(mails[0].fixed.to, "second");
}

TEST_P(MailLoaderTest, KeepsBodyLinesLongerThanALineBuffer)
{
    const std::string longLine(10000, 'b');
    const auto mails = load(message({"VERSION:1.1"}, {longLine, "end"}));
    ASSERT_EQ(mails.size(), 1u);
    EXPECT_EQ(mails[0].body.find(std::string(4095, 'b')), 0u);
    EXPECT_EQ(mails[0].body.back(), '\0');
    EXPECT_EQ(mails[0].body.substr(mails[0].body.size() - 6), std::string("end\r\n") + '\0');
}

TEST_P(MailLoaderTest, IsNeverSaved)
{
    const std::string path = folder.file("PIM00001.VMG");
    writeFile(path, cardText(message({"VERSION:1.1"}, {"x"})));
    int32_t unused = 0;
    const auto mails = loadMail(folder, readFile(path), unused);
    ASSERT_EQ(mails.size(), 1u);
    MailRecord record = mails[0].fixed;
    record.header.next = 0;
    EXPECT_EQ(folder.plugin().saveData(KIND_MAIL, path.c_str(), &record), PLUGIN_NO_ENTRY);
    EXPECT_EQ(folder.plugin().getPluginLastError(), PLUGIN_NO_ENTRY);
    EXPECT_EQ(readFile(path), cardText(message({"VERSION:1.1"}, {"x"})));
    const std::string fresh = folder.file("PIM00002.VMG");
    EXPECT_EQ(folder.plugin().saveData(KIND_MAIL, fresh.c_str(), &record), PLUGIN_NO_ENTRY);
    EXPECT_FALSE(fs::exists(fresh));
}

INSTANTIATE_TEST_SUITE_P(AllModels, MailLoaderTest, testing::ValuesIn(kModels),
                         [](const testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param);
                         });

} // namespace
