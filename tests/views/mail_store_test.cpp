// The mail view's store: messages from a card block, shown by folder, deleted to the trash and
// for good.

#include "views/mail/mail_store.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "common/sjis_literal.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using views::MailStore;

struct Mail
{
    int32_t box = 0;
    int32_t state = 0;
    std::string from = "sender@example.jp";
    std::string to = "owner@example.jp";
    std::string subject = "Hello";
    std::string date = "01 Aug 2003 12:00:00";
    std::string text = "Subject: Hello\r\n\r\nbody\r\n";
};

// Mail records laid end to end without gaps, chained through next, as the card loader
// delivers them.
class MailBlock
{
public:
    explicit MailBlock(const std::vector<Mail> &mails)
    {
        std::vector<size_t> offsets;
        for (const Mail &mail : mails) {
            MailRecord fixed{};
            fixed.header.version = RECORD_VERSION_MAIL;
            fixed.header.kind = KIND_MAIL;
            fixed.header.size = uint32_t(sizeof fixed + mail.text.size() + 1);
            fixed.box = mail.box;
            fixed.state = mail.state;
            mail.from.copy(fixed.from, sizeof fixed.from - 1);
            mail.to.copy(fixed.to, sizeof fixed.to - 1);
            mail.subject.copy(fixed.subject, sizeof fixed.subject - 1);
            mail.date.copy(fixed.date, sizeof fixed.date - 1);
            fixed.bodyLength = int32_t(mail.text.size() + 1);
            offsets.push_back(m_bytes.size());
            m_bytes.insert(m_bytes.end(), reinterpret_cast<const char *>(&fixed),
                           reinterpret_cast<const char *>(&fixed) + sizeof fixed);
            m_bytes.insert(m_bytes.end(), mail.text.begin(), mail.text.end());
            m_bytes.push_back('\0');
        }
        for (size_t i = 1; i < offsets.size(); ++i)
            ChainRecords(&m_bytes[offsets[i - 1]], &m_bytes[offsets[i]]);
    }
    const void *first() const { return m_bytes.empty() ? nullptr : m_bytes.data(); }
    char *bytes() { return m_bytes.data(); }

private:
    std::vector<char> m_bytes;
};

Mail mailFrom(const std::string &from, const std::string &date, int32_t box = 0)
{
    Mail mail;
    mail.from = from;
    mail.date = date;
    mail.box = box;
    return mail;
}

std::vector<std::string> column(const MailStore &store, int column)
{
    std::vector<std::string> texts;
    for (int row = 0; row < store.RowCount(); ++row)
        texts.push_back(store.rowText(row, column));
    return texts;
}

class MailStoreTest : public testing::Test
{
protected:
    // Inbox: b (2 Aug), a (1 Aug); outbox: c.
    void SetUp() override
    {
        const MailBlock block({mailFrom("b", "02 Aug 2003 10:00:00"),
                               mailFrom("a", "01 Aug 2003 10:00:00"),
                               mailFrom("c", "03 Aug 2003 10:00:00", 1)});
        ASSERT_EQ(store.AddRecords(block.first(), false, true, true), 3);
        store.Rebuild();
    }

    MailStore store;
};

