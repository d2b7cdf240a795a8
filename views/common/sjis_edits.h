#pragma once

// Edit controls of the editors that count Shift_JIS bytes: the text the user adds is cut to
// the field's byte limit (never inside a character) and filtered by the field's characters.

#include "views/common/edit_input.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <string>

namespace views {

// The text after the user changed previous into edited: the part edited adds (between the
// parts both share at the start and at the end) loses the characters filter refuses and is cut
// so that the whole stays within byteLimit Shift_JIS bytes; removals always pass. cursor comes
// in as the position after the change and goes out as the position after the kept addition.
QString fitUserEdit(const QString &previous, const QString &edited, int byteLimit,
                    CharacterFilter filter, int &cursor);

// Read-only with the disabled look (button-face background, grey text) while on.
void setEditLocked(QLineEdit *edit, bool on);
void setEditLocked(QPlainTextEdit *edit, bool on);

// A one-line edit of Shift_JIS text limited to a number of bytes.
class SjisLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit SjisLineEdit(QWidget *parent = nullptr);

    // The most bytes the user can enter; 0 or less takes nothing.
    void setByteLimit(int bytes);
    int byteLimit() const { return m_byteLimit; }
    void setCharacterFilter(CharacterFilter filter);
    CharacterFilter characterFilter() const { return m_filter; }
    // Keeps the input method away: only keys (digits, Latin) reach the edit.
    void setInputMethodOff(bool off);
    void setLocked(bool on);

    std::string sjisText() const;
    // Shows text as it is, even beyond the byte limit (a record of another model).
    void setSjisText(const std::string &text);

    // What a user change from the shown text to edited leaves (fitUserEdit); cursor in and out
    // as there. Used by the edit's validator.
    QString fitted(const QString &edited, int &cursor) const;
    bool isSettingText() const { return m_settingText; }

signals:
    // A character typed on the keyboard, before the edit takes it.
    void typing(const QString &character);
    // Text the input method commits, before the edit takes it.
    void committing(const QString &text);

protected:
    // A typed character the filter lets through may still be refused here (it beeps).
    virtual bool acceptsTyped(QChar character) const;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void applyInputMethodState();

    int m_byteLimit = 0;
    CharacterFilter m_filter = CharacterFilter::Any;
    bool m_inputMethodOff = false;
    bool m_settingText = false;
    QString m_shown;
};

// A multi-line edit of Shift_JIS text limited to a number of bytes, kept on one line: line
// breaks typed or pasted are removed at once.
class SjisNoteEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit SjisNoteEdit(QWidget *parent = nullptr);

    void setByteLimit(int bytes);
    int byteLimit() const { return m_byteLimit; }

    std::string sjisText() const;
    void setSjisText(const std::string &text);

signals:
    // The text after a change, already without line breaks and within the limit.
    void sjisTextChanged(const std::string &text);

private:
    void tidy();

    int m_byteLimit = 0;
    bool m_tidying = false;
    QString m_shown;
};

} // namespace views
