#pragma once

#include "views/schedule/schedule_edit_rules.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;

namespace views {

class SjisLineEdit;
class SjisNoteEdit;

// The five number edits of one moment: year, month, day, hour, minute.
using DateEdits = std::array<SjisLineEdit *, 5>;

// Page "内容／日時": start and end, all-day, repeat rule, weekdays and count, summary, content
// and place. It shows the form and writes the user's changes back into it; leaving a number
// edit normalises the date fields (normaliseTimes). Fields the model lacks are locked.
class ScheduleTimesPage : public QWidget
{
    Q_OBJECT

public:
    ScheduleTimesPage(ScheduleEditForm &form, const ScheduleEditFeatures &features,
                      QWidget *parent = nullptr);

    // Shows the form in the widgets.
    void load();
    // Takes the widgets' texts into the form.
    void store();

    const DateEdits &startEdits() const { return m_start; }
    const DateEdits &endEdits() const { return m_end; }
    QCheckBox *allDayBox() const { return m_allDay; }
    QComboBox *repeatRuleList() const { return m_repeatRule; }
    QComboBox *repeatCountList() const { return m_repeatCount; }
    QCheckBox *weekdayBox(int day) const { return m_weekdays[static_cast<size_t>(day)]; }
    SjisLineEdit *summaryEdit() const { return m_summary; }
    SjisNoteEdit *contentEdit() const { return m_content; }
    SjisLineEdit *placeEdit() const { return m_place; }

private:
    void normalise();
    void allDayToggled(bool on);
    void updateLocks();

    ScheduleEditForm &m_form;
    const ScheduleEditFeatures &m_features;
    DateEdits m_start{};
    DateEdits m_end{};
    QCheckBox *m_allDay;
    QComboBox *m_repeatRule;
    std::array<QCheckBox *, 7> m_weekdays{};
    QComboBox *m_repeatCount;
    SjisLineEdit *m_summary;
    SjisNoteEdit *m_content;
    SjisLineEdit *m_place;
};

// Number edits for a moment, a row holding them with their units after indent pixels, and
// their texts.
DateEdits createDateEdits(QWidget *parent);
QWidget *layOutDateEdits(const DateEdits &edits, int indent, QWidget *parent);
void showDateFields(const DateEdits &edits, const DateFields &fields);
DateFields dateFieldsIn(const DateEdits &edits);

} // namespace views