TEST_F(MailStoreTest, TheInboxListsItsMessagesByDate)
{
    EXPECT_EQ(store.folder(), MailStore::Inbox);
    EXPECT_EQ(column(store, 1), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(column(store, 2),
              (std::vector<std::string>{"2003/08/01 10:00:00", "2003/08/02 10:00:00"}));
    EXPECT_EQ(store.selectedRows(), (std::vector<int>{0, 1})) << "added rows stay selected";
    EXPECT_TRUE(store.isModified());
}

TEST_F(MailStoreTest, EachFolderHasItsColumns)
{
    using views::MailCell;
    EXPECT_EQ(store.columns(), (std::vector<MailCell>{MailCell::State, MailCell::From,
                                                      MailCell::Date, MailCell::Subject}));
    store.ChooseFolder(MailStore::Outbox);
    EXPECT_EQ(store.columns(), (std::vector<MailCell>{MailCell::State, MailCell::To, MailCell::Date,
                                                      MailCell::Subject}));
    EXPECT_EQ(store.RowCount(), 1);
    EXPECT_EQ(store.rowText(0, 1), "owner@example.jp");
    store.ChooseFolder(MailStore::Trash);
    EXPECT_EQ(store.columns().size(), 5u);
    EXPECT_EQ(store.sortColumn(), 2) << "the trash sorts by recipient";
    EXPECT_EQ(store.RowCount(), 0);
}

TEST_F(MailStoreTest, DeletingMovesToTheTrashThenRemovesForGood)
{
    store.DeselectAll();
    ASSERT_EQ(store.MarkRowDeleted(0), 0); // a
    store.Purge();
    store.Rebuild();
    EXPECT_EQ(column(store, 1), (std::vector<std::string>{"b"}));
    EXPECT_EQ(store.RecordCount(), 3);

    store.ChooseFolder(MailStore::Trash);
    ASSERT_EQ(column(store, 1), (std::vector<std::string>{"a"}));
    ASSERT_EQ(store.MarkRowDeleted(0), 0);
    EXPECT_EQ(store.Purge(), 1);
    store.Rebuild();
    EXPECT_EQ(store.RowCount(), 0);
    EXPECT_EQ(store.RecordCount(), 2);
    EXPECT_TRUE(store.isModified());

    store.ChooseFolder(MailStore::Inbox);
    EXPECT_EQ(column(store, 1), (std::vector<std::string>{"b"}));
    EXPECT_EQ(store.text(store.rowIndex(0)), Mail().text) << "texts move with their messages";
    EXPECT_EQ(store.MarkRowDeleted(5), -1);
}

TEST_F(MailStoreTest, ASecondLoadOfTheSameCardAddsNothing)
{
    const MailBlock again({mailFrom("b", "02 Aug 2003 10:00:00"),
                           mailFrom("a", "01 Aug 2003 10:00:00"),
                           mailFrom("c", "03 Aug 2003 10:00:00", 1)});
    EXPECT_EQ(store.AddRecords(again.first(), false, true, true), 0);
    EXPECT_EQ(store.AddRecords(again.first(), true, false, false), 1)
        << "duplicates allowed, links not followed";

    Mail other = mailFrom("a", "01 Aug 2003 10:00:00");
    other.text += "longer";
    const MailBlock changed({other});
    EXPECT_EQ(store.AddRecords(changed.first(), false, true, false), 1)
        << "another body length is another message";
}

TEST_F(MailStoreTest, AMessageInTheTrashIsNoLongerIdenticalToTheCardsCopy)
{
    store.DeselectAll();
    store.MarkRowDeleted(0);
    store.Purge();
    const MailBlock again({mailFrom("a", "01 Aug 2003 10:00:00")});
    EXPECT_EQ(store.AddRecords(again.first(), false, true, false), 1);
}

TEST_F(MailStoreTest, CellTextsAreEveryColumnWhateverTheFolderOnShow)
{
    using views::MailCell;
    ASSERT_EQ(store.folder(), MailStore::Inbox);
    const int outgoing = 2; // c, in the outbox, which is not on show
    EXPECT_EQ(store.cellText(outgoing, MailCell::From), "c");
    EXPECT_EQ(store.cellText(outgoing, MailCell::To), "owner@example.jp")
        << "the inbox shows no recipient column, the cell is still there";
    EXPECT_EQ(store.cellText(outgoing, MailCell::Date), "2003/08/03 10:00:00");
    EXPECT_EQ(store.cellText(outgoing, MailCell::Subject), "Hello");
    EXPECT_EQ(store.cellText(outgoing, MailCell::State), sjis("未読"));
    for (int row = 0; row < store.RowCount(); ++row) {
        EXPECT_EQ(store.cellText(store.rowIndex(row), MailCell::From), store.rowText(row, 1))
            << "the cells are what the rows show";
    }
    EXPECT_EQ(store.cellText(3, MailCell::From), "");
    EXPECT_EQ(store.cellText(-1, MailCell::Subject), "");
}

TEST(MailStoreCellsTest, StateTexts)
{
    EXPECT_STREQ(views::MailStateText(0), sjis("未読"));
    EXPECT_STREQ(views::MailStateText(1), sjis("既読"));
    EXPECT_STREQ(views::MailStateText(2), sjis("未送信"));
    EXPECT_STREQ(views::MailStateText(3), sjis("送信済み"));
    EXPECT_STREQ(views::MailStateText(5), sjis("既読"));
    EXPECT_STREQ(views::MailStateText(-1), "");
}

TEST(MailStoreLimitsTest, StopsAtThreeThousandMessages)
{
    std::vector<Mail> mails(3001);
    for (size_t i = 0; i < mails.size(); ++i)
        mails[i].from = std::to_string(i);
    const MailBlock block(mails);
    MailStore store;
    EXPECT_EQ(store.AddRecords(block.first(), false, true, false), MailStore::Ceiling);
    EXPECT_EQ(store.RecordCount(), MailStore::Ceiling);
}

TEST(MailStoreLimitsTest, RefusesWhatIsNoMailRecord)
{
    MailBlock block({Mail(), Mail()});
    RecordHeader header;
    std::memcpy(&header, block.bytes(), sizeof header);
    header.kind = KIND_BOOKMARK;
    std::memcpy(block.bytes(), &header, sizeof header);
    MailStore store;
    EXPECT_EQ(store.AddRecords(block.first(), true, true, false), 1);

    MailBlock circle({Mail(), Mail()});
    char *second = static_cast<char *>(RecordLink(circle.first(), RECORD_LINK_NEXT));
    SetRecordLink(second, RECORD_LINK_NEXT, circle.first());
    EXPECT_EQ(store.AddRecords(circle.first(), true, true, false), 0) << "a chain in a circle";
    EXPECT_EQ(store.AddRecords(nullptr, true, true, false), 0);
}

TEST(MailStoreLimitsTest, TheTextEndsWithTheRecord)
{
    Mail mail;
    mail.text = "abcdef";
    MailBlock block({mail});
    RecordHeader header;
    std::memcpy(&header, block.bytes(), sizeof header);
    header.size = MAIL_RECORD_FIXED_SIZE + 3; // the NUL lies beyond the record
    std::memcpy(block.bytes(), &header, sizeof header);
    MailStore store;
    ASSERT_EQ(store.AddRecords(block.first(), true, false, false), 1);
    EXPECT_EQ(store.text(0), "abc");
}

TEST(MailStoreLimitsTest, NewEmptiesTheStore)
{
    const MailBlock block({Mail()});
    MailStore store;
    store.AddRecords(block.first(), false, true, false);
    store.ResetData();
    EXPECT_EQ(store.RecordCount(), 0);
    EXPECT_EQ(store.RowCount(), 0);
    EXPECT_FALSE(store.isModified());
    EXPECT_EQ(store.Purge(), 0);
}

TEST(MailStoreSortTest, AHeaderClickSortsAndReverses)
{
    const MailBlock block({mailFrom("b", "1"), mailFrom("a", "2"), mailFrom("c", "3")});
    MailStore store;
    store.AddRecords(block.first(), false, true, false);
    store.SetSortColumn(1);
    EXPECT_EQ(column(store, 1), (std::vector<std::string>{"a", "b", "c"}));
    store.SetSortColumn(1);
    EXPECT_EQ(column(store, 1), (std::vector<std::string>{"c", "b", "a"}));
    EXPECT_TRUE(store.isSortDescending(1));
}

// The mail's PC file: the fixed parts of the messages, then a string section with their texts.
class MailPcImageTest : public testing::Test
{
protected:
    static constexpr uint32_t PluginCode = 0x44530101;
    static constexpr size_t SectionOffset = 32 + 2 * 800; // of the two-message image
    static constexpr size_t FirstEntry = SectionOffset + 32;

    MailPcImageTest()
    {
        Mail read = mailFrom("a@example.jp", "01 Aug 2003 12:00:00", MailStore::Inbox);
        read.state = 1;
        read.text = sjis("本文です\r\n");
        Mail sent = mailFrom("b@example.jp", "02 Aug 2003 12:00:00", MailStore::Outbox);
        sent.state = 3;
        sent.text = "Subject: Sent\r\n\r\nsent body\r\n";
        const MailBlock block({read, sent});
        source.AddRecords(block.first(), false, true, false);
        image = source.BuildPcBlock(PluginCode);
    }

    static uint32_t word(const std::vector<unsigned char> &bytes, size_t offset)
    {
        uint32_t value;
        std::memcpy(&value, bytes.data() + offset, sizeof value);
        return value;
    }
    static void putWord(std::vector<unsigned char> &bytes, size_t offset, uint32_t value)
    {
        std::memcpy(bytes.data() + offset, &value, sizeof value);
    }

    static void expectSameMessages(const MailStore &expected, const MailStore &actual)
    {
        ASSERT_EQ(actual.RecordCount(), expected.RecordCount());
        for (int i = 0; i < expected.RecordCount(); ++i) {
            EXPECT_EQ(actual.record(i)->box, expected.record(i)->box);
            EXPECT_EQ(actual.record(i)->state, expected.record(i)->state);
            EXPECT_STREQ(actual.record(i)->from, expected.record(i)->from);
            EXPECT_EQ(actual.record(i)->bodyLength, expected.record(i)->bodyLength);
            EXPECT_EQ(actual.text(i), expected.text(i));
        }
    }

    MailStore source;
    std::vector<unsigned char> image;
};

TEST_F(MailPcImageTest, AWrittenImageLoadsBackToTheSameMessages)
{
    const size_t entries = (10 + 25) + (28 + 25);
    ASSERT_EQ(image.size(), 32 + 2 * 800 + 32 + entries);
    EXPECT_EQ(std::memcmp(image.data(), "MPC", 4), 0);
    EXPECT_EQ(std::memcmp(image.data() + SectionOffset, "STR", 4), 0);
    EXPECT_EQ(word(image, SectionOffset + 16), 32 + entries);
    EXPECT_EQ(word(image, SectionOffset + 24), 2u);
    EXPECT_EQ(word(image, FirstEntry + 4), 10u + 25);
    EXPECT_EQ(word(image, FirstEntry + 20), 10u + 1);

    MailStore loaded;
    ASSERT_EQ(loaded.LoadPcBlock(image.data(), image.size(), PluginCode), -1);
    expectSameMessages(source, loaded);
    EXPECT_FALSE(loaded.isModified());
    EXPECT_EQ(loaded.RowCount(), 1); // the inbox's message
    EXPECT_EQ(loaded.BuildPcBlock(PluginCode), image);
}

TEST_F(MailPcImageTest, AnEmptyStoreSavesBothHeadersAndLoadsBackEmpty)
{
    const std::vector<unsigned char> empty = MailStore().BuildPcBlock(PluginCode);
    ASSERT_EQ(empty.size(), 64u);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(empty.data() + 32)), "STR");
    MailStore loaded;
    ASSERT_EQ(loaded.LoadPcBlock(image.data(), image.size(), PluginCode), -1);
    EXPECT_EQ(loaded.LoadPcBlock(empty.data(), empty.size(), PluginCode), -1);
    EXPECT_EQ(loaded.RecordCount(), 0);
}

