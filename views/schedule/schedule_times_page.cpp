#include "schedule_times_page.h"

#include "app/string_table.h"
#include "common/sjis_literal.h"
#include "views/common/qt_text.h"
#include "views/common/sjis_edits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace views {
namespace {

// Room for one character more than the field's digits, so that the clamping sees an overlong
// entry and turns it into the highest value.
constexpr int DigitLimits[5] = {5, 3, 3, 3, 3};

QLabel *label(const char *text, QWidget *parent)
{
    return new QLabel(toQString(text), parent);
}

void setLocked(QComboBox *list, bool on)
{
    list->setEnabled(!on);
}

} // namespace

DateEdits createDateEdits(QWidget *parent)
{
    DateEdits edits{};
    for (size_t i = 0; i < edits.size(); ++i) {
        edits[i] = new SjisLineEdit(parent);
        edits[i]->setCharacterFilter(CharacterFilter::Digits);
        edits[i]->setInputMethodOff(true);
        edits[i]->setByteLimit(DigitLimits[i]);
    }
    return edits;
}

void showDateFields(const DateEdits &edits, const DateFields &fields)
{
    const std::string *texts[5]
        = {&fields.year, &fields.month, &fields.day, &fields.hour, &fields.minute};
    for (size_t i = 0; i < edits.size(); ++i)
        edits[i]->setSjisText(*texts[i]);
}

QWidget *layOutDateEdits(const DateEdits &edits, int indent, QWidget *parent)
{
    static constexpr const char *Units[5]
        = {sjis("年"), sjis("月"), sjis("日"), sjis("時"), sjis("分")};
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(indent, 0, 0, 0);
    for (size_t i = 0; i < edits.size(); ++i) {
        edits[i]->setParent(row);
        edits[i]->setFixedWidth(i == 0 ? 44 : 28);
        layout->addWidget(edits[i]);
        layout->addWidget(label(Units[i], row));
    }
    layout->addStretch();
    return row;
}

DateFields dateFieldsIn(const DateEdits &edits)
{
    return {edits[0]->sjisText(), edits[1]->sjisText(), edits[2]->sjisText(), edits[3]->sjisText(),
            edits[4]->sjisText()};
}

ScheduleTimesPage::ScheduleTimesPage(ScheduleEditForm &form, const ScheduleEditFeatures &features,
                                     QWidget *parent)
    : QWidget(parent)
    , m_form(form)
    , m_features(features)
    , m_start(createDateEdits(this))
    , m_end(createDateEdits(this))
    , m_allDay(new QCheckBox(toQString(sjis("終日設定")), this))
    , m_repeatRule(new QComboBox(this))
    , m_repeatCount(new QComboBox(this))
    , m_summary(new SjisLineEdit(this))
    , m_content(new SjisNoteEdit(this))
    , m_place(new SjisLineEdit(this))
{
    auto *grid = new QGridLayout(this);
    grid->addWidget(label(sjis("開始"), this), 0, 0);
    grid->addWidget(layOutDateEdits(m_start, 0, this), 0, 1, 1, 3);
    grid->addWidget(m_allDay, 1, 1);
    grid->addWidget(label(sjis("終了"), this), 2, 0);
    grid->addWidget(layOutDateEdits(m_end, 0, this), 2, 1, 1, 3);

    grid->addWidget(label(sjis("繰り返し規則"), this), 3, 0);
    for (const std::string &item : repeatRuleItems(features.highestRepeatRule))
        m_repeatRule->addItem(toQString(item));
    grid->addWidget(m_repeatRule, 3, 1);
    grid->addWidget(label(sjis("繰り返し回数"), this), 3, 2);
    for (const std::string &item : repeatCountItems())
        m_repeatCount->addItem(toQString(item));
    grid->addWidget(m_repeatCount, 3, 3);

    auto *days = new QWidget(this);
    auto *dayLayout = new QHBoxLayout(days);
    dayLayout->setContentsMargins(0, 0, 0, 0);
    for (size_t day = 0; day < m_weekdays.size(); ++day) {
        m_weekdays[day] = new QCheckBox(toQString(WeekdayName(int(day))), days);
        dayLayout->addWidget(m_weekdays[day]);
    }
    dayLayout->addStretch();
    grid->addWidget(days, 4, 1, 1, 3);

    grid->addWidget(label(sjis("概要"), this), 5, 0);
    grid->addWidget(m_summary, 5, 1, 1, 3);
    grid->addWidget(label(sjis("内容"), this), 6, 0, Qt::AlignTop);
    m_content->setFixedHeight(64);
    grid->addWidget(m_content, 6, 1, 1, 3);
    grid->addWidget(label(sjis("場所"), this), 7, 0);
    grid->addWidget(m_place, 7, 1, 1, 3);
    grid->setRowStretch(8, 1);

    m_summary->setByteLimit(features.summaryLength);
    m_content->setByteLimit(features.descriptionLength);
    m_place->setByteLimit(features.locationLength);

    for (const DateEdits *edits : {&m_start, &m_end}) {
        for (SjisLineEdit *edit : *edits)
            connect(edit, &QLineEdit::editingFinished, this, &ScheduleTimesPage::normalise);
    }
    connect(m_allDay, &QCheckBox::toggled, this, &ScheduleTimesPage::allDayToggled);
    connect(m_repeatRule, &QComboBox::activated, this, [this](int rule) {
        m_form.repeatRule = rule;
        updateLocks();
    });
    load();
}

