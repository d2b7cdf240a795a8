#include "views/address/address_basic_page.h"
#include "views/address/address_edit_dialog.h"
#include "views/address/address_note_page.h"
#include "views/address/address_postal_page.h"
#include "views/address/address_slot_page.h"
#include "views/address/address_store.h"
#include "views/common/sjis_edits.h"

#include "address_edit_test_models.h"
#include "common/data_kind.h"
#include "common/sjis_literal.h"
#include "tests/app/fakes.h"
#include "views/common/qt_text.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

namespace {

using views::toQString;

bool isLocked(const QLineEdit *edit)
{
    return edit->isReadOnly() && !edit->isEnabled();
}

bool takesInputMethod(const QWidget *edit)
{
    return edit->testAttribute(Qt::WA_InputMethodEnabled);
}

void commit(QWidget *edit, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

class AddressEditDialogTest : public testing::Test
{
protected:
    AddressEditDialogTest() { setup.optionName = fakeOptionNames(); }

    views::AddressEditDialog &open(const AddressLimits &limits, bool newMode = false)
    {
        setup.limits = limits;
        setup.messages = &messages;
        dialog = std::make_unique<views::AddressEditDialog>(
            buffer, newMode, setup, groups, [this](int32_t number) { return number == taken; });
        return *dialog;
    }

    bool accepted() { return dialog->result() == QDialog::Accepted; }

    views::AddressEditSetup setup;
    views::GroupTable groups;
    ScriptedMessages messages;
    AddressRecord buffer = addressRecord(7, "");
    int32_t taken = -1;
    std::unique_ptr<views::AddressEditDialog> dialog;
};

TEST_F(AddressEditDialogTest, TitleAndTabsFollowTheMode)
{
    EXPECT_EQ(open(n505iLimits(), true).windowTitle(), toQString(sjis("ｱﾄﾞﾚｽ帳 - 新規作成")));
    EXPECT_EQ(open(n505iLimits(), false).windowTitle(), toQString(sjis("ｱﾄﾞﾚｽ帳 - 編集")));
    const char *tabs[]
        = {sjis("基本項目"), sjis("電話番号"), sjis("ﾒｰﾙｱﾄﾞﾚｽ"), sjis("住所"), sjis("その他")};
    ASSERT_EQ(dialog->tabs()->count(), 5);
    for (int tab = 0; tab < 5; ++tab)
        EXPECT_EQ(dialog->tabs()->tabText(tab), toQString(tabs[tab]));
    EXPECT_EQ(dialog->tabs()->currentIndex(), 0);
}

TEST_F(AddressEditDialogTest, Sh505iShowsPhoneFourAndMailsTwoToFourLocked)
{
    open(sh505iLimits());
    views::AddressSlotPage *phones = dialog->phonePage();
    ASSERT_EQ(phones->slotList()->count(), 4);
    EXPECT_EQ(phones->slotList()->itemText(3), toQString(sjis("電話番号 4")));
    for (int slot = 0; slot < 4; ++slot) {
        phones->slotList()->setCurrentIndex(slot);
        EXPECT_EQ(isLocked(phones->textEdit()), slot == 3) << slot;
        EXPECT_EQ(phones->iconList()->isEnabled(), slot < 3) << slot;
        EXPECT_FALSE(phones->illuminationList()->isEnabled()) << slot;
        // Unlocking must not let the input method back in.
        EXPECT_FALSE(takesInputMethod(phones->textEdit())) << slot;
    }
    views::AddressSlotPage *mails = dialog->mailPage();
    EXPECT_EQ(mails->slotList()->itemText(0), toQString(sjis("ﾒｰﾙｱﾄﾞﾚｽ 1")));
    for (int slot = 0; slot < 4; ++slot) {
        mails->slotList()->setCurrentIndex(slot);
        EXPECT_EQ(isLocked(mails->textEdit()), slot > 0) << slot;
        // The SH505i has no mail icons.
        EXPECT_FALSE(mails->iconList()->isEnabled()) << slot;
    }
    EXPECT_TRUE(isLocked(dialog->postalPage()->postalCodeEdit()));
    EXPECT_TRUE(isLocked(dialog->postalPage()->postalAddressEdit()));
    EXPECT_FALSE(dialog->notePage()->noteEdit()->isReadOnly());
}

TEST_F(AddressEditDialogTest, AModelWithoutANoteLocksIt)
{
    open(so505iLimits());
    views::SjisNoteEdit *note = dialog->notePage()->noteEdit();
    EXPECT_TRUE(note->isReadOnly());
    EXPECT_FALSE(note->isEnabled());
    EXPECT_EQ(note->palette().color(QPalette::Disabled, QPalette::Base),
              note->palette().color(QPalette::Active, QPalette::Button));
    EXPECT_FALSE(isLocked(dialog->postalPage()->postalAddressEdit()));
    EXPECT_TRUE(isLocked(dialog->postalPage()->postalCodeEdit()));
}

TEST_F(AddressEditDialogTest, LockedFieldsTakeNoInput)
{
    std::strcpy(buffer.phones[3].number, "0120");
    open(sh505iLimits());
    views::AddressSlotPage *phones = dialog->phonePage();
    phones->slotList()->setCurrentIndex(3);
    EXPECT_EQ(phones->textEdit()->text(), "0120");
    QTest::keyClicks(phones->textEdit(), "99");
    EXPECT_STREQ(buffer.phones[3].number, "0120");
}

TEST_F(AddressEditDialogTest, FieldsTakeNoMoreBytesThanTheModelAllows)
{
    AddressLimits limits = n505iLimits();
    limits.nameLength = 5;
    open(limits);
    views::SjisLineEdit *name = dialog->basicPage()->nameEdit();
    QTest::keyClicks(name, "abcdefgh");
    EXPECT_EQ(name->text(), "abcde");
    EXPECT_STREQ(buffer.name, "abcde");

    // A paste keeps as many whole characters as fit, where it was put.
    name->setSjisText("xy");
    name->setCursorPosition(1);
    name->insert(toQString(sjis("あいう")));
    EXPECT_EQ(name->sjisText(), sjis("xあy"));
    EXPECT_EQ(name->cursorPosition(), 2);
    EXPECT_STREQ(buffer.name, sjis("xあy"));

    views::SjisLineEdit *phone = dialog->phonePage()->textEdit();
    QTest::keyClicks(phone, "0123456789012345678901234567");
    EXPECT_EQ(phone->text().size(), 24);
}

TEST_F(AddressEditDialogTest, TextBeyondTheLimitFromTheRecordIsShownWhole)
{
    std::strcpy(buffer.name, "abcdefghij");
    AddressLimits limits = n505iLimits();
    limits.nameLength = 5;
    open(limits);
    views::SjisLineEdit *name = dialog->basicPage()->nameEdit();
    EXPECT_EQ(name->text(), "abcdefghij");
    name->end(false);
    QTest::keyClicks(name, "k");
    EXPECT_EQ(name->text(), "abcdefghij");
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_STREQ(buffer.name, "abcdefghi");
}

TEST_F(AddressEditDialogTest, MemoryNumberTakesThreeTypedDigits)
{
    open(n505iLimits());
    views::SjisLineEdit *number = dialog->basicPage()->memoryNumberEdit();
    EXPECT_EQ(number->text(), "007");
    number->end(false);
    QTest::keyClicks(number, "5");
    EXPECT_EQ(number->text(), "007");
    EXPECT_EQ(buffer.memoryNumber, 7);

    number->selectAll();
    QTest::keyClicks(number, "4x5");
    EXPECT_EQ(number->text(), "45");
    EXPECT_EQ(buffer.memoryNumber, 45);

    number->selectAll();
    number->insert("0045");
    EXPECT_EQ(number->text(), "0045");
    EXPECT_EQ(buffer.memoryNumber, 45);

    number->selectAll();
    number->insert("1000");
    EXPECT_EQ(number->text(), "999");
    EXPECT_EQ(buffer.memoryNumber, 999);

    // Pasted text keeps its digits only.
    number->selectAll();
    number->insert("1a2");
    EXPECT_EQ(number->text(), "12");
    EXPECT_EQ(buffer.memoryNumber, 12);
}

TEST_F(AddressEditDialogTest, PhoneNumbersTakeDigitsAndHyphens)
{
    open(n505iLimits());
    views::SjisLineEdit *phone = dialog->phonePage()->textEdit();
    QTest::keyClicks(phone, "03-12ab+ 34");
    EXPECT_EQ(phone->text(), "03-1234");
    EXPECT_STREQ(buffer.phones[0].number, "03-1234");

    dialog->phonePage()->slotList()->setCurrentIndex(2);
    EXPECT_EQ(phone->text(), "");
    QTest::keyClicks(phone, "090");
    EXPECT_STREQ(buffer.phones[2].number, "090");
    EXPECT_STREQ(buffer.phones[0].number, "03-1234");
    dialog->phonePage()->slotList()->setCurrentIndex(0);
    EXPECT_EQ(phone->text(), "03-1234");
}

TEST_F(AddressEditDialogTest, InputMethodIsOffWhereOnlyLatinBelongs)
{
    open(n505iLimits());
    EXPECT_FALSE(takesInputMethod(dialog->basicPage()->memoryNumberEdit()));
    EXPECT_FALSE(takesInputMethod(dialog->basicPage()->readingEdit()));
    EXPECT_FALSE(takesInputMethod(dialog->phonePage()->textEdit()));
    EXPECT_FALSE(takesInputMethod(dialog->mailPage()->textEdit()));
    EXPECT_FALSE(takesInputMethod(dialog->postalPage()->postalCodeEdit()));
    EXPECT_TRUE(takesInputMethod(dialog->basicPage()->nameEdit()));
    EXPECT_TRUE(takesInputMethod(dialog->postalPage()->postalAddressEdit()));

    // Composition sent anyway does not reach a closed field.
    commit(dialog->basicPage()->readingEdit(), toQString(sjis("あ")));
    EXPECT_EQ(dialog->basicPage()->readingEdit()->text(), "");
}

TEST_F(AddressEditDialogTest, ReadingFollowsTheName)
{
    open(n505iLimits());
    views::SjisLineEdit *name = dialog->basicPage()->nameEdit();
    views::SjisLineEdit *reading = dialog->basicPage()->readingEdit();

    commit(name, toQString(sjis("やまだ")));
    EXPECT_EQ(name->sjisText(), sjis("やまだ"));
    EXPECT_EQ(reading->sjisText(), sjis("ﾔﾏﾀﾞ"));
    // Kanji have no reading the editor can know.
    commit(name, toQString(sjis("太郎")));
    EXPECT_EQ(name->sjisText(), sjis("やまだ太郎"));
    EXPECT_EQ(reading->sjisText(), sjis("ﾔﾏﾀﾞ"));
    QTest::keyClicks(name, "A");
    EXPECT_EQ(reading->sjisText(), sjis("ﾔﾏﾀﾞA"));
    EXPECT_STREQ(buffer.reading, sjis("ﾔﾏﾀﾞA"));

    // Replacing the whole name starts the reading afresh.
    name->selectAll();
    commit(name, toQString(sjis("はなこ")));
    EXPECT_EQ(reading->sjisText(), sjis("ﾊﾅｺ"));

    name->selectAll();
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(reading->text(), "");
    EXPECT_STREQ(buffer.reading, "");
}

TEST_F(AddressEditDialogTest, ReadingIsCutToItsLimit)
{
    AddressLimits limits = p505iLimits(); // reading of 10 bytes
    open(limits);
    commit(dialog->basicPage()->nameEdit(), toQString(sjis("がっこうのせんせいです")));
    EXPECT_EQ(dialog->basicPage()->readingEdit()->sjisText(), sjis("ｶﾞｯｺｳﾉｾﾝｾｲ"));
}

TEST_F(AddressEditDialogTest, IconValuesWithoutANameShowAsNumbersAndSurvive)
{
    buffer.phones[0].icon = 1;
    buffer.phones[1].icon = 17;
    buffer.phones[3].icon = 17;
    buffer.mails[0].icon = 9;
    buffer.illumination = (20 << 8) | 2;
    open(p505iLimits());
    views::AddressSlotPage *phones = dialog->phonePage();
    ASSERT_EQ(phones->iconList()->count(), 3);
    EXPECT_EQ(phones->iconList()->itemText(2), "17");
    EXPECT_EQ(phones->iconList()->currentText(), toQString(sjis("自宅")));

    phones->slotList()->setCurrentIndex(1);
    EXPECT_EQ(phones->iconList()->currentText(), "17");
    QTest::keyClicks(phones->textEdit(), "03");
    EXPECT_EQ(buffer.phones[1].icon, 17);

    EXPECT_EQ(phones->illuminationList()->currentText(), "20");
    EXPECT_EQ(dialog->mailPage()->illuminationList()->currentText(), toQString(sjis("ｸﾞﾘｰﾝ")));
    EXPECT_EQ(dialog->mailPage()->iconList()->currentText(), "9");

    phones->iconList()->setCurrentIndex(0);
    EXPECT_EQ(buffer.phones[1].icon, 0);
    EXPECT_EQ(buffer.phones[0].icon, 1);
    EXPECT_EQ(buffer.phones[3].icon, 17);
    EXPECT_EQ(buffer.illumination, (20 << 8) | 2);

    dialog->mailPage()->illuminationList()->setCurrentIndex(1);
    EXPECT_EQ(buffer.illumination, (20 << 8) | 1);
}

TEST_F(AddressEditDialogTest, GroupChoiceSetsNumberAndName)
{
    int friends = 3;
    groups.registerGroup(sjis("友人"), friends);
    buffer.groupNumber = 3;
    open(n505iLimits());
    QComboBox *list = dialog->basicPage()->groupList();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentText(), toQString(sjis("   3: [友人]")));
    list->setCurrentIndex(0);
    EXPECT_EQ(list->currentText(), toQString(sjis("なし")));
    EXPECT_EQ(buffer.groupNumber, -1);
    EXPECT_STREQ(buffer.groupName, "");
    list->setCurrentIndex(1);
    EXPECT_EQ(buffer.groupNumber, 3);
    EXPECT_STREQ(buffer.groupName, sjis("友人"));
}

TEST_F(AddressEditDialogTest, NoteStaysOnOneLineWithinItsLimit)
{
    open(n505iLimits());
    views::SjisNoteEdit *note = dialog->notePage()->noteEdit();
    note->insertPlainText("one\ntwo\r\nthree");
    EXPECT_EQ(note->toPlainText(), "onetwothree");
    EXPECT_STREQ(buffer.note, "onetwothree");
    note->insertPlainText(QString(120, 'x'));
    EXPECT_EQ(note->toPlainText().size(), 100);
    EXPECT_EQ(std::strlen(buffer.note), 100u);
}

TEST_F(AddressEditDialogTest, OkShowsTheRefusalsInOrderAndStaysOpen)
{
    AddressLimits limits = n505iLimits();
    limits.numbersBelowCapacity = 1;
    limits.capacity = 500;
    taken = 7;
    open(limits);
    dialog->postalPage()->postalCodeEdit()->insert("12345");

    const app::TextId expected[]
        = {app::TextId::AddressNeedsNameOrPhone, app::TextId::PostalCodeShape,
           app::TextId::MemoryNumberTaken, app::TextId::MemoryNumberTooHigh};
    const std::function<void()> fixes[] = {
        [&] { QTest::keyClicks(dialog->basicPage()->nameEdit(), "Yamada"); },
        [&] { dialog->postalPage()->postalCodeEdit()->setText("1234567"); },
        [&] {
            dialog->basicPage()->memoryNumberEdit()->selectAll();
            QTest::keyClicks(dialog->basicPage()->memoryNumberEdit(), "600");
        },
        [&] {
            dialog->basicPage()->memoryNumberEdit()->selectAll();
            QTest::keyClicks(dialog->basicPage()->memoryNumberEdit(), "499");
        },
    };
    for (size_t step = 0; step < 4; ++step) {
        dialog->accept();
        ASSERT_EQ(messages.shown.size(), step + 1);
        const platform::Message &shown = messages.shown.back();
        EXPECT_EQ(shown.icon, platform::MessageIcon::Warning);
        EXPECT_EQ(shown.caption, app::text(app::TextId::AppTitle));
        EXPECT_FALSE(accepted()) << step;
        if (expected[step] == app::TextId::MemoryNumberTooHigh)
            EXPECT_EQ(shown.text, app::formatText(expected[step], 499));
        else
            EXPECT_EQ(shown.text, app::text(expected[step]));
        fixes[step]();
    }
    dialog->accept();
    EXPECT_EQ(messages.shown.size(), 4u);
    EXPECT_TRUE(accepted());
    EXPECT_STREQ(buffer.postalCode, "123-4567");
    EXPECT_EQ(buffer.memoryNumber, 499);
}

// EditAddress runs the dialog modally; the test answers it from inside its event loop.
class EditAddressTest : public testing::Test
{
protected:
    void SetUp() override
    {
        store.setLimits({.maximumEntries = 1000});
        setup.limits = n505iLimits();
        setup.optionName = fakeOptionNames();
        setup.messages = &messages;
        AddressRecord first = addressRecord(10, "First");
        AddressRecord second = addressRecord(12, "Second");
        ASSERT_EQ(store.MergeRecords(&first, true, false, false), 1);
        ASSERT_EQ(store.MergeRecords(&second, true, false, false), 1);
        store.setModified(false);
    }

