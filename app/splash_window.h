#pragma once

#include "app/dib_image.h"

#include <QWidget>

namespace app {

// The start-up picture: BANNER.BMP in a frameless window one pixel larger than the picture,
// centred on the desktop; a yellow 320 x 240 area when the picture is missing.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SplashWindow(const std::string &bannerPath);

    // Shows the window and paints it at once, before the start-up work blocks the loop.
    void showNow();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    DibImage m_picture;
    QSize m_pictureSize;
};

} // namespace app
