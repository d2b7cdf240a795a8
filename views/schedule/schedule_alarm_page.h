#pragma once

#include "views/schedule/schedule_edit_rules.h"
#include "views/schedule/schedule_times_page.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace views {

// The names of the model's option lists the alarm page offers, in index order.
struct OptionNames
{
    std::vector<std::string> tones;   // list 403
    std::vector<std::string> volumes; // list 402
    std::vector<std::string> icons;   // list 401
};

// Page "アラーム／アイコン": whether there is an alarm and when it rings (at the start, at a
// given date and time, or a given time before the start), the alarm tone and volume and the
// icon. The lists carry the value each entry stands for (optionChoice). Leaving a number edit
// normalises the alarm fields (normaliseAlarm). What the model lacks is disabled.
class ScheduleAlarmPage : public QWidget
{
    Q_OBJECT

public:
    ScheduleAlarmPage(ScheduleEditForm &form, const ScheduleEditFeatures &features,
                      const OptionNames &names, QWidget *parent = nullptr);

    void load();
    void store();

    QCheckBox *alarmBox() const { return m_alarm; }
    QRadioButton *modeButton(AlarmMode mode) const;
    const DateEdits &alarmEdits() const { return m_at; }
    SjisLineEdit *leadHoursEdit() const { return m_leadHours; }
    SjisLineEdit *leadMinutesEdit() const { return m_leadMinutes; }
    QComboBox *toneList() const { return m_tone; }
    QComboBox *volumeList() const { return m_volume; }
    QComboBox *iconList() const { return m_icon; }

private:
    void normalise();
    void updateEnables();

    ScheduleEditForm &m_form;
    const ScheduleEditFeatures &m_features;
    QCheckBox *m_alarm;
    QRadioButton *m_atStart;
    QRadioButton *m_atDate;
    QRadioButton *m_beforeStart;
    DateEdits m_at{};
    SjisLineEdit *m_leadHours;
    SjisLineEdit *m_leadMinutes;
    QComboBox *m_tone;
    QComboBox *m_volume;
    QComboBox *m_icon;
    OptionChoice m_tones;
    OptionChoice m_volumes;
    OptionChoice m_icons;
    bool m_hasIcons;
};

} // namespace views
