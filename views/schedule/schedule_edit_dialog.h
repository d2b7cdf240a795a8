#pragma once

#include "views/common/edit_result.h"
#include "views/schedule/schedule_alarm_page.h"
#include "views/schedule/schedule_edit_rules.h"
#include "views/schedule/schedule_store.h"

#include <QDialog>

class QTabWidget;

namespace host {
class KindLimitCache;
class PluginHost;
} // namespace host
namespace platform {
class MessageBoxes;
class WallClock;
} // namespace platform

namespace views {

class ScheduleTimesPage;

// What the schedule editor takes from the current model and the program: what the model
// offers, its option names (401 icons, 402 volumes, 403 tones), the message boxes for the
// refusal (none: it is not shown, OK stays refused) and the wall clock for now.
struct ScheduleEditSetup
{
    ScheduleEditFeatures features;
    OptionNames names;
    platform::MessageBoxes *messages = nullptr;
    const platform::WallClock *clock = nullptr;
};

// The setup of the current model: its cached schedule limits and its plug-in's option lists.
ScheduleEditSetup currentScheduleEditSetup(const host::KindLimitCache &limits,
                                           const host::PluginHost &plugins,
                                           platform::MessageBoxes &messages,
                                           const platform::WallClock &clock);

// "ｽｹｼﾞｭｰﾙ - 新規作成" / "ｽｹｼﾞｭｰﾙ - 編集": one schedule record on the pages "内容／日時" and
// "アラーム／アイコン". OK runs applyScheduleForm into record; an end before the start is
// refused with its message and the dialog stays open.
class ScheduleEditDialog : public QDialog
{
    Q_OBJECT

public:
    ScheduleEditDialog(ScheduleRecord &record, bool newMode, const ScheduleEditSetup &setup,
                       QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }
    ScheduleTimesPage *timesPage() const { return m_times; }
    ScheduleAlarmPage *alarmPage() const { return m_alarm; }

    void accept() override;

private:
    int64_t now() const;

    ScheduleRecord &m_record;
    const ScheduleEditSetup &m_setup;
    ScheduleEditForm m_form;
    QTabWidget *m_tabs;
    ScheduleTimesPage *m_times;
    ScheduleAlarmPage *m_alarm;
};

// The editor runner. Edit mode takes the record of the first selected row (nothing selected:
// Cancelled without a dialog); new mode a blank record on day. On OK, new mode deselects every
// row and adds the record selected; edit mode replaces the stored record. Then the rows are
// sorted.
EditResult EditSchedule(ScheduleStore &store, const CalendarDate &day,
                        const ScheduleEditSetup &setup, bool newMode, QWidget *parent = nullptr);

} // namespace views
