#include "sjis_edits.h"

#include "common/sjis_cut.h"
#include "views/common/qt_text.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QValidator>

#include <algorithm>

namespace views {
namespace {

int sjisBytes(const QString &text)
{
    return int(fromQString(text).size());
}

// Lets every change through, fitted to the edit's limit and filter; text the program sets is
// shown as it is.
class FitValidator : public QValidator
{
public:
    explicit FitValidator(SjisLineEdit *edit)
        : QValidator(edit)
        , m_edit(edit)
    {
    }

    State validate(QString &input, int &position) const override
    {
        if (!m_edit->isSettingText())
            input = m_edit->fitted(input, position);
        return Acceptable;
    }

private:
    const SjisLineEdit *m_edit;
};

template<typename Edit>
void lockEdit(Edit *edit, bool on)
{
    edit->setReadOnly(on);
    edit->setEnabled(!on);
    if (!on) {
        edit->setPalette(QPalette());
        return;
    }
    QPalette palette = edit->palette();
    const QColor face = palette.color(QPalette::Active, QPalette::Button);
    const QColor grey = palette.color(QPalette::Disabled, QPalette::WindowText);
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, face);
        palette.setColor(group, QPalette::Text, grey);
    }
    edit->setPalette(palette);
}

} // namespace

QString fitUserEdit(const QString &previous, const QString &edited, int byteLimit,
                    CharacterFilter filter, int &cursor)
{
    // The text behind the cursor is what stayed of the old end; the rest before it is the old
    // start followed by what was added.
    qsizetype suffix = std::clamp<qsizetype>(edited.size() - cursor, 0, previous.size());
    while (suffix > 0 && edited.right(suffix) != previous.right(suffix))
        --suffix;
    const qsizetype shared = std::min(edited.size(), previous.size()) - suffix;
    qsizetype prefix = 0;
    while (prefix < shared && previous[prefix] == edited[prefix])
        ++prefix;

    QString added;
    for (const QChar character : edited.mid(prefix, edited.size() - prefix - suffix)) {
        if (passesFilter(filter, character.unicode()))
            added += character;
    }
    const QString start = edited.left(prefix);
    const QString end = edited.right(suffix);
    const int room = std::max(byteLimit - sjisBytes(start) - sjisBytes(end), 0);
    if (sjisBytes(added) > room)
        added = toQString(std::string(sjisCut(fromQString(added), size_t(room))));
    cursor = int(prefix + added.size());
    return start + added + end;
}

void setEditLocked(QLineEdit *edit, bool on)
{
    lockEdit(edit, on);
}

void setEditLocked(QPlainTextEdit *edit, bool on)
{
    lockEdit(edit, on);
}

SjisLineEdit::SjisLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setValidator(new FitValidator(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) { m_shown = text; });
}

void SjisLineEdit::setByteLimit(int bytes)
{
    m_byteLimit = bytes;
}

void SjisLineEdit::setCharacterFilter(CharacterFilter filter)
{
    m_filter = filter;
}

void SjisLineEdit::setInputMethodOff(bool off)
{
    m_inputMethodOff = off;
    applyInputMethodState();
}

void SjisLineEdit::setLocked(bool on)
{
    setEditLocked(this, on);
    // QLineEdit turns the input method back on whenever it leaves read-only.
    applyInputMethodState();
}

std::string SjisLineEdit::sjisText() const
{
    return fromQString(text());
}

void SjisLineEdit::setSjisText(const std::string &text)
{
    m_settingText = true;
    setText(toQString(text));
    m_settingText = false;
}

QString SjisLineEdit::fitted(const QString &edited, int &cursor) const
{
    return fitUserEdit(m_shown, edited, m_byteLimit, m_filter, cursor);
}

bool SjisLineEdit::acceptsTyped(QChar) const
{
    return true;
}

void SjisLineEdit::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    if (!isReadOnly() && typed.size() == 1 && typed[0].isPrint()) {
        if (!passesFilter(m_filter, typed[0].unicode()) || !acceptsTyped(typed[0])) {
            QApplication::beep();
            event->accept();
            return;
        }
        emit typing(typed);
    }
    QLineEdit::keyPressEvent(event);
}

void SjisLineEdit::inputMethodEvent(QInputMethodEvent *event)
{
    // An input method that sends composition anyway finds the field closed.
    if (m_inputMethodOff) {
        event->ignore();
        return;
    }
    if (!isReadOnly() && !event->commitString().isEmpty())
        emit committing(event->commitString());
    QLineEdit::inputMethodEvent(event);
}

void SjisLineEdit::applyInputMethodState()
{
    setAttribute(Qt::WA_InputMethodEnabled, !m_inputMethodOff && !isReadOnly());
    setInputMethodHints(m_inputMethodOff ? Qt::ImhLatinOnly | Qt::ImhNoPredictiveText
                                         : Qt::ImhNone);
}

SjisNoteEdit::SjisNoteEdit(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &SjisNoteEdit::tidy);
}

void SjisNoteEdit::setByteLimit(int bytes)
{
    m_byteLimit = bytes;
}

std::string SjisNoteEdit::sjisText() const
{
    return fromQString(toPlainText());
}

void SjisNoteEdit::setSjisText(const std::string &text)
{
    m_tidying = true;
    setPlainText(toQString(text));
    m_tidying = false;
    m_shown = toPlainText();
}

void SjisNoteEdit::tidy()
{
    if (m_tidying)
        return;
    const QString text = toPlainText();
    int cursor = textCursor().position();
    cursor -= int(text.left(cursor).count(QLatin1Char('\n')));
    const QString oneLine = toQString(withoutLineBreaks(fromQString(text)));
    const QString kept = fitUserEdit(m_shown, oneLine, m_byteLimit, CharacterFilter::Any, cursor);
    if (kept != text) {
        m_tidying = true;
        setPlainText(kept);
        QTextCursor moved = textCursor();
        moved.setPosition(std::min(cursor, int(kept.size())));
        setTextCursor(moved);
        m_tidying = false;
    }
    m_shown = kept;
    emit sjisTextChanged(fromQString(kept));
}

} // namespace views
