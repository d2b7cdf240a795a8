#pragma once

#include <QAbstractButton>
#include <QPixmap>

#include <array>

namespace app {

// Which picture a bitmap button shows.
enum class ButtonPicture { Normal, Pressed, Hover, Disabled };

// The picture for a button's state: pressed while pushed, disabled while disabled, hover while
// the pointer is over an enabled button that is not pushed; a missing picture falls back to
// the normal one.
ButtonPicture chooseButtonPicture(bool enabled, bool pushed, bool hovered, bool hasPressed,
                                  bool hasHover, bool hasDisabled);

// A push button drawn from four pictures (normal, pressed, hover, disabled), given by their
// bitmap numbers; it sends its command id when clicked.
class BitmapButton : public QAbstractButton
{
    Q_OBJECT

public:
    using BitmapIds = std::array<int, 4>;

    BitmapButton(int command, const BitmapIds &bitmaps, QWidget *parent = nullptr);

    int command() const { return m_command; }
    // The picture the button shows now.
    ButtonPicture currentPicture() const;
    QSize sizeHint() const override;

signals:
    void commandTriggered(int command);

protected:
    // Loads the pictures; the normal one must exist, the others may be absent (0).
    void loadBitmaps(const BitmapIds &bitmaps);
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    int m_command;
    std::array<QPixmap, 4> m_pictures;
};

// A view button: while latched it shows only its fourth picture, the one for the current view.
// Releasing the mouse inside it latches it; the frame latches and unlatches the others.
class ViewToggleButton : public BitmapButton
{
    Q_OBJECT

public:
    ViewToggleButton(int command, const BitmapIds &bitmaps, QWidget *parent = nullptr);

    bool isLatched() const { return m_latched; }
    void setLatched(bool latched);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    BitmapIds m_bitmaps;
    bool m_latched = false;
};

// The pixmap of a bitmap number; null when the program has no such picture.
QPixmap bitmapPicture(int id);

} // namespace app
