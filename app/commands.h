#pragma once

namespace app {

// The command identifiers that menus, accelerators and buttons send to the main frame.
enum Command : int {
    CmdBookmarkView = 1000,
    CmdAddressView = 1001,
    CmdMailView = 1002,
    CmdScheduleView = 1003,
    CmdModelSetting = 1004,
    CmdBanner = 1005,
    CmdHelp = 1006,
    CmdExit = 1007,
    CmdOpenPcFile = 1008,
    CmdSaveAs = 1009,
    CmdAdd = 1010,
    CmdEdit = 1012,
    CmdDelete = 1013,
    CmdMainView = 1014,
    CmdLoadFromCard = 1015,
    CmdSaveToCard = 1016,
    CmdNewData = 1017,
    CmdExport = 1030,
    CmdImport = 1031,
    CmdSelectAll = 32773,
    CmdViewItem = 32777,
    CmdSave = 32778,
    CmdAbout = 57664,
    CmdExitMenu = 57665,
};

// The view kinds of the frame: 0 the picture view, then the four data views.
enum ViewKind : int {
    KindPicture = 0,
    KindBookmark = 1,
    KindAddress = 2,
    KindMail = 3,
    KindSchedule = 4,
};

} // namespace app
