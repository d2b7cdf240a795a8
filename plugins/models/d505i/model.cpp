// The D505i: its tables and how its address cards differ.
#include "plugins/core/model.h"
#include "common/sjis_literal.h"

namespace plugin {
namespace {

const char *const kPhoneIcons[] = {
    sjis("電話"),
    sjis("自宅"),
    sjis("携帯"),
    sjis("会社"),
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
    .bookmarkLimits =
        {
            .header = {},
            .word20 = 1,
            .capacity = 50,
            .word28 = 0,
            .word32 = 5,
            .urlLength = 256,
            .word40 = 1,
            .titleLength = 24,
            .titleInputMode = 2,
            .word52 = 18,
            .word56 = 2,
        },
    .addressLimits =
        {
            .header = {},
            .word20 = 0,
            .capacity = 500,
            .numbersBelowCapacity = 0,
            .ownerRequired = 0,
            .word36 = 0,
            .word40 = 0,
            .word44 = 49,
            .nameLength = 32,
            .word52 = 2,
            .readingLength = 32,
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
            .postalAddressLength = 0,
            .word116 = 0,
            .noteLength = 0,
            .word124 = 0,
            .phoneIconChoice = 1,
            .mailIconChoice = 0,
            .phoneIlluminationChoice = 0,
            .mailIlluminationChoice = 0,
        },
    .scheduleLimits =
        {
            .header = {},
            .word20 = 0,
            .capacity = 100,
            .word28 = 1,
            .word32 = 1,
            .startTimeOption = 0,
            .endTimeOption = 0,
            .alarmAvailable = 1,
            .word48 = 1,
            .summaryLength = 0,
            .word56 = 2,
            .descriptionLength = 256,
            .word64 = 2,
            .locationLength = 0,
            .word72 = 2,
            .highestRepeatRule = 3,
            .weekdayChoice = 0,
            .repeatCountChoice = 1,
            .alarmOption = 0,
            .word92 = 0,
            .allDayChoice = 0,
            .alarmToneChoice = 0,
            .alarmVolumeChoice = 0,
            .alarmTimeOption = 0,
            .alarmLeadTimeOption = 0,
            .largestAlarmLead = 0,
            .firstYear = 2002,
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
