#include "views/address/address_multi_edit_dialog.h"
#include "views/address/address_store.h"

#include "address_edit_test_models.h"
#include "common/data_kind.h"
#include "common/sjis_literal.h"
#include "views/common/qt_text.h"

#include <QComboBox>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

using views::toQString;

AddressRecord groupedRecord(int32_t memoryNumber, int32_t group, const char *groupName,
                            int32_t illumination)
{
    AddressRecord record{};
    record.header.version = RECORD_VERSION_ADDRESS;
    record.header.size = sizeof(AddressRecord);
    record.header.kind = KIND_ADDRESS;
    record.memoryNumber = memoryNumber;
    record.groupNumber = group;
    std::strcpy(record.groupName, groupName);
    std::snprintf(record.name, sizeof record.name, "Entry %d", int(memoryNumber));
    record.illumination = illumination;
    return record;
}

class AddressMultiEditDialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        store.setLimits({.maximumEntries = 1000});
        setup.optionName = fakeOptionNames();
        setup.limits = p505iLimits();
        const AddressRecord records[] = {
            groupedRecord(10, 1, sjis("家族"), 0x0102),
            groupedRecord(11, 2, sjis("友人"), 0x0000),
            groupedRecord(12, 2, sjis("友人"), 0x0201),
        };
        for (const AddressRecord &record : records)
            ASSERT_EQ(store.MergeRecords(&record, true, false, false), 1);
        store.setModified(false);
    }

    views::AddressMultiEditDialog &open(std::vector<int> indexes)
    {
        dialog = std::make_unique<views::AddressMultiEditDialog>(store, std::move(indexes), setup);
        return *dialog;
    }

    std::vector<AddressRecord> stored() const
    {
        std::vector<AddressRecord> records;
        for (int index = 0; index < store.RecordCount(); ++index)
            records.push_back(*store.record(index));
        return records;
    }

    views::AddressStore store;
    views::AddressEditSetup setup;
    std::unique_ptr<views::AddressMultiEditDialog> dialog;
};

TEST_F(AddressMultiEditDialogTest, ListsStartOnNoChange)
{
    open({0, 2});
    EXPECT_EQ(dialog->windowTitle(), toQString(sjis("ｱﾄﾞﾚｽ帳 - 編集(複数選択)")));
    QComboBox *group = dialog->groupList();
    ASSERT_EQ(group->count(), 4);
    EXPECT_EQ(group->itemText(0), toQString(sjis("変更しない")));
    EXPECT_EQ(group->itemText(1), toQString(sjis("なし")));
    EXPECT_EQ(group->itemText(2), toQString(sjis("   1: [家族]")));
    EXPECT_EQ(group->itemText(3), toQString(sjis("   2: [友人]")));
    QComboBox *phone = dialog->phoneIlluminationList();
    ASSERT_EQ(phone->count(), 4);
    EXPECT_EQ(phone->itemText(1), toQString(sjis("ﾚｯﾄﾞ")));
    EXPECT_EQ(phone->itemData(1).toInt(), 0);
    for (QComboBox *list : {group, phone, dialog->mailIlluminationList()})
        EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_TRUE(phone->isEnabled());
    EXPECT_TRUE(dialog->mailIlluminationList()->isEnabled());
}

TEST_F(AddressMultiEditDialogTest, IlluminationListsNeedTheModelsSupport)
{
    setup.limits = sh505iLimits();
    open({0});
    EXPECT_FALSE(dialog->phoneIlluminationList()->isEnabled());
    EXPECT_FALSE(dialog->mailIlluminationList()->isEnabled());
    EXPECT_TRUE(dialog->groupList()->isEnabled());
}

TEST_F(AddressMultiEditDialogTest, NoChangeEverywhereChangesNothing)
{
    const std::vector<AddressRecord> before = stored();
    open({0, 1, 2}).accept();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const std::vector<AddressRecord> after = stored();
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(std::memcmp(&before[i], &after[i], sizeof(AddressRecord)), 0) << i;
    EXPECT_FALSE(store.isModified());
}

TEST_F(AddressMultiEditDialogTest, NoGroupRemovesTheGroupFromEverySelectedRecord)
{
    open({0, 2});
    dialog->groupList()->setCurrentIndex(1);
    dialog->accept();
    EXPECT_EQ(store.record(0)->groupNumber, -1);
    EXPECT_EQ(store.record(2)->groupNumber, -1);
    EXPECT_EQ(store.record(1)->groupNumber, 2);
    // Nothing else changed.
    EXPECT_EQ(store.record(0)->illumination, 0x0102);
    EXPECT_EQ(store.record(2)->illumination, 0x0201);
    EXPECT_TRUE(store.isModified());
}

TEST_F(AddressMultiEditDialogTest, ChosenGroupAndIlluminationReachEverySelectedRecord)
{
    open({0, 1});
    dialog->groupList()->setCurrentIndex(3);
    dialog->phoneIlluminationList()->setCurrentIndex(3); // the third colour, value 2
    dialog->accept();
    for (const int index : {0, 1}) {
        AddressRecord record{};
        ASSERT_EQ(store.GetRecord(index, record), 1);
        EXPECT_EQ(record.groupNumber, 2) << index;
        EXPECT_STREQ(record.groupName, sjis("友人")) << index;
        EXPECT_EQ((record.illumination >> 8) & 0xFF, 2) << index;
    }
    EXPECT_EQ(store.record(0)->illumination & 0xFF, 0x02);
    EXPECT_EQ(store.record(2)->illumination, 0x0201);
}

TEST_F(AddressMultiEditDialogTest, CancelChangesNothing)
{
    open({0, 2});
    dialog->groupList()->setCurrentIndex(1);
    dialog->reject();
    EXPECT_EQ(store.record(0)->groupNumber, 1);
    EXPECT_FALSE(store.isModified());
}

} // namespace