    // Runs EditAddress, handing its dialog to answer once it is up.
    views::EditResult run(bool newMode,
                          const std::function<void(views::AddressEditDialog &)> &answer)
    {
        bool answered = false;
        QTimer::singleShot(0, [&] {
            auto *dialog
                = qobject_cast<views::AddressEditDialog *>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            answered = true;
            answer(*dialog);
            // A refused OK leaves the dialog open; the test then gives up on it.
            if (dialog->isVisible())
                dialog->reject();
        });
        const views::EditResult result = views::EditAddress(store, setup, newMode);
        EXPECT_TRUE(answered);
        return result;
    }

    int rowOf(int index) const
    {
        for (int row = 0; row < store.RowCount(); ++row) {
            if (store.rowIndex(row) == index)
                return row;
        }
        return -1;
    }

    views::AddressStore store;
    views::AddressEditSetup setup;
    ScriptedMessages messages;
};

TEST_F(EditAddressTest, NewModeAddsTheRecordAsTheOnlySelectedRow)
{
    store.setRowSelected(rowOf(0), true);
    const auto result = run(true, [](views::AddressEditDialog &dialog) {
        EXPECT_EQ(dialog.basicPage()->memoryNumberEdit()->text(), "011");
        QTest::keyClicks(dialog.basicPage()->nameEdit(), "Third");
        dialog.accept();
    });
    EXPECT_EQ(result, views::EditResult::Applied);
    ASSERT_EQ(store.RecordCount(), 3);
    EXPECT_STREQ(store.record(2)->name, "Third");
    EXPECT_EQ(store.record(2)->memoryNumber, 11);
    EXPECT_EQ(store.selectedRows(), std::vector<int>{rowOf(2)});
    EXPECT_TRUE(store.isModified());
}

TEST_F(EditAddressTest, EditModeReplacesTheFirstSelectedRecord)
{
    store.setRowSelected(rowOf(1), true);
    const auto result = run(false, [](views::AddressEditDialog &dialog) {
        EXPECT_EQ(dialog.basicPage()->nameEdit()->text(), "Second");
        dialog.basicPage()->nameEdit()->selectAll();
        QTest::keyClicks(dialog.basicPage()->nameEdit(), "Changed");
        // Its own memory number is no duplicate.
        dialog.accept();
    });
    EXPECT_EQ(result, views::EditResult::Applied);
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_EQ(store.RecordCount(), 2);
    EXPECT_STREQ(store.record(1)->name, "Changed");
    EXPECT_EQ(store.record(1)->memoryNumber, 12);
}

TEST_F(EditAddressTest, AnotherRecordsNumberIsRefused)
{
    store.setRowSelected(rowOf(1), true);
    const auto result = run(false, [](views::AddressEditDialog &dialog) {
        dialog.basicPage()->memoryNumberEdit()->selectAll();
        QTest::keyClicks(dialog.basicPage()->memoryNumberEdit(), "10");
        dialog.accept();
    });
    EXPECT_EQ(result, views::EditResult::Cancelled);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, app::text(app::TextId::MemoryNumberTaken));
    EXPECT_EQ(store.record(1)->memoryNumber, 12);
    EXPECT_FALSE(store.isModified());
}

TEST_F(EditAddressTest, CancelChangesNothing)
{
    store.setRowSelected(rowOf(0), true);
    const auto result = run(false, [](views::AddressEditDialog &dialog) {
        QTest::keyClicks(dialog.basicPage()->nameEdit(), "More");
        dialog.reject();
    });
    EXPECT_EQ(result, views::EditResult::Cancelled);
    EXPECT_STREQ(store.record(0)->name, "First");
    EXPECT_FALSE(store.isModified());
}

TEST_F(EditAddressTest, EditModeWithoutASelectionOpensNothing)
{
    EXPECT_EQ(views::EditAddress(store, setup, false), views::EditResult::Cancelled);
}

} // namespace
