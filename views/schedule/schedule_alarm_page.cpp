#include "schedule_alarm_page.h"

#include "common/sjis_literal.h"
#include "views/common/qt_text.h"
#include "views/common/sjis_edits.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace views {
namespace {

QLabel *label(const char *text, QWidget *parent)
{
    return new QLabel(toQString(text), parent);
}

void fillList(QComboBox *list, const OptionChoice &choice)
{
    for (const std::string &text : choice.texts)
        list->addItem(toQString(text));
    list->setCurrentIndex(choice.selected);
}

int32_t chosenValue(const QComboBox *list, const OptionChoice &choice)
{
    const int position = list->currentIndex();
    return position >= 0 && size_t(position) < choice.values.size()
               ? choice.values[size_t(position)]
               : 0;
}

SjisLineEdit *leadEdit(QWidget *parent)
{
    auto *edit = new SjisLineEdit(parent);
    edit->setCharacterFilter(CharacterFilter::Digits);
    edit->setInputMethodOff(true);
    edit->setByteLimit(3);
    edit->setFixedWidth(28);
    return edit;
}

} // namespace

ScheduleAlarmPage::ScheduleAlarmPage(ScheduleEditForm &form, const ScheduleEditFeatures &features,
                                     const OptionNames &names, QWidget *parent)
    : QWidget(parent)
    , m_form(form)
    , m_features(features)
    , m_alarm(new QCheckBox(toQString(sjis("ｱﾗｰﾑあり")), this))
    , m_atStart(new QRadioButton(toQString(sjis("開始時間と同じ")), this))
    , m_atDate(new QRadioButton(toQString(sjis("日時指定")), this))
    , m_beforeStart(new QRadioButton(toQString(sjis("開始時間との関連で指定")), this))
    , m_at(createDateEdits(this))
    , m_leadHours(leadEdit(this))
    , m_leadMinutes(leadEdit(this))
    , m_tone(new QComboBox(this))
    , m_volume(new QComboBox(this))
    , m_icon(new QComboBox(this))
    , m_tones(optionChoice(names.tones, form.tone))
    , m_volumes(optionChoice(names.volumes, form.volume))
    , m_icons(optionChoice(names.icons, form.icon))
    , m_hasIcons(!names.icons.empty())
{
    auto *modes = new QButtonGroup(this);
    modes->addButton(m_atStart);
    modes->addButton(m_atDate);
    modes->addButton(m_beforeStart);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_alarm, 0, 0, 1, 3);
    grid->addWidget(m_atStart, 1, 0, 1, 3);
    grid->addWidget(m_atDate, 2, 0, 1, 3);
    grid->addWidget(layOutDateEdits(m_at, 16, this), 3, 0, 1, 3);
    grid->addWidget(m_beforeStart, 4, 0, 1, 3);
    auto *leadRow = new QWidget(this);
    auto *leadLayout = new QHBoxLayout(leadRow);
    leadLayout->setContentsMargins(16, 0, 0, 0);
    m_leadHours->setParent(leadRow);
    m_leadMinutes->setParent(leadRow);
    leadLayout->addWidget(m_leadHours);
    leadLayout->addWidget(label(sjis("時間"), leadRow));
    leadLayout->addWidget(m_leadMinutes);
    leadLayout->addWidget(label(sjis("分前"), leadRow));
    leadLayout->addStretch();
    grid->addWidget(leadRow, 5, 0, 1, 3);

    grid->addWidget(label(sjis("ｱﾗｰﾑ音"), this), 6, 0);
    grid->addWidget(m_tone, 6, 1);
    grid->addWidget(label(sjis("ｱﾗｰﾑ音量"), this), 7, 0);
    grid->addWidget(m_volume, 7, 1);
    grid->addWidget(label(sjis("アイコン"), this), 8, 0);
    grid->addWidget(m_icon, 8, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(9, 1);

    fillList(m_tone, m_tones);
    fillList(m_volume, m_volumes);
    fillList(m_icon, m_icons);

    for (SjisLineEdit *edit : m_at)
        connect(edit, &QLineEdit::editingFinished, this, &ScheduleAlarmPage::normalise);
    for (SjisLineEdit *edit : {m_leadHours, m_leadMinutes})
        connect(edit, &QLineEdit::editingFinished, this, &ScheduleAlarmPage::normalise);
    connect(m_alarm, &QCheckBox::toggled, this, [this](bool on) {
        m_form.alarmOn = on;
        updateEnables();
    });
    connect(modes, &QButtonGroup::buttonClicked, this, [this] {
        store();
        updateEnables();
    });
    load();
}

QRadioButton *ScheduleAlarmPage::modeButton(AlarmMode mode) const
{
    switch (mode) {
    case AlarmMode::AtDate:
        return m_atDate;
    case AlarmMode::BeforeStart:
        return m_beforeStart;
    case AlarmMode::AtStart:
        break;
    }
    return m_atStart;
}

void ScheduleAlarmPage::load()
{
    const QSignalBlocker blocker(m_alarm);
    m_alarm->setChecked(m_form.alarmOn);
    modeButton(m_form.alarmMode)->setChecked(true);
    showDateFields(m_at, m_form.alarmAt);
    m_leadHours->setSjisText(m_form.leadHours);
    m_leadMinutes->setSjisText(m_form.leadMinutes);
    updateEnables();
}

void ScheduleAlarmPage::store()
{
    m_form.alarmOn = m_alarm->isChecked();
    m_form.alarmMode = m_atDate->isChecked()        ? AlarmMode::AtDate
                       : m_beforeStart->isChecked() ? AlarmMode::BeforeStart
                                                    : AlarmMode::AtStart;
    m_form.alarmAt = dateFieldsIn(m_at);
    m_form.leadHours = m_leadHours->sjisText();
    m_form.leadMinutes = m_leadMinutes->sjisText();
    m_form.tone = chosenValue(m_tone, m_tones);
    m_form.volume = chosenValue(m_volume, m_volumes);
    m_form.icon = chosenValue(m_icon, m_icons);
}

void ScheduleAlarmPage::normalise()
{
    store();
    normaliseAlarm(m_form, m_features);
    load();
}

void ScheduleAlarmPage::updateEnables()
{
    const bool group = m_features.alarm && m_form.alarmOn;
    m_alarm->setEnabled(m_features.alarm);
    m_atStart->setEnabled(group);
    m_atDate->setEnabled(group && m_features.alarmDate);
    m_beforeStart->setEnabled(group && m_features.alarmRelative);
    const bool atDate = group && m_features.alarmDate && m_form.alarmMode == AlarmMode::AtDate;
    for (SjisLineEdit *edit : m_at)
        edit->setEnabled(atDate);
    const bool before
        = group && m_features.alarmRelative && m_form.alarmMode == AlarmMode::BeforeStart;
    m_leadHours->setEnabled(before);
    m_leadMinutes->setEnabled(before);
    m_tone->setEnabled(m_features.alarmTone);
    m_volume->setEnabled(m_features.alarmVolume);
    m_icon->setEnabled(m_hasIcons);
}

} // namespace views
