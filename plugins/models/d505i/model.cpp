// The D505i: its tables and how its address cards differ.
#include "plugins/core/model.h"

namespace plugin {
namespace {

const char *const kPhoneIcons[] = {
    "\x93\x64\x98\x62", // 電話
    "\x8E\xA9\x91\xEE", // 自宅
    "\x8C\x67\x91\xD1", // 携帯
    "\x89\xEF\x8E\xD0", // 会社
};

const OptionList kOptionLists[] = {
    {INFORM_PHONE_ICONS, kPhoneIcons},
};

const char *const kPhoneWords[] = {
    "VOICE",
    "HOME;VOICE",
    "CELL",
    "WORK;VOICE",
};

const CardLocation kCardLocations[4] = {
    {".URL", "\\MOBILE\\DOCOMO\\BOOKMARK\\", "\\MOBILE\\DOCOMO\\BOOKMARK\\M%07d", 9999999},
    {".VCF", "\\MOBILE\\DOCOMO\\NAMECARD\\", "\\MOBILE\\DOCOMO\\NAMECARD\\M%07d", 9999999},
    {".VMG", "\\MOBILE\\DOCOMO\\MESSAGE\\", "\\MOBILE\\DOCOMO\\MESSAGE\\PIM%05d", 9999},
    {".VCS", "\\MOBILE\\DOCOMO\\CALENDAR\\", "\\MOBILE\\DOCOMO\\CALENDAR\\M%07d", 9999999},
};

const CardLineStep kCardLines[] = {
    {CardLine::Name, "N;CHARSET=Shift_JIS:%s;;;;", "N:"},
    {CardLine::Reading, "SOUND;X-IRMC-N;CHARSET=Shift_JIS:%s;;;;", "SOUND:"},
    {CardLine::Phones, nullptr},
    {CardLine::Mails, nullptr},
    {CardLine::Text, "X-CLASS:PUBLIC"},
};

const AddressFormat kAddressFormat = {
    .minimumCards = 1,
    .acceptance = CardAcceptance::Version,
    .numbering = MemoryNumbering::Sequence,
    .readsGroupNumber = true,
    .readsGroupName = false,
    .noteProperty = nullptr,
    .readsLamp = false,
    .postal = PostalLayout::SecondComponent,
    .phones = {
            .maxLoaded = 3,
            .iconSource = IconSource::TypeWord,
            .line = "TEL;%s:%s",
            .typed = true,
            .emptyLine = "TEL:",
            .emptyRule = EmptySlotRule::UntilLineWritten,
            .words = kPhoneWords,
            .iconCount = 4,
        },
    .mails = {
            .maxLoaded = 3,
            .iconSource = IconSource::None,
            .line = "EMAIL;INTERNET:%s",
            .typed = false,
            .emptyLine = "EMAIL:",
            .emptyRule = EmptySlotRule::UntilLineWritten,
            .iconCount = 1,
        },
    .writesOwner = false,
    .lines = kCardLines,
};

// Schedule: the phone keeps the start time only; end and alarm are written as the start.
const EventLineStep kEventLines[] = {
    {EventLine::Start, "DTSTART:%s"},
    {EventLine::Start, "DTEND:%s"},
    {EventLine::QuotedPrinted,
     "DESCRIPTION;CHARSET=Shift_JIS;ENCODING=QUOTED-PRINTABLE:", "DESCRIPTION:"},
    {EventLine::Text, "CLASS:PUBLIC"},
    {EventLine::Text, "CATEGORIES:"},
    {EventLine::AlarmAtStart, "AALARM:%s;;;", "AALARM:"},
    {EventLine::Repeat, nullptr},
};

const ScheduleFormat kScheduleFormat = {
    .readsTodos = true,
    .repeatCount = true,
    .skipsEmptyStart = true,
    .lines = kEventLines,
};

// Bookmarks: one per .URL file; the folder number is read, not written.
const BookmarkLineStep kBookmarkLines[] = {
    {BookmarkLine::Url, "URL:%s"},
    {BookmarkLine::Title, "TITLE;CHARSET=SHIFT_JIS:%s", "TITLE:"},
    {BookmarkLine::Env},
};

const BookmarkFormat kBookmarkFormat = {
    .folderNumberProperty = "X-SEMC-FLDNO:",
    .negativeFolderAsZero = true,
    .lines = kBookmarkLines,
};

const ModelDefinition kModel = {
    .modelName = "DoCoMo D505i",
    .pluginCode = 0x444D0101,
    .bookmarkLimits = {{}, 1, 50, 0, 5, 256, 1, 24, 2, 18, 2},
    .addressLimits = {{}, 0, 500, 0, 0, 0, 0, 49, 32, 2, 32, 1, 3, 24, 1, 0,
                      0,  3, 50,  1, 0, 0, 0, 0,  0,  0, 0,  0, 1, 0,  0, 0},
    .scheduleLimits = {{}, 0, 100, 1, 1, 0, 0, 1, 1, 0, 2, 256, 2,    0,
                       2,  3, 0,   1, 0, 0, 0, 0, 0, 0, 0, 0,   2002, 2099},
    .optionLists = kOptionLists,
    .cardFiles = kCardLocations,
    .managementDescriptor = nullptr,
    .reportsStepErrors = false,
    .address = kAddressFormat,
    .schedule = kScheduleFormat,
    .bookmark = kBookmarkFormat,
    .mail = {},
};

} // namespace

const ModelDefinition &thisModel()
{
    return kModel;
}

} // namespace plugin
