#pragma once

#include "views/address/address_edit_setup.h"
#include "views/address/address_multi_edit_rules.h"

#include <QDialog>

#include <vector>

class QComboBox;

namespace views {

class AddressStore;

// "ｱﾄﾞﾚｽ帳 - 編集(複数選択)": group and illumination colours of several records at once. Every
// list starts on "変更しない"; OK applies the chosen changes to each record of indexes (store
// indexes, in order) through ReplaceRecord before the dialog closes.
class AddressMultiEditDialog : public QDialog
{
    Q_OBJECT

public:
    AddressMultiEditDialog(AddressStore &store, std::vector<int> indexes,
                           const AddressEditSetup &setup, QWidget *parent = nullptr);

    QComboBox *groupList() const { return m_group; }
    QComboBox *phoneIlluminationList() const { return m_phoneIllumination; }
    QComboBox *mailIlluminationList() const { return m_mailIllumination; }

    // What the lists ask for now.
    AddressMultiChange change() const;

    void accept() override;

private:
    AddressStore &m_store;
    std::vector<int> m_indexes;
    QComboBox *m_group;
    QComboBox *m_phoneIllumination;
    QComboBox *m_mailIllumination;
};

// Runs the dialog for the records of indexes and, after OK, refreshes the group column. True
// when OK was pressed.
bool RunMultiEdit(AddressStore &store, const std::vector<int> &indexes,
                  const AddressEditSetup &setup, QWidget *parent = nullptr);

} // namespace views
