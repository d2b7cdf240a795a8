#include "address_slot_page.h"

#include "common/sjis_literal.h"
#include "views/common/qt_text.h"
#include "views/common/sjis_edits.h"

#include <QComboBox>
#include <QFormLayout>

namespace views {
namespace {

void fill(QComboBox *list, const std::vector<ChoiceItem> &items)
{
    for (const ChoiceItem &item : items)
        list->addItem(toQString(item.text), item.value);
}

} // namespace

AddressSlotPage::AddressSlotPage(AddressRecord &buffer, const SlotKind &kind,
                                 const AddressLimits &limits,
                                 const std::vector<std::string> &iconNames,
                                 const std::vector<std::string> &illuminationNames, QWidget *parent)
    : QWidget(parent)
    , m_buffer(buffer)
    , m_kind(kind)
    , m_limits(limits)
    // Values without a name stay choosable; the last slot's is added first.
    , m_iconItems(optionItems(iconNames, {slotIcon(buffer, kind, 3), slotIcon(buffer, kind, 2),
                                          slotIcon(buffer, kind, 1), slotIcon(buffer, kind, 0)}))
    , m_illuminationItems(optionItems(illuminationNames, {illuminationOf(buffer, kind)}))
    , m_slots(new QComboBox(this))
    , m_text(new SjisLineEdit(this))
    , m_icons(new QComboBox(this))
    , m_illuminations(new QComboBox(this))
{
    static_assert(ADDRESS_PHONE_SLOTS == 4 && ADDRESS_MAIL_SLOTS == 4);
    auto *layout = new QFormLayout(this);
    layout->addRow(m_slots);
    layout->addRow(toQString(kind.textLabel), m_text);
    layout->addRow(toQString(sjis("ｱｲｺﾝ")), m_icons);
    layout->addRow(toQString(sjis("ｲﾙﾐﾈｰｼｮﾝ")), m_illuminations);

    for (int slot = 1; slot <= kind.slotCount; ++slot)
        m_slots->addItem(toQString(app::formatText(kind.slotItem, slot)));
    m_text->setByteLimit(limits.*kind.textLength);
    m_text->setCharacterFilter(kind.filter);
    m_text->setInputMethodOff(true);
    fill(m_icons, m_iconItems);
    fill(m_illuminations, m_illuminationItems);
    m_illuminations->setCurrentIndex(
        positionOfValue(m_illuminationItems, illuminationOf(buffer, kind)));
    showSlot(0);

    connect(m_slots, &QComboBox::currentIndexChanged, this, &AddressSlotPage::showSlot);
    connect(m_text, &QLineEdit::textChanged, this,
            [this] { setSlotText(m_buffer, m_kind, m_slot, m_text->sjisText()); });
    connect(m_icons, &QComboBox::currentIndexChanged, this, &AddressSlotPage::iconChosen);
    connect(m_illuminations, &QComboBox::currentIndexChanged, this,
            &AddressSlotPage::illuminationChosen);
}

void AddressSlotPage::showSlot(int slot)
{
    if (slot < 0 || slot >= m_kind.slotCount)
        return;
    m_slot = slot;
    m_text->setLocked(!isSlotTextEditable(m_kind, m_limits, slot));
    m_icons->setEnabled(isSlotIconEditable(m_kind, m_limits, slot));
    m_illuminations->setEnabled(isSlotIlluminationEditable(m_kind, m_limits, slot));
    m_text->setSjisText(slotText(m_buffer, m_kind, slot));
    m_icons->setCurrentIndex(positionOfValue(m_iconItems, slotIcon(m_buffer, m_kind, slot)));
}

void AddressSlotPage::iconChosen(int position)
{
    if (position >= 0 && position < int(m_iconItems.size()))
        setSlotIcon(m_buffer, m_kind, m_slot, m_iconItems[size_t(position)].value);
}

void AddressSlotPage::illuminationChosen(int position)
{
    if (position >= 0 && position < int(m_illuminationItems.size()))
        setIllumination(m_buffer, m_kind, m_illuminationItems[size_t(position)].value);
}

} // namespace views
