#include "address_multi_edit_dialog.h"

#include "common/sjis_literal.h"
#include "views/address/address_store.h"
#include "views/common/choice_lists.h"
#include "views/common/dialog_buttons.h"
#include "views/common/qt_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace views {
namespace {

QComboBox *choiceList(QWidget *parent, const std::vector<ChoiceItem> &items)
{
    auto *list = new QComboBox(parent);
    list->addItem(toQString(sjis("変更しない")), NoChange);
    for (const ChoiceItem &item : items)
        list->addItem(toQString(item.text), item.value);
    return list;
}

QGroupBox *framed(const char *title, QComboBox *list, QWidget *parent)
{
    auto *frame = new QGroupBox(toQString(title), parent);
    auto *layout = new QFormLayout(frame);
    layout->addRow(toQString(sjis("ｲﾙﾐﾈｰｼｮﾝ")), list);
    return frame;
}

} // namespace

AddressMultiEditDialog::AddressMultiEditDialog(AddressStore &store, std::vector<int> indexes,
                                               const AddressEditSetup &setup, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
    , m_indexes(std::move(indexes))
{
    setWindowTitle(toQString(sjis("ｱﾄﾞﾚｽ帳 - 編集(複数選択)")));
    const std::vector<ChoiceItem> illuminations
        = optionItems(optionNames(setup.optionName, INFORM_ILLUMINATIONS), {});
    m_group = choiceList(this, groupItems(store.groups()));
    m_phoneIllumination = choiceList(this, illuminations);
    m_mailIllumination = choiceList(this, illuminations);
    m_phoneIllumination->setEnabled(setup.limits.phoneIlluminationChoice != 0);
    m_mailIllumination->setEnabled(setup.limits.mailIlluminationChoice != 0);

    auto *layout = new QVBoxLayout(this);
    auto *group = new QFormLayout;
    group->addRow(toQString(sjis("ｸﾞﾙｰﾌﾟ")), m_group);
    layout->addLayout(group);
    layout->addWidget(framed(sjis("電話"), m_phoneIllumination, this));
    layout->addWidget(framed(sjis("ﾒｰﾙ"), m_mailIllumination, this));
    auto *note = new QLabel(toQString(sjis("選択中の全てのｱﾄﾞﾚｽ帳の設定を変更します。")), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addWidget(okCancelButtons(this));
    setMinimumWidth(320);
}

AddressMultiChange AddressMultiEditDialog::change() const
{
    return wantedChanges(m_group->currentIndex(), m_group->currentData().toInt(),
                         m_phoneIllumination->currentData().toInt(),
                         m_mailIllumination->currentData().toInt(), m_store.groups());
}

void AddressMultiEditDialog::accept()
{
    const AddressMultiChange wanted = change();
    if (wanted.wanted()) {
        for (const int index : m_indexes) {
            AddressRecord record{};
            if (!m_store.GetRecord(index, record))
                continue;
            applyMultiChange(record, wanted);
            m_store.ReplaceRecord(index, record);
        }
    }
    QDialog::accept();
}

bool RunMultiEdit(AddressStore &store, const std::vector<int> &indexes,
                  const AddressEditSetup &setup, QWidget *parent)
{
    AddressMultiEditDialog dialog(store, indexes, setup, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    store.RefreshGroupColumn();
    return true;
}

} // namespace views