TEST_F(MailPcImageTest, FewerTextsThanRecordsTakeOnlyAsManyMessages)
{
    const uint32_t firstEntrySize = word(image, FirstEntry + 4);
    putWord(image, SectionOffset + 16, 32 + firstEntrySize);
    putWord(image, SectionOffset + 20, firstEntrySize);
    putWord(image, SectionOffset + 24, 1);
    image.resize(FirstEntry + firstEntrySize);

    MailStore loaded;
    ASSERT_EQ(loaded.LoadPcBlock(image.data(), image.size(), PluginCode), -1);
    ASSERT_EQ(loaded.RecordCount(), 1);
    EXPECT_EQ(loaded.text(0), source.text(0));
}

TEST_F(MailPcImageTest, CodeZeroOpensAnywhereAnotherCodeChangesNothing)
{
    const std::vector<unsigned char> anywhere = source.BuildPcBlock(0);
    MailStore loaded;
    EXPECT_EQ(loaded.LoadPcBlock(anywhere.data(), anywhere.size(), 0x12345678), -1);
    expectSameMessages(source, loaded);

    MailStore other;
    const MailBlock block({mailFrom("c@example.jp", "03 Aug 2003 12:00:00")});
    other.AddRecords(block.first(), false, false, false);
    EXPECT_EQ(other.LoadPcBlock(image.data(), image.size(), PluginCode + 1), 1);
    ASSERT_EQ(other.RecordCount(), 1);
    EXPECT_STREQ(other.record(0)->from, "c@example.jp");
    EXPECT_TRUE(other.isModified());
}

