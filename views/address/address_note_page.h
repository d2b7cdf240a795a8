#pragma once

#include "common/inform_blocks.h"
#include "common/records.h"

#include <QWidget>

namespace views {

class SjisNoteEdit;

// "その他": the note, kept on one line, locked when the model keeps no note. Every change goes
// into the edit buffer at once.
class AddressNotePage : public QWidget
{
    Q_OBJECT

public:
    AddressNotePage(AddressRecord &buffer, const AddressLimits &limits, QWidget *parent = nullptr);

    SjisNoteEdit *noteEdit() const { return m_note; }

private:
    AddressRecord &m_buffer;
    SjisNoteEdit *m_note;
};

} // namespace views
