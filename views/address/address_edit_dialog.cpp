#include "address_edit_dialog.h"

#include "common/sjis_literal.h"
#include "views/address/address_basic_page.h"
#include "views/address/address_note_page.h"
#include "views/address/address_postal_page.h"
#include "views/address/address_slot_page.h"
#include "views/address/address_store.h"
#include "views/common/choice_lists.h"
#include "views/common/dialog_buttons.h"
#include "views/common/qt_text.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace views {

AddressEditDialog::AddressEditDialog(AddressRecord &buffer, bool newMode,
                                     const AddressEditSetup &setup, const GroupTable &groups,
                                     MemoryNumberTakenElsewhere takenElsewhere, QWidget *parent)
    : QDialog(parent)
    , m_buffer(buffer)
    , m_setup(setup)
    , m_takenElsewhere(std::move(takenElsewhere))
    , m_tabs(new QTabWidget(this))
{
    setWindowTitle(toQString(newMode ? sjis("ｱﾄﾞﾚｽ帳 - 新規作成") : sjis("ｱﾄﾞﾚｽ帳 - 編集")));
    const AddressLimits &limits = setup.limits;
    const std::vector<std::string> illuminations
        = optionNames(setup.optionName, INFORM_ILLUMINATIONS);
    m_basic = new AddressBasicPage(buffer, limits, groups, m_tabs);
    m_phones = new AddressSlotPage(buffer, PhoneSlots, limits,
                                   optionNames(setup.optionName, PhoneSlots.iconList),
                                   illuminations, m_tabs);
    m_mails = new AddressSlotPage(buffer, MailSlots, limits,
                                  optionNames(setup.optionName, MailSlots.iconList), illuminations,
                                  m_tabs);
    m_postal = new AddressPostalPage(buffer, limits, m_tabs);
    m_note = new AddressNotePage(buffer, limits, m_tabs);
    m_tabs->addTab(m_basic, toQString(sjis("基本項目")));
    m_tabs->addTab(m_phones, toQString(sjis("電話番号")));
    m_tabs->addTab(m_mails, toQString(sjis("ﾒｰﾙｱﾄﾞﾚｽ")));
    m_tabs->addTab(m_postal, toQString(sjis("住所")));
    m_tabs->addTab(m_note, toQString(sjis("その他")));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(okCancelButtons(this));
    setMinimumWidth(360);
}

void AddressEditDialog::accept()
{
    if (const std::optional<AddressRefusal> refusal
        = checkAddress(m_buffer, m_setup.limits, m_takenElsewhere)) {
        if (m_setup.messages) {
            platform::Message message;
            message.text = refusal->message;
            message.caption = app::text(app::TextId::AppTitle);
            message.icon = platform::MessageIcon::Warning;
            m_setup.messages->show(message);
        }
        return;
    }
    QDialog::accept();
}

EditResult EditAddress(AddressStore &store, const AddressEditSetup &setup, bool newMode,
                       QWidget *parent)
{
    const int editedIndex = newMode ? -1 : store.firstSelectedIndex();
    if (!newMode && editedIndex < 0)
        return EditResult::Cancelled;
    AddressRecord buffer{};
    store.GetRecord(editedIndex, buffer);
    {
        AddressEditDialog dialog(buffer, newMode, setup, store.groups(),
                                 takenElsewhereIn(store, editedIndex), parent);
        if (dialog.exec() != QDialog::Accepted)
            return EditResult::Cancelled;
    }
    bool stored;
    if (newMode) {
        store.DeselectAll();
        stored = store.MergeRecords(&buffer, true, false, true) > 0;
    } else {
        stored = store.ReplaceRecord(editedIndex, buffer) >= 0;
    }
    store.RefreshGroupColumn();
    return stored ? EditResult::Applied : EditResult::Refused;
}

} // namespace views
