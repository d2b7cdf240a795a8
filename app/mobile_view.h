#pragma once

#include "app/dib_image.h"

#include <QWidget>

namespace app {

// The picture view shown while no data view is: FIRST.BMP centred on palette colour 3.
class CMobileView : public QWidget
{
    Q_OBJECT

public:
    explicit CMobileView(const std::string &picturePath, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    DibImage m_picture;
};

} // namespace app
