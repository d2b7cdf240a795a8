#include "address_note_page.h"

#include "common/sjis_cut.h"
#include "common/sjis_literal.h"
#include "views/common/qt_text.h"
#include "views/common/sjis_edits.h"

#include <QFormLayout>

namespace views {

AddressNotePage::AddressNotePage(AddressRecord &buffer, const AddressLimits &limits,
                                 QWidget *parent)
    : QWidget(parent)
    , m_buffer(buffer)
    , m_note(new SjisNoteEdit(this))
{
    auto *layout = new QFormLayout(this);
    layout->addRow(toQString(sjis("ﾒﾓ")), m_note);

    m_note->setByteLimit(limits.noteLength);
    m_note->setSjisText(buffer.note);
    setEditLocked(m_note, limits.noteLength <= 0);

    connect(m_note, &SjisNoteEdit::sjisTextChanged, this,
            [this](const std::string &text) { copySjisField(m_buffer.note, text); });
}

} // namespace views
