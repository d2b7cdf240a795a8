#pragma once

#include "app/bitmap_button.h"

#include <QWidget>

#include <vector>

namespace app {

// A bar of picture buttons on the bar colour, without border. Every button sends its command
// through commandTriggered and shows its command's prompt as tooltip.
class CMobileDialogBar : public QWidget
{
    Q_OBJECT

public:
    explicit CMobileDialogBar(QWidget *parent = nullptr);

    const std::vector<BitmapButton *> &buttons() const { return m_buttons; }
    BitmapButton *button(int command) const;

signals:
    void commandTriggered(int command);

protected:
    // Adds a button at position inside the bar; the bar grows to hold it with a margin of 6.
    void addButton(BitmapButton *button, QPoint position);
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<BitmapButton *> m_buttons;
};

// The main button row: new, card load and save, add, edit, delete, model and banner.
class CMainMenuBar : public CMobileDialogBar
{
    Q_OBJECT
public:
    explicit CMainMenuBar(QWidget *parent = nullptr);
};

// The left-hand bar with the four view buttons.
class CMainToolBar : public CMobileDialogBar
{
    Q_OBJECT
public:
    explicit CMainToolBar(QWidget *parent = nullptr);
    // Latches the button of view kind 1 to 4 and unlatches the others; 0 unlatches all.
    void latchView(int kind);
    ViewToggleButton *viewButton(int kind) const;
};

// Open and save of the view's PC data file.
class CViewPcFileBar : public CMobileDialogBar
{
    Q_OBJECT
public:
    explicit CViewPcFileBar(QWidget *parent = nullptr);
};

// Help for the view and the way back to the main view.
class CViewBar : public CMobileDialogBar
{
    Q_OBJECT
public:
    explicit CViewBar(QWidget *parent = nullptr);
};

} // namespace app
