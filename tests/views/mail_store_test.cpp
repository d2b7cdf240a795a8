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

} // namespace
