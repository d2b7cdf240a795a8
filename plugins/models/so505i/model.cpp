// The SO505i: its tables and how its address cards differ.
#include "plugins/core/model.h"

namespace plugin {
namespace {

const char *const kPhoneIcons[] = {
    "\x88\xEA\x94\xCA\x93\x64\x98\x62",                                 // 一般電話
    "\x8E\xA9\x91\xEE",                                                 // 自宅
    "\x8C\x67\x91\xD1\x93\x64\x98\x62\x82\x50",                         // 携帯電話１
    "\x8C\x67\x91\xD1\x93\x64\x98\x62\x82\x51",                         // 携帯電話２
    "\x89\xEF\x8E\xD0",                                                 // 会社
    "\x83\x4E\x83\x43\x83\x62\x83\x4E\x83\x4C\x83\x83\x83\x58\x83\x67", // クイックキャスト
    "\x82\x65\x82\x60\x82\x77",                                         // ＦＡＸ
};

const char *const kMailIcons[] = {
    "\x88\xEA\x94\xCA\x83\x81\x81\x5B\x83\x8B",         // 一般メール
    "\x89\xEF\x8E\xD0\x83\x81\x81\x5B\x83\x8B",         // 会社メール
    "\x8E\xA9\x91\xEE\x83\x81\x81\x5B\x83\x8B",         // 自宅メール
    "\x8C\x67\x91\xD1\x83\x81\x81\x5B\x83\x8B\x82\x50", // 携帯メール１
    "\x8C\x67\x91\xD1\x83\x81\x81\x5B\x83\x8B\x82\x51", // 携帯メール２
};

const OptionList kOptionLists[] = {
    {INFORM_PHONE_ICONS, kPhoneIcons},
    {INFORM_MAIL_ICONS, kMailIcons},
};

const char *const kPhoneWords[] = {
    "VOICE", "HOME;VOICE", "CELL", "PCS", "WORK;VOICE", "PAGER", "FAX",
};

const char *const kMailWords[] = {
    "INTERNET", "WORK", "HOME", "CELL1", "CELL2",
};

const CardLocation kCardLocations[4] = {
    {".URL", "\\MOBILE\\DOCOMO\\BOOKMARK\\", "\\MOBILE\\DOCOMO\\BOOKMARK\\BMRK%04d", 9999},
    {".VCF", "\\MOBILE\\DOCOMO\\NAMECARD\\", "\\MOBILE\\DOCOMO\\NAMECARD\\CARD%04d", 9999},
    {".VMG", "\\MOBILE\\DOCOMO\\MESSAGE\\", "\\MOBILE\\DOCOMO\\MESSAGE\\PIM%05d", 9999},
    {".VCS", "\\MOBILE\\DOCOMO\\CALENDAR\\", "\\MOBILE\\DOCOMO\\CALENDAR\\CLND%04d", 9999},
};

const CardLineStep kCardLines[] = {
    {CardLine::Name, "N;CHARSET=SHIFT_JIS:%s;;;;", "N:"},
    {CardLine::Reading, "SOUND;X-IRMC-N;CHARSET=SHIFT_JIS:%s;;;;", "SOUND:"},
    {CardLine::GroupNumber, "X-GNO:%d", nullptr, 9},
    {CardLine::Phones, nullptr},
    {CardLine::Mails, nullptr},
    {CardLine::PostalAddress, "ADR;CHARSET=SHIFT_JIS;DOM;HOME:;%s;;;;;"},
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
            .iconCount = 7,
        },
    .mails = {
            .maxLoaded = 3,
            .iconSource = IconSource::FollowingLine,
            .followProperty = "X-SEMC-EMAIL:",
            .followIsWord = true,
            .line = "EMAIL;INTERNET:%s",
            .typed = false,
            .emptyLine = "EMAIL:",
            .emptyRule = EmptySlotRule::UntilLineWritten,
            .followLine = "X-SEMC-EMAIL:%s",
            .words = kMailWords,
            .iconCount = 5,
        },
    .writesOwner = false,
    .lines = kCardLines,
};

// Schedule: VEVENTs only, with location and all-day; yearly repeat "YD1".
const EventLineStep kEventLines[] = {
    {EventLine::Start, "DTSTART:%s"},
    {EventLine::End, "DTEND:%s"},
    {EventLine::QuotedPrinted,
     "DESCRIPTION;ENCODING=QUOTED-PRINTABLE;CHARSET=SHIFT_JIS:", "DESCRIPTION:"},
    {EventLine::QuotedPrinted, "LOCATION;ENCODING=QUOTED-PRINTABLE;CHARSET=SHIFT_JIS:", nullptr,
     ScheduleText::Location},
    {EventLine::Text, "CLASS:PUBLIC"},
    {EventLine::Text, "CATEGORIES:"},
    {EventLine::Alarm, "AALARM:%s;;;", "AALARM:;;;"},
    {EventLine::Repeat, nullptr},
    {EventLine::AllDay, "X-SEMC-ALLDAY:ON", "X-SEMC-ALLDAY:"},
};

const ScheduleFormat kScheduleFormat = {
    .readsTodos = false,
    .yearlyWord = "YD1",
    .repeatCount = true,
    .readsLocation = true,
    .allDayProperty = "X-SEMC-ALLDAY:",
    .lines = kEventLines,
};

// Bookmarks: one per .URL file, the folder number as X-SEMC-FLDNO.
const BookmarkLineStep kBookmarkLines[] = {
    {BookmarkLine::Url, "URL:%s"},
    {BookmarkLine::Title, "TITLE;CHARSET=SHIFT_JIS:%s", "TITLE:"},
    {BookmarkLine::FolderNumber, "X-SEMC-FLDNO:%d", nullptr, 10},
    {BookmarkLine::Env},
};

const BookmarkFormat kBookmarkFormat = {
    .folderNumberProperty = "X-SEMC-FLDNO:",
    .negativeFolderAsZero = true,
    .envShortcutOnlyForEmptyUrl = true,
    .lines = kBookmarkLines,
};

const ModelDefinition kModel = {
    .modelName = "DoCoMo SO505i",
    .pluginCode = 0x444F0101,
    .bookmarkLimits = {{}, 1, 50, 0, 0, 256, 1, 24, 2, 0, 2},
    .addressLimits = {{}, 0, 1000, 0, 0, 0, 0, 9, 20,  2, 18, 1, 3, 24, 1, 0,
                      0,  3, 50,   1, 0, 0, 0, 0, 128, 0, 0,  2, 1, 1,  0, 0},
    .scheduleLimits = {{}, 0, 200, 1, 1, 1, 0, 1, 0, 0, 2, 256, 2,    64,
                       2,  4, 0,   1, 0, 0, 1, 0, 0, 1, 1, 99,  2000, 2099},
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
