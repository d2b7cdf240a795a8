// The SO505i: its tables and how its address cards differ.
#include "plugins/core/model.h"
#include "common/sjis_literal.h"

namespace plugin {
namespace {

const char *const kPhoneIcons[] = {
    sjis("一般電話"),         sjis("自宅"),   sjis("携帯電話１"), sjis("携帯電話２"), sjis("会社"),
    sjis("クイックキャスト"), sjis("ＦＡＸ"),
};

const char *const kMailIcons[] = {
    sjis("一般メール"),   sjis("会社メール"),   sjis("自宅メール"),
    sjis("携帯メール１"), sjis("携帯メール２"),
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
    .bookmarkLimits =
        {
            .header = {},
            .word20 = 1,
            .capacity = 50,
            .word28 = 0,
            .word32 = 0,
            .urlLength = 256,
            .word40 = 1,
            .titleLength = 24,
            .titleInputMode = 2,
            .word52 = 0,
            .word56 = 2,
        },
    .addressLimits =
        {
            .header = {},
            .word20 = 0,
            .capacity = 1000,
            .numbersBelowCapacity = 0,
            .ownerRequired = 0,
            .word36 = 0,
            .word40 = 0,
            .word44 = 9,
            .nameLength = 20,
            .word52 = 2,
            .readingLength = 18,
            .word60 = 1,
            .phoneSlots = 3,
            .phoneLength = 24,
            .word72 = 1,
            .word76 = 0,
            .word80 = 0,
            .mailSlots = 3,
            .mailLength = 50,
            .word92 = 1,
            .word96 = 0,
            .word100 = 0,
            .postalCodeLength = 0,
            .word108 = 0,
            .postalAddressLength = 128,
            .word116 = 0,
            .noteLength = 0,
            .word124 = 2,
            .phoneIconChoice = 1,
            .mailIconChoice = 1,
            .phoneIlluminationChoice = 0,
            .mailIlluminationChoice = 0,
        },
    .scheduleLimits =
        {
            .header = {},
            .word20 = 0,
            .capacity = 200,
            .word28 = 1,
            .word32 = 1,
            .startTimeOption = 1,
            .endTimeOption = 0,
            .alarmAvailable = 1,
            .word48 = 0,
            .summaryLength = 0,
            .word56 = 2,
            .descriptionLength = 256,
            .word64 = 2,
            .locationLength = 64,
            .word72 = 2,
            .highestRepeatRule = 4,
            .weekdayChoice = 0,
            .repeatCountChoice = 1,
            .alarmOption = 0,
            .word92 = 0,
            .allDayChoice = 1,
            .alarmToneChoice = 0,
            .alarmVolumeChoice = 0,
            .alarmTimeOption = 1,
            .alarmLeadTimeOption = 1,
            .largestAlarmLead = 99,
            .firstYear = 2000,
            .lastYear = 2099,
        },
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
