#pragma once

#include "common/inform_blocks.h"
#include "common/records.h"

#include <QWidget>

namespace views {

class SjisLineEdit;

// "住所": postal code and postal address, each locked when the model has no such field. Every
// change goes into the edit buffer at once; the postal code's shape is checked by OK.
class AddressPostalPage : public QWidget
{
    Q_OBJECT

public:
    AddressPostalPage(AddressRecord &buffer, const AddressLimits &limits,
                      QWidget *parent = nullptr);

    SjisLineEdit *postalCodeEdit() const { return m_code; }
    SjisLineEdit *postalAddressEdit() const { return m_address; }

private:
    AddressRecord &m_buffer;
    SjisLineEdit *m_code;
    SjisLineEdit *m_address;
};

} // namespace views
