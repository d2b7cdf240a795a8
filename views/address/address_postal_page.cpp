#include "address_postal_page.h"

#include "common/sjis_cut.h"
#include "common/sjis_literal.h"
#include "views/common/qt_text.h"
#include "views/common/sjis_edits.h"

#include <QFormLayout>

namespace views {

AddressPostalPage::AddressPostalPage(AddressRecord &buffer, const AddressLimits &limits,
                                     QWidget *parent)
    : QWidget(parent)
    , m_buffer(buffer)
    , m_code(new SjisLineEdit(this))
    , m_address(new SjisLineEdit(this))
{
    auto *layout = new QFormLayout(this);
    layout->addRow(toQString(sjis("郵便番号")), m_code);
    layout->addRow(toQString(sjis("住所")), m_address);

    m_code->setByteLimit(limits.postalCodeLength);
    m_code->setInputMethodOff(true);
    m_code->setSjisText(buffer.postalCode);
    m_code->setLocked(limits.postalCodeLength <= 0);
    m_address->setByteLimit(limits.postalAddressLength);
    m_address->setSjisText(buffer.postalAddress);
    m_address->setLocked(limits.postalAddressLength <= 0);

    connect(m_code, &QLineEdit::textChanged, this,
            [this] { copySjisField(m_buffer.postalCode, m_code->sjisText()); });
    connect(m_address, &QLineEdit::textChanged, this,
            [this] { copySjisField(m_buffer.postalAddress, m_address->sjisText()); });
}

} // namespace views
