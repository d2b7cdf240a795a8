#include "button_bars.h"

#include "app/commands.h"
#include "app/palette.h"

#include <QPainter>

namespace app {
namespace {

constexpr int Margin = 6;

} // namespace

CMobileDialogBar::CMobileDialogBar(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(false);
}

void CMobileDialogBar::addButton(BitmapButton *button, QPoint position)
{
    button->setParent(this);
    button->move(position);
    m_buttons.push_back(button);
    connect(button, &BitmapButton::commandTriggered, this, &CMobileDialogBar::commandTriggered);
    QRect bounds;
    for (const BitmapButton *each : m_buttons)
        bounds |= each->geometry();
    setFixedSize(bounds.right() + 1 + Margin, bounds.bottom() + 1 + Margin);
}

BitmapButton *CMobileDialogBar::button(int command) const
{
    for (BitmapButton *candidate : m_buttons) {
        if (candidate->command() == command)
            return candidate;
    }
    return nullptr;
}

void CMobileDialogBar::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), paletteColour(BarColour));
}

CMainMenuBar::CMainMenuBar(QWidget *parent)
    : CMobileDialogBar(parent)
{
    setObjectName("CMainMenuBar");
    struct Entry
    {
        int command;
        BitmapButton::BitmapIds bitmaps;
        int x;
    };
    const Entry entries[] = {
        {CmdNewData, {232, 230, 231, 229}, 6},        {CmdLoadFromCard, {216, 214, 215, 213}, 64},
        {CmdSaveToCard, {224, 222, 223, 221}, 122},   {CmdAdd, {259, 261, 262, 260}, 186},
        {CmdEdit, {210, 212, 209, 211}, 244},         {CmdDelete, {208, 206, 207, 205}, 302},
        {CmdModelSetting, {198, 196, 197, 199}, 366}, {CmdBanner, {266, 268, 269, 267}, 430}};
    for (const Entry &entry : entries)
        addButton(new BitmapButton(entry.command, entry.bitmaps), QPoint(entry.x, Margin));
}

CMainToolBar::CMainToolBar(QWidget *parent)
    : CMobileDialogBar(parent)
{
    setObjectName("CMainToolBar");
    struct Entry
    {
        int command;
        BitmapButton::BitmapIds bitmaps;
        int y;
    };
    const Entry entries[] = {{CmdBookmarkView, {135, 137, 134, 136}, 39},
                             {CmdAddressView, {174, 172, 173, 171}, 111},
                             {CmdMailView, {178, 176, 177, 175}, 183},
                             {CmdScheduleView, {182, 180, 181, 179}, 255}};
    for (const Entry &entry : entries)
        addButton(new ViewToggleButton(entry.command, entry.bitmaps), QPoint(Margin, entry.y));
    setFixedHeight(QWIDGETSIZE_MAX);
    setMinimumHeight(0);
}

ViewToggleButton *CMainToolBar::viewButton(int kind) const
{
    return static_cast<ViewToggleButton *>(button(CmdBookmarkView + kind - 1));
}

void CMainToolBar::latchView(int kind)
{
    for (int each = KindBookmark; each <= KindSchedule; ++each) {
        if (ViewToggleButton *toggle = viewButton(each))
            toggle->setLatched(each == kind);
    }
}

CViewPcFileBar::CViewPcFileBar(QWidget *parent)
    : CMobileDialogBar(parent)
{
    setObjectName("CViewPcFileBar");
    addButton(new BitmapButton(CmdOpenPcFile, {220, 218, 219, 217}), QPoint(6, Margin));
    addButton(new BitmapButton(CmdSaveAs, {228, 226, 227, 225}), QPoint(42, Margin));
}

CViewBar::CViewBar(QWidget *parent)
    : CMobileDialogBar(parent)
{
    setObjectName("CViewBar");
    addButton(new BitmapButton(CmdHelp, {194, 192, 193, 195}), QPoint(6, Margin));
    addButton(new BitmapButton(CmdMainView, {202, 204, 201, 203}), QPoint(42, Margin));
}

} // namespace app
