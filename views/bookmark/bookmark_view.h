#pragma once

#include "views/common/record_data_view.h"

namespace views {

// The bookmark view: one list of title, URL and folder.
class CBookMarkView : public RecordDataView
{
    Q_OBJECT

public:
    explicit CBookMarkView(QWidget *parent = nullptr);

protected:
    std::vector<std::string> rowTexts(int index) const override;
};

} // namespace views
