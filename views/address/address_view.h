#pragma once

#include "views/common/data_view.h"

namespace views {

// The address view: one row per entry with a memory number; the owner's own entry (memory
// number 99999) stays in the store but is neither listed nor counted.
class CAddressView : public DataView
{
    Q_OBJECT

public:
    explicit CAddressView(QWidget *parent = nullptr);

    // The entries without the owner's own entry.
    int entryCount() const override;

protected:
    std::vector<std::string> rowTexts(int index) const override;
    bool isListed(int index) const override;
};

} // namespace views