void ScheduleTimesPage::load()
{
    const QSignalBlocker blocker(m_allDay);
    showDateFields(m_start, m_form.start);
    showDateFields(m_end, m_form.end);
    m_allDay->setChecked(m_form.allDay);
    m_repeatRule->setCurrentIndex(std::clamp(m_form.repeatRule, 0, m_repeatRule->count() - 1));
    m_repeatCount->setCurrentIndex(std::clamp(m_form.repeatCount, 0, m_repeatCount->count() - 1));
    for (size_t day = 0; day < m_weekdays.size(); ++day)
        m_weekdays[day]->setChecked(m_form.weekdays & (1 << day));
    m_summary->setSjisText(m_form.summary);
    m_content->setSjisText(m_form.content);
    m_place->setSjisText(m_form.place);
    updateLocks();
}

void ScheduleTimesPage::store()
{
    m_form.start = dateFieldsIn(m_start);
    m_form.end = dateFieldsIn(m_end);
    m_form.allDay = m_allDay->isChecked();
    m_form.repeatRule = m_repeatRule->currentIndex();
    m_form.repeatCount = m_repeatCount->currentIndex();
    m_form.weekdays = 0;
    for (size_t day = 0; day < m_weekdays.size(); ++day)
        m_form.weekdays |= m_weekdays[day]->isChecked() ? 1 << day : 0;
    m_form.summary = m_summary->sjisText();
    m_form.content = m_content->sjisText();
    m_form.place = m_place->sjisText();
}

void ScheduleTimesPage::normalise()
{
    store();
    normaliseTimes(m_form, m_features);
    load();
}

void ScheduleTimesPage::allDayToggled(bool on)
{
    store();
    setAllDay(m_form, on);
    load();
}

void ScheduleTimesPage::updateLocks()
{
    const bool allDay = m_form.allDay;
    m_allDay->setEnabled(m_features.allDay);
    m_start[3]->setLocked(allDay);
    m_start[4]->setLocked(allDay);
    const bool endDateLocked = !m_features.endTime || !m_features.endDateFree || allDay;
    const bool endTimeLocked = !m_features.endTime || allDay;
    for (size_t i = 0; i < m_end.size(); ++i)
        m_end[i]->setLocked(i < 3 ? endDateLocked : endTimeLocked);
    m_summary->setLocked(m_features.summaryLength < 1);
    setEditLocked(m_content, m_features.descriptionLength < 1);
    m_place->setLocked(m_features.locationLength < 1);
    setLocked(m_repeatRule, m_features.highestRepeatRule < 1);
    setLocked(m_repeatCount, !m_features.repeatCount);
    const bool weekdays = weekdaysEnabled(m_features, m_form.repeatRule);
    for (QCheckBox *box : m_weekdays)
        box->setEnabled(weekdays);
}

} // namespace views
