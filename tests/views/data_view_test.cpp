#include "views/address/address_view.h"
#include "views/bookmark/bookmark_view.h"
#include "views/mail/mail_view.h"
#include "views/schedule/calendar_view.h"

#include "tests/app/fakes.h"
#include "tests/app/records.h"

#include <QTreeWidget>

#include <cstring>

#include <gtest/gtest.h>

namespace {

using platform::MessageAnswer;

void add(views::CBookMarkView &view, const std::vector<unsigned char> &record)
{
    ASSERT_EQ(view.store().MergeRecords(record.data(), true, false, false), 1);
}

void add(views::CMailView &view, const std::vector<unsigned char> &record)
{
    ASSERT_EQ(view.store().AddRecords(record.data(), true, false, false), 1);
    // Held as a PC file load leaves it: nothing unsaved.
    view.setModified(false);
}

void add(views::CCalendarView &view, const std::vector<unsigned char> &record)
{
    ASSERT_EQ(view.store().AddRecords(record.data(), true, false, false), 1);
    // Held as a PC file load leaves it: nothing unsaved.
    view.setModified(false);
}

void add(views::CAddressView &view, const std::vector<unsigned char> &record)
{
    AddressRecord entry;
    std::memcpy(&entry, record.data(), sizeof entry);
    view.store().setLimits({1000, false, true});
    ASSERT_EQ(view.store().AppendRecord(entry), 1);
}

TEST(DataViewTest, EachViewHasItsKindColumnsAndStartsEmpty)
{
    views::CBookMarkView bookmarks;
    views::CAddressView addresses;
    views::CMailView mail;
    views::CCalendarView schedule;
    const views::DataView *all[] = {&bookmarks, &addresses, &mail, &schedule};
    const int columns[] = {3, 11, 4, 7};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(all[i]->viewKind(), i + 1);
        EXPECT_EQ(all[i]->list()->columnCount(), columns[i]) << i;
        EXPECT_EQ(all[i]->entryCount(), 0);
        EXPECT_EQ(all[i]->listRowCount(), 0);
        EXPECT_FALSE(all[i]->isModified());
    }
    EXPECT_EQ(addresses.list()->headerItem()->text(1), QString::fromUtf8("名前"));
    EXPECT_EQ(schedule.list()->headerItem()->text(0), QString::fromUtf8("開始時間"));
}

TEST(DataViewTest, OwnersEntryIsNeitherListedNorCounted)
{
    views::CAddressView view;
    add(view, addressRecord(99999, "owner"));
    add(view, addressRecord(7, "\x91\xBE\x98Y")); // 太郎
    add(view, addressRecord(3, "Jiro"));
    view.refresh();
    EXPECT_EQ(view.entryCount(), 2);
    ASSERT_EQ(view.listRowCount(), 2);
    EXPECT_EQ(view.list()->topLevelItem(0)->text(0), "003") << "sorted by memory number";
    EXPECT_EQ(view.list()->topLevelItem(1)->text(1), QString::fromUtf8("太郎"));
    EXPECT_EQ(view.list()->topLevelItem(0)->data(0, Qt::UserRole).toInt(), 2)
        << "rows carry their store index";
}

TEST(DataViewTest, DeletingMarksThenCompactsAndSetsTheUnsavedFlag)
{
    views::CBookMarkView view;
    for (const char *title : {"a", "b", "c"})
        add(view, bookmarkRecord(title));
    view.refresh();
    view.deleteEntryAtRow(1);
    view.deleteEntryAtRow(7);
    view.compact();
    EXPECT_EQ(view.entryCount(), 2);
    view.refresh();
    EXPECT_EQ(view.listRowCount(), 2);
    EXPECT_EQ(view.list()->topLevelItem(1)->text(0), "c");
    EXPECT_TRUE(view.isModified());
    view.selectAllRows();
    for (int row : view.selectedRows())
        view.deleteEntryAtRow(row);
    view.compact();
    EXPECT_FALSE(view.isModified()) << "nothing left to save";
}

TEST(DataViewTest, NewDataAsksOnlyWithUnsavedDataAndCancelKeepsEverything)
{
    ScriptedMessages messages;
    std::vector<int> saves;
    bool saved = false;
    views::CCalendarView view;
    view.setServices(&messages, [&](int kind) {
        saves.push_back(kind);
        return saved;
    });
    add(view, makeRecord(1003, 664));
    view.setPcFile("/data/", "plan.cpc");
    EXPECT_TRUE(view.newData()) << "clean data goes without a question";
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(view.entryCount(), 0);
    EXPECT_EQ(view.pcName(), "");

    add(view, makeRecord(1003, 664));
    view.setModified(true);
    messages.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(view.newData());
    EXPECT_EQ(view.entryCount(), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].buttons, platform::MessageButtons::YesNoCancel);
    EXPECT_EQ(messages.shown[0].defaultAnswer, MessageAnswer::Cancel);
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Warning);

    messages.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(view.newData()) << "a save that did not happen keeps the data";
    EXPECT_EQ(saves, std::vector<int>{4});
    EXPECT_EQ(view.entryCount(), 1);

    saved = true;
    messages.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(view.newData());
    EXPECT_EQ(view.entryCount(), 0);
    EXPECT_FALSE(view.isModified());

    add(view, makeRecord(1003, 664));
    view.setModified(true);
    messages.answers = {MessageAnswer::No};
    EXPECT_TRUE(view.newData());
    EXPECT_EQ(view.entryCount(), 0);
}

TEST(DataViewTest, YesWithoutASaveDiscardsNothing)
{
    ScriptedMessages messages;
    views::CAddressView view;
    view.setServices(&messages, nullptr);
    add(view, addressRecord(1, "Taro"));
    view.setModified(true);
    messages.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(view.newData());
    EXPECT_EQ(view.entryCount(), 1);
    EXPECT_EQ(messages.shown.at(0).defaultAnswer, MessageAnswer::No);
    EXPECT_EQ(messages.shown.at(0).icon, platform::MessageIcon::Question);
}

TEST(DataViewTest, SelectionChangesAreReported)
{
    views::CMailView view;
    std::vector<std::pair<int, int>> reports;
    QObject::connect(&view, &views::DataView::selectionChanged,
                     [&](int selected, int total) { reports.emplace_back(selected, total); });
    std::vector<unsigned char> mail = makeRecord(1002, 800);
    add(view, mail);
    add(view, mail);
    view.refresh();
    view.selectRow(1);
    view.selectRow(5);
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.front(), std::make_pair(0, 2));
    EXPECT_EQ(reports.back(), std::make_pair(1, 2));
    EXPECT_EQ(view.selectedRows(), std::vector<int>{1});
    view.clearSelection();
    EXPECT_TRUE(view.selectedRows().empty());
}

} // namespace
