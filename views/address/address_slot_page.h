#pragma once

#include "common/inform_blocks.h"
#include "common/records.h"
#include "views/address/address_edit_slots.h"
#include "views/common/choice_lists.h"

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;

namespace views {

class SjisLineEdit;

// "電話番号" and "ﾒｰﾙｱﾄﾞﾚｽ": one page for either kind of slot, set up by its SlotKind. The
// selector picks the slot the text edit and the icon list show; the illumination belongs to the
// whole record. Slots beyond the model's count are shown locked. Every change goes into the
// edit buffer at once.
class AddressSlotPage : public QWidget
{
    Q_OBJECT

public:
    AddressSlotPage(AddressRecord &buffer, const SlotKind &kind, const AddressLimits &limits,
                    const std::vector<std::string> &iconNames,
                    const std::vector<std::string> &illuminationNames, QWidget *parent = nullptr);

    QComboBox *slotList() const { return m_slots; }
    SjisLineEdit *textEdit() const { return m_text; }
    QComboBox *iconList() const { return m_icons; }
    QComboBox *illuminationList() const { return m_illuminations; }

private:
    void showSlot(int slot);
    void iconChosen(int position);
    void illuminationChosen(int position);

    AddressRecord &m_buffer;
    const SlotKind &m_kind;
    AddressLimits m_limits;
    std::vector<ChoiceItem> m_iconItems;
    std::vector<ChoiceItem> m_illuminationItems;
    int m_slot = 0;
    QComboBox *m_slots;
    SjisLineEdit *m_text;
    QComboBox *m_icons;
    QComboBox *m_illuminations;
};

} // namespace views
