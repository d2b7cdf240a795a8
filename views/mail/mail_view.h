#pragma once

#include "views/common/record_data_view.h"

namespace views {

// The mail view: the received messages with state, sender, date and subject.
class CMailView : public RecordDataView
{
    Q_OBJECT

public:
    explicit CMailView(QWidget *parent = nullptr);

protected:
    std::vector<std::string> rowTexts(int index) const override;
};

} // namespace views
