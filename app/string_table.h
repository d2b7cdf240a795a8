#pragma once

#include <string>

namespace app {

// Every text the program shows, kept once. Texts with a resource number carry it as their
// value (command prompts share the command's id); those quoted without one are numbered from
// 70001. The texts are Shift_JIS.
enum class TextId {
    AppTitle = 57344,
    NewDataQuestion = 61204,
    KindAddress = 61205,
    KindBookmark = 61206,
    KindMail = 61207,
    KindSchedule = 61208,
    DriveSearchTitle = 61214,
    DriveSearchText = 61215,
    CardLoadTitle = 61216,
    CardLoadText = 61217,
    CardSaveTitle = 61218,
    CardSaveText = 61219,
    PcLoadTitle = 61220,
    PcLoadText = 61221,
    PcSaveTitle = 61222,
    PcSaveText = 61223,
    AddressNeedsNameOrPhone = 61225,
    MemoryNumberTaken = 61226,
    UrlRequired = 61227,
    TempFileFailed = 61228,
    CaptionWarning = 61232,
    CaptionInformation = 61233,
    CaptionError = 61234,
    CaptionConfirmation = 61235,
    CaptionFatal = 61236,
    CaptionStartupError = 61237,
    CalendarMonthTitle = 61245,
    PhoneSlotItem = 61247,
    MailSlotItem = 61248,
    RepeatForever = 61249,
    RepeatTimes = 61250,
    Sunday = 61260,
    Monday = 61261,
    Tuesday = 61262,
    Wednesday = 61263,
    Thursday = 61264,
    Friday = 61265,
    Saturday = 61266,
    PostalCodeShape = 61267,
    EndBeforeStart = 61268,
    MemoryNumberTooHigh = 61276,
    PromptBookmarkView = 1000,
    PromptAddressView = 1001,
    PromptMailView = 1002,
    PromptScheduleView = 1003,
    PromptModelSetting = 1004,
    PromptBanner = 1005,
    PromptHelp = 1006,
    PromptExit = 1007,
    PromptOpen = 1008,
    PromptSaveAs = 1009,
    PromptAdd = 1010,
    PromptEdit = 1012,
    PromptDelete = 1013,
    PromptMainView = 1014,
    PromptLoadCard = 1015,
    PromptSaveCard = 1016,
    PromptNew = 1017,
    PromptViewItem = 32777,
    PromptSave = 32778,
    UnsupportedOs = 70001,
    ScreenTooSmall = 70002,
    TooFewColours = 70003,
    OutOfMemoryAtStart = 70004,
    PluginsMissing = 70005,
    PluginSetupFailed = 70006,
    StartupFailed = 70007,
    Untitled = 70008,
    SelectionCount = 70009,
    DeleteQuestion = 70010,
    UnsavedAtExit = 70011,
    ModelChangeQuestion = 70012,
    ModelChangeCancelled = 70013,
    DataOfOtherPlugin = 70014,
    DataOfUnknownPlugin = 70015,
    ModelDialogTitle = 70016,
    ModelDialogLabel = 70017,
    ModelDialogNote = 70018,
    CancelButton = 70019,
    AboutMenuItem = 70020,
    AboutTitle = 70021,
    AboutVersion = 70022,
    FileMenu = 70023,
    MenuNew = 70024,
    MenuOpen = 70025,
    MenuSaveAs = 70026,
    MenuSave = 70027,
    MenuExit = 70028,
    ContextAdd = 70029,
    ContextEdit = 70030,
    ContextDelete = 70031,
    ContextOpenUrl = 70032,
    ContextOpenMail = 70033,
};

// The Shift_JIS bytes of a text; an empty string for an id the table does not hold.
const char *text(TextId id);

// The text of a numbered resource, for the tooltips and prompts that go by command id; empty
// when there is none.
const char *textOfId(int id);

// printf-style filling of a text with the given arguments.
std::string formatText(TextId id, ...);

} // namespace app
