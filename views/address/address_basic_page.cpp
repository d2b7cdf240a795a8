#include "address_basic_page.h"

#include "common/sjis_cut.h"
#include "common/sjis_literal.h"
#include "views/address/address_edit_rules.h"
#include "views/common/group_table.h"
#include "views/common/qt_text.h"
#include "views/common/sjis_edits.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

#include <cstdio>

namespace views {
namespace {

// Takes a typed digit only while there is room for three.
class MemoryNumberEdit : public SjisLineEdit
{
public:
    using SjisLineEdit::SjisLineEdit;

protected:
    bool acceptsTyped(QChar) const override
    {
        return acceptsMemoryNumberDigit(size_t(text().size()), hasSelectedText());
    }
};

} // namespace

AddressBasicPage::AddressBasicPage(AddressRecord &buffer, const AddressLimits &limits,
                                   const GroupTable &groups, QWidget *parent)
    : QWidget(parent)
    , m_buffer(buffer)
    , m_limits(limits)
    , m_groups(groups)
    , m_groupItems(groupItems(groups))
    , m_memoryNumber(new MemoryNumberEdit(this))
    , m_name(new SjisLineEdit(this))
    , m_reading(new SjisLineEdit(this))
    , m_group(new QComboBox(this))
{
    auto *layout = new QFormLayout(this);
    layout->addRow(toQString(sjis("ﾒﾓﾘ番号")), m_memoryNumber);
    layout->addRow(toQString(sjis("名前")), m_name);
    layout->addRow(toQString(sjis("ﾌﾘｶﾞﾅ")), m_reading);
    layout->addRow(toQString(sjis("ｸﾞﾙｰﾌﾟ")), m_group);

    char number[16];
    std::snprintf(number, sizeof number, "%03d", int(buffer.memoryNumber));
    m_memoryNumber->setByteLimit(int(MemoryNumberCharacters));
    m_memoryNumber->setCharacterFilter(CharacterFilter::Digits);
    m_memoryNumber->setInputMethodOff(true);
    m_memoryNumber->setSjisText(number);

    m_name->setByteLimit(limits.nameLength);
    m_name->setSjisText(buffer.name);
    m_name->setLocked(limits.nameLength <= 0);

    m_reading->setByteLimit(limits.readingLength);
    m_reading->setInputMethodOff(true);
    m_reading->setSjisText(buffer.reading);
    m_reading->setLocked(limits.readingLength <= 0);

    for (const ChoiceItem &item : m_groupItems)
        m_group->addItem(toQString(item.text), item.value);
    m_group->setCurrentIndex(std::max(positionOfValue(m_groupItems, buffer.groupNumber), 0));

    connect(m_memoryNumber, &QLineEdit::textChanged, this, &AddressBasicPage::memoryNumberChanged);
    connect(m_name, &QLineEdit::textChanged, this, &AddressBasicPage::nameChanged);
    connect(m_name, &SjisLineEdit::committing, this, &AddressBasicPage::nameCommitting);
    connect(m_name, &SjisLineEdit::typing, this, &AddressBasicPage::nameTyping);
    connect(m_reading, &QLineEdit::textChanged, this,
            [this] { copySjisField(m_buffer.reading, m_reading->sjisText()); });
    connect(m_group, &QComboBox::currentIndexChanged, this, &AddressBasicPage::groupChosen);
}

void AddressBasicPage::memoryNumberChanged()
{
    const MemoryNumberText read = readMemoryNumberText(m_memoryNumber->sjisText());
    m_buffer.memoryNumber = read.value;
    if (read.shown)
        m_memoryNumber->setSjisText(*read.shown);
}

void AddressBasicPage::nameChanged()
{
    const std::string name = m_name->sjisText();
    if (name.empty())
        m_reading->setSjisText({});
    copySjisField(m_buffer.name, name);
}

void AddressBasicPage::groupChosen(int position)
{
    if (position < 0 || position >= int(m_groupItems.size()))
        return;
    m_buffer.groupNumber = m_groupItems[size_t(position)].value;
    copySjisField(m_buffer.groupName, groupNameOf(m_groups, m_buffer.groupNumber));
}

NameEditState AddressBasicPage::nameState() const
{
    return {.empty = m_name->text().isEmpty(),
            .wholeTextSelected = m_name->selectedText() == m_name->text()};
}

void AddressBasicPage::nameCommitting(const QString &text)
{
    if (const std::optional<std::string> reading = readingAfterCommit(
            m_reading->sjisText(), m_limits.readingLength, nameState(), fromQString(text)))
        m_reading->setSjisText(*reading);
}

void AddressBasicPage::nameTyping(const QString &character)
{
    const std::string typed = fromQString(character);
    if (typed.size() != 1)
        return;
    if (const std::optional<std::string> reading
        = readingAfterTyping(m_reading->sjisText(), m_limits.readingLength, nameState(),
                             static_cast<unsigned char>(typed[0])))
        m_reading->setSjisText(*reading);
}

} // namespace views