TEST_F(MailPcImageTest, DamagedImagesAreRefusedAndChangeNothing)
{
    struct Damage
    {
        const char *name;
        void (*apply)(std::vector<unsigned char> &);
    };
    static const Damage damages[] = {
        {"no bytes", [](auto &bytes) { bytes.clear(); }},
        {"shorter than its header", [](auto &bytes) { bytes.resize(31); }},
        {"another type", [](auto &bytes) { bytes[0] = 'A'; }},
        {"record area not count x 800", [](auto &bytes) { putWord(bytes, 20, 1599); }},
        {"record count overflowing",
         [](auto &bytes) {
             putWord(bytes, 24, 0x80000002);
             putWord(bytes, 20, 0x80000002u * 800);
         }},
        {"records past the end", [](auto &bytes) { bytes.resize(SectionOffset - 1); }},
        {"no string section", [](auto &bytes) { bytes.resize(SectionOffset); }},
        {"section header cut", [](auto &bytes) { bytes.resize(SectionOffset + 31); }},
        {"section type", [](auto &bytes) { bytes[SectionOffset + 2] = 'X'; }},
        {"section signature", [](auto &bytes) { putWord(bytes, SectionOffset + 4, 0x10001); }},
        {"section header size", [](auto &bytes) { putWord(bytes, SectionOffset + 8, 28); }},
        {"section entry kind", [](auto &bytes) { putWord(bytes, SectionOffset + 12, 300); }},
        {"section end not 32 + size",
         [](auto &bytes) {
             putWord(bytes, SectionOffset + 16, word(bytes, SectionOffset + 16) - 1);
         }},
        {"entries past the end", [](auto &bytes) { bytes.pop_back(); }},
        {"entry count overflowing",
         [](auto &bytes) { putWord(bytes, SectionOffset + 24, 0xFFFFFFFF); }},
        {"more entries than the section holds",
         [](auto &bytes) { putWord(bytes, SectionOffset + 24, 3); }},
        {"entries not filling the section",
         [](auto &bytes) { putWord(bytes, SectionOffset + 24, 1); }},
        {"entry smaller than 25", [](auto &bytes) { putWord(bytes, FirstEntry + 4, 24); }},
        {"entry past the section", [](auto &bytes) { putWord(bytes, FirstEntry + 4, 0x7FFFFFFF); }},
        {"text size not entry size - 24",
         [](auto &bytes) { putWord(bytes, FirstEntry + 20, word(bytes, FirstEntry + 20) + 1); }},
        {"text without its NUL", [](auto &bytes) { bytes.back() = 'x'; }},
    };
    for (const Damage &damage : damages) {
        SCOPED_TRACE(damage.name);
        std::vector<unsigned char> damaged = image;
        damage.apply(damaged);
        MailStore store;
        const MailBlock block({mailFrom("c@example.jp", "03 Aug 2003 12:00:00")});
        store.AddRecords(block.first(), false, false, false);
        EXPECT_EQ(store.LoadPcBlock(damaged.empty() ? nullptr : damaged.data(), damaged.size(),
                                    PluginCode),
                  0);
        ASSERT_EQ(store.RecordCount(), 1);
        EXPECT_STREQ(store.record(0)->from, "c@example.jp");
        EXPECT_TRUE(store.isModified());
    }
}

TEST_F(MailPcImageTest, ATextLongerThanTheCardsWorkAreaLoadsWhole)
{
    Mail mail;
    mail.text = std::string(600000, 'a') + "end";
    const MailBlock block({mail});
    MailStore longText;
    ASSERT_EQ(longText.AddRecords(block.first(), false, false, false), 1);
    const std::vector<unsigned char> longImage = longText.BuildPcBlock(PluginCode);

    MailStore loaded;
    ASSERT_EQ(loaded.LoadPcBlock(longImage.data(), longImage.size(), PluginCode), -1);
    ASSERT_EQ(loaded.RecordCount(), 1);
    EXPECT_EQ(loaded.text(0), mail.text);
}

} // namespace
