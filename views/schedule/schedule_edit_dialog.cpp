#include "schedule_edit_dialog.h"

#include "app/string_table.h"
#include "common/sjis_literal.h"
#include "host/plugin_host.h"
#include "platform/clock.h"
#include "platform/user_interaction.h"
#include "views/common/choice_lists.h"
#include "views/common/dialog_buttons.h"
#include "views/common/qt_text.h"
#include "views/schedule/schedule_times_page.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include <ctime>

namespace views {

ScheduleEditSetup currentScheduleEditSetup(const host::KindLimitCache &limits,
                                           const host::PluginHost &plugins,
                                           platform::MessageBoxes &messages,
                                           const platform::WallClock &clock)
{
    const OptionName names = pluginOptionName(plugins);
    return {scheduleEditFeatures(readScheduleLimits(limits)),
            {optionNames(names, INFORM_ALARM_TONES), optionNames(names, INFORM_ALARM_VOLUMES),
             optionNames(names, INFORM_SCHEDULE_ICONS)},
            &messages,
            &clock};
}

ScheduleEditDialog::ScheduleEditDialog(ScheduleRecord &record, bool newMode,
                                       const ScheduleEditSetup &setup, QWidget *parent)
    : QDialog(parent)
    , m_record(record)
    , m_setup(setup)
    , m_form(openScheduleForm(record, setup.features, JapanTimeOf(now())))
    , m_tabs(new QTabWidget(this))
{
    setWindowTitle(toQString(newMode ? sjis("ｽｹｼﾞｭｰﾙ - 新規作成") : sjis("ｽｹｼﾞｭｰﾙ - 編集")));
    m_times = new ScheduleTimesPage(m_form, setup.features, m_tabs);
    m_alarm = new ScheduleAlarmPage(m_form, setup.features, setup.names, m_tabs);
    m_tabs->addTab(m_times, toQString(sjis("内容／日時")));
    m_tabs->addTab(m_alarm, toQString(sjis("アラーム／アイコン")));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(okCancelButtons(this));
    setMinimumWidth(400);
}

int64_t ScheduleEditDialog::now() const
{
    return m_setup.clock ? m_setup.clock->utcSeconds() : int64_t(std::time(nullptr));
}

void ScheduleEditDialog::accept()
{
    m_times->store();
    m_alarm->store();
    const bool applied = applyScheduleForm(m_form, m_setup.features, now(), m_record);
    // Both pages show the normalised fields, whether OK went through or not.
    m_times->load();
    m_alarm->load();
    if (applied) {
        QDialog::accept();
        return;
    }
    if (m_setup.messages) {
        platform::Message message;
        message.text = app::text(app::TextId::EndBeforeStart);
        message.caption = app::text(app::TextId::AppTitle);
        message.icon = platform::MessageIcon::Warning;
        m_setup.messages->show(message);
    }
}

EditResult EditSchedule(ScheduleStore &store, const CalendarDate &day,
                        const ScheduleEditSetup &setup, bool newMode, QWidget *parent)
{
    const int index = newMode ? -1 : store.firstSelectedIndex();
    if (!newMode && index < 0)
        return EditResult::Cancelled;
    ScheduleRecord record{};
    store.GetRecord(index, record, day);
    {
        ScheduleEditDialog dialog(record, newMode, setup, parent);
        if (dialog.exec() != QDialog::Accepted)
            return EditResult::Cancelled;
    }
    bool stored;
    if (newMode) {
        store.DeselectAll();
        stored = store.AddRecords(&record, true, false, true) > 0;
    } else {
        stored = store.ReplaceRecord(index, record) >= 0;
    }
    store.Sort();
    return stored ? EditResult::Applied : EditResult::Refused;
}

} // namespace views
