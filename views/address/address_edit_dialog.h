#pragma once

#include "common/records.h"
#include "views/address/address_edit_rules.h"
#include "views/address/address_edit_setup.h"
#include "views/common/edit_result.h"

#include <QDialog>

class QTabWidget;

namespace views {

class AddressBasicPage;
class AddressNotePage;
class AddressPostalPage;
class AddressSlotPage;
class AddressStore;
class GroupTable;

// "ｱﾄﾞﾚｽ帳 - 新規作成" / "ｱﾄﾞﾚｽ帳 - 編集": one address record on five tab pages (基本項目,
// 電話番号, ﾒｰﾙｱﾄﾞﾚｽ, 住所, その他). The pages write every change into buffer at once; OK runs
// checkAddress and, when it refuses, shows the refusal and stays open.
class AddressEditDialog : public QDialog
{
    Q_OBJECT

public:
    AddressEditDialog(AddressRecord &buffer, bool newMode, const AddressEditSetup &setup,
                      const GroupTable &groups, MemoryNumberTakenElsewhere takenElsewhere,
                      QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }
    AddressBasicPage *basicPage() const { return m_basic; }
    AddressSlotPage *phonePage() const { return m_phones; }
    AddressSlotPage *mailPage() const { return m_mails; }
    AddressPostalPage *postalPage() const { return m_postal; }
    AddressNotePage *notePage() const { return m_note; }

    void accept() override;

private:
    AddressRecord &m_buffer;
    const AddressEditSetup &m_setup;
    MemoryNumberTakenElsewhere m_takenElsewhere;
    QTabWidget *m_tabs;
    AddressBasicPage *m_basic;
    AddressSlotPage *m_phones;
    AddressSlotPage *m_mails;
    AddressPostalPage *m_postal;
    AddressNotePage *m_note;
};

// Edits the first selected row's record of store (edit mode) or a new blank one with a free
// memory number (new mode) in an AddressEditDialog. OK in new mode deselects all rows and adds
// the record selected; in edit mode it replaces the stored record. Then the group column is
// refreshed. Edit mode with no row selected does nothing (Cancelled).
EditResult EditAddress(AddressStore &store, const AddressEditSetup &setup, bool newMode,
                       QWidget *parent = nullptr);

} // namespace views
