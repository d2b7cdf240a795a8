#pragma once

#include "views/common/record_data_view.h"

namespace views {

// The schedule view: one row per entry with its moments, repetition, summary, alarm and icon.
class CCalendarView : public RecordDataView
{
    Q_OBJECT

public:
    explicit CCalendarView(QWidget *parent = nullptr);

protected:
    std::vector<std::string> rowTexts(int index) const override;
};

} // namespace views
