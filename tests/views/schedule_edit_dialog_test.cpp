#include "views/schedule/schedule_edit_dialog.h"

#include "app/string_table.h"
#include "common/data_kind.h"
#include "common/sjis_literal.h"
#include "views/common/qt_text.h"
#include "views/common/sjis_edits.h"
#include "views/schedule/schedule_times_page.h"

#include "schedule_test_clock.h"
#include "tests/app/fakes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cstring>

#include <gtest/gtest.h>

namespace {

using views::AlarmMode;
using views::ScheduleEditDialog;
using views::ScheduleEditSetup;

ScheduleRecord entry(const char *start, const char *end)
{
    ScheduleRecord record{};
    record.header = {RECORD_VERSION_SCHEDULE, sizeof(ScheduleRecord), KIND_SCHEDULE, 0, 0};
    std::strcpy(record.start, start);
    std::strcpy(record.end, end);
    return record;
}

// The P505i's choices: end time with a free end date, alarm at a date only, volumes.
ScheduleEditSetup p505i(ScheduleTestClock &clock, ScriptedMessages &messages)
{
    ScheduleLimits limits{};
    limits.startTimeOption = 1;
    limits.endTimeOption = 1;
    limits.descriptionLength = 200;
    limits.highestRepeatRule = 3;
    limits.alarmOption = 1;
    limits.alarmTimeOption = 1;
    limits.alarmVolumeChoice = 1;
    limits.firstYear = 2000;
    limits.lastYear = 2099;
    ScheduleEditSetup setup;
    setup.features = views::scheduleEditFeatures(limits);
    setup.names.volumes = {sjis("音なし"), sjis("１"), sjis("２"), sjis("３"),
                           sjis("４"),     sjis("５"), sjis("６"), sjis("ステップトーン")};
    setup.names.icons = {sjis("デート"), sjis("食事")};
    setup.messages = &messages;
    setup.clock = &clock;
    return setup;
}

void leave(views::SjisLineEdit *edit, const char *text)
{
    edit->setFocus();
    edit->setText(text);
    emit edit->editingFinished();
}

class ScheduleEditDialogTest : public testing::Test
{
protected:
    ScheduleTestClock clock;
    ScriptedMessages messages;
    ScheduleEditSetup setup = p505i(clock, messages);
};

TEST_F(ScheduleEditDialogTest, PagesOfferOnlyWhatTheModelHas)
{
    ScheduleRecord record = entry("20030505T000000Z", "20030505T010000Z");
    record.alarmVolume = 3;
    ScheduleEditDialog dialog(record, true, setup);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("ｽｹｼﾞｭｰﾙ - 新規作成"));
    ASSERT_EQ(dialog.tabs()->count(), 2);
    EXPECT_EQ(dialog.tabs()->tabText(0), QString::fromUtf8("内容／日時"));
    EXPECT_EQ(dialog.tabs()->tabText(1), QString::fromUtf8("アラーム／アイコン"));
    views::ScheduleTimesPage *times = dialog.timesPage();
    EXPECT_EQ(times->startEdits()[0]->text(), "2003");
    EXPECT_EQ(times->startEdits()[3]->text(), "9");
    EXPECT_FALSE(times->allDayBox()->isEnabled());
    EXPECT_EQ(times->repeatRuleList()->count(), 4);
    EXPECT_FALSE(times->repeatCountList()->isEnabled());
    EXPECT_FALSE(times->weekdayBox(0)->isEnabled());
    EXPECT_TRUE(times->summaryEdit()->isReadOnly()) << "no summary on this model";
    views::ScheduleAlarmPage *alarm = dialog.alarmPage();
    EXPECT_TRUE(alarm->alarmBox()->isEnabled());
    EXPECT_FALSE(alarm->modeButton(AlarmMode::BeforeStart)->isEnabled());
    EXPECT_FALSE(alarm->toneList()->isEnabled());
    EXPECT_TRUE(alarm->volumeList()->isEnabled());
    EXPECT_EQ(alarm->volumeList()->currentText(), QString::fromUtf8("３"));
    EXPECT_TRUE(alarm->iconList()->isEnabled());
}

TEST_F(ScheduleEditDialogTest, OkStoresWhatTheChosenEntriesStandFor)
{
    ScheduleRecord record = entry("20030505T000000Z", "20030505T010000Z");
    record.icon = 7;
    ScheduleEditDialog dialog(record, false, setup);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("ｽｹｼﾞｭｰﾙ - 編集"));
    views::ScheduleAlarmPage *alarm = dialog.alarmPage();
    EXPECT_EQ(alarm->iconList()->currentText(), "7") << "an icon the model does not list";
    alarm->volumeList()->setCurrentIndex(3); // ３
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(record.alarmVolume, 3) << "the position, not the single character read as 0";
    EXPECT_EQ(record.icon, 7);
}

TEST_F(ScheduleEditDialogTest, LeavingAFieldNormalisesAndAllDayLocksTheTimes)
{
    ScheduleRecord record = entry("20040205T000000Z", "20040205T010000Z");
    ScheduleEditDialog dialog(record, true, setup);
    views::ScheduleTimesPage *times = dialog.timesPage();
    leave(times->startEdits()[2], "31");
    EXPECT_EQ(times->startEdits()[2]->text(), "29") << "February of a leap year";
    leave(times->startEdits()[0], "20031");
    EXPECT_EQ(times->startEdits()[0]->text(), "2099");
    EXPECT_EQ(times->startEdits()[2]->text(), "28") << "2099 is no leap year";
    leave(times->startEdits()[0], "00");
    EXPECT_EQ(times->startEdits()[0]->text(), "2000");

    // The content keeps no line break.
    times->contentEdit()->setPlainText("one\ntwo");
    EXPECT_EQ(times->contentEdit()->toPlainText(), "onetwo");
}

TEST_F(ScheduleEditDialogTest, EndBeforeStartIsRefusedAndTheDialogStaysOpen)
{
    ScheduleRecord record = entry("20030505T010000Z", "20030505T020000Z");
    const ScheduleRecord before = record;
    ScheduleEditDialog dialog(record, false, setup);
    leave(dialog.timesPage()->endEdits()[3], "9");
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, app::text(app::TextId::EndBeforeStart));
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Warning);
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
}

TEST_F(ScheduleEditDialogTest, RunnerAddsTheNewEntrySelectedOnTheCalendarsDay)
{
    views::ScheduleStore store;
    QTimer::singleShot(0, [] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<ScheduleEditDialog *>(widget))
                dialog->accept();
        }
    });
    EXPECT_EQ(views::EditSchedule(store, {2003, 7, 1}, setup, true), views::EditResult::Applied);
    ASSERT_EQ(store.RecordCount(), 1);
    EXPECT_STREQ(store.record(0)->start, "20030630T150000Z") << "1 July 00:00 in Japan";
    EXPECT_STREQ(store.record(0)->alarm, store.record(0)->start) << "a new entry rings at start";
    EXPECT_EQ(store.selectedRows(), std::vector<int>{0});
    store.DeselectAll();
    EXPECT_EQ(views::EditSchedule(store, {2003, 7, 1}, setup, false), views::EditResult::Cancelled)
        << "edit without a selected row opens nothing";
}

} // namespace
