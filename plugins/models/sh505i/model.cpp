// The SH505i: its tables and how its address cards differ.
#include "plugins/core/model.h"
#include "common/sjis_literal.h"
#include "plugins/core/sd_card_locations.h"

#include <array>

namespace plugin {
namespace {

const char *const kPhoneIcons[] = {
    sjis("一般電話"), sjis("携帯電話"), sjis("自宅"), sjis("会社"), sjis("ＦＡＸ"),
};

const char *const kScheduleIcons[] = {
    sjis("なし"), sjis("プライベート"), sjis("休日"), sjis("旅行"), sjis("仕事"), sjis("会議"),
};

const OptionList kOptionLists[] = {
    {INFORM_PHONE_ICONS, kPhoneIcons},
    {INFORM_SCHEDULE_ICONS, kScheduleIcons},
};

const char *const kPhoneWords[] = {
    "VOICE", "CELL", "HOME;VOICE", "WORK;VOICE", "FAX",
};

const CardLineStep kCardLines[] = {
    {CardLine::Name, "N;CHARSET=SHIFT_JIS:%s;;;;", "N;CHARSET=SHIFT_JIS:;"},
    {CardLine::Reading, "SOUND;X-IRMC-N;CHARSET=SHIFT_JIS:%s;;;;",
     "SOUND;X-IRMC-N;CHARSET=SHIFT_JIS:;"},
    {CardLine::Phones, nullptr},
    {CardLine::Mails, nullptr},
    {CardLine::NoteQuotedPrintable, "NOTE;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:",
     "NOTE;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:"},
    {CardLine::Text, "X-CLASS:PUBLIC"},
    {CardLine::GroupNumber, "X-GNO:%d"},
    {CardLine::GroupName, "X-GN;CHARSET=SHIFT_JIS:%s", "X-GN;CHARSET=SHIFT_JIS:"},
    {CardLine::Text, "X-REDUCTION:"},
    {CardLine::MemoryNumber, "X-NO:%d", "X-NO:"},
    {CardLine::Text, "X-SH-CATEGORIES:BACKUP"},
};

const AddressFormat kAddressFormat = {
    .minimumCards = 2,
    .acceptance = CardAcceptance::BackupWithMemoryNumber,
    .numbering = MemoryNumbering::FromCard,
    .readsGroupNumber = true,
    .readsGroupName = true,
    .noteProperty = "NOTE",
    .readsLamp = false,
    .postal = PostalLayout::None,
    .phones = {
            .maxLoaded = 4,
            .iconSource = IconSource::TypeWord,
            .line = "TEL;%s:%s",
            .typed = true,
            .emptyRule = EmptySlotRule::UntilNumberWritten,
            .words = kPhoneWords,
            .iconCount = 5,
        },
    .mails = {
            .maxLoaded = 3,
            .iconSource = IconSource::None,
            .line = "EMAIL;INTERNET:%s",
            .typed = false,
            .emptyRule = EmptySlotRule::UntilNumberWritten,
            .iconCount = 1,
        },
    .writesOwner = true,
    .lines = kCardLines,
};

// The data-management slot of an address-book file; the update puts in the file's time.
constexpr std::array<unsigned char, 128> buildPimDataDescriptor()
{
    std::array<unsigned char, 128> slot{};
    const auto put = [&slot](size_t offset, const char *text) {
        for (size_t i = 0; text[i]; ++i)
            slot[offset + i] = static_cast<unsigned char>(text[i]);
    };
    slot[0] = 0x01;
    slot[1] = 0x10;
    slot[9] = 0x01;
    put(10, "2.1"); // the vCard version
    slot[18] = 0x01;
    slot[19] = 0x02;
    put(20, "0000-00-00T00:00:00+09:00");
    put(52, "phone_sh505i");
    slot[69] = 0x11;
    put(70, "ja");
    return slot;
}

constexpr std::array<unsigned char, 128> PimDataDescriptor = buildPimDataDescriptor();

// Schedule: CATEGORIES words by icon (list 401), yearly repeat "YM1".
const char *const kCategoryWords[] = {"", "PERSONAL", "HOLIDAY", "TRAVEL", "BUSINESS", "MEETING"};

const EventLineStep kEventLines[] = {
    {EventLine::Start, "DTSTART:%s"},
    {EventLine::End, "DTEND:%s"},
    {EventLine::QuotedPrinted,
     "DESCRIPTION;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:", "DESCRIPTION:"},
    {EventLine::Text, "CLASS:PUBLIC"},
    {EventLine::Category, "CATEGORIES:%s"},
    {EventLine::Alarm, "AALARM:%s", "AALARM:"},
    {EventLine::Text, "DALARM:"},
    {EventLine::Repeat, nullptr},
};

const ScheduleFormat kScheduleFormat = {
    .readsTodos = true,
    .categoryWords = kCategoryWords,
    .yearlyWord = "YM1",
    .repeatCount = true,
    .iconCount = 6,
    .lines = kEventLines,
};

// Bookmarks: no folders; the title always quoted-printable.
const BookmarkLineStep kBookmarkLines[] = {
    {BookmarkLine::Url, "URL:%s"},
    {BookmarkLine::TitleQuotedPrinted,
     "TITLE;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:", "TITLE:"},
    {BookmarkLine::Env},
};

const BookmarkFormat kBookmarkFormat = {
    .lines = kBookmarkLines,
};

const ModelDefinition kModel = {
    .modelName = "DoCoMo SH505i",
    .pluginCode = 0x44530101,
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
            .capacity = 750,
            .numbersBelowCapacity = 1,
            .ownerRequired = 1,
            .word36 = 0,
            .word40 = 1,
            .word44 = 0,
            .nameLength = 32,
            .word52 = 2,
            .readingLength = 32,
            .word60 = 1,
            .phoneSlots = 3,
            .phoneLength = 24,
            .word72 = 1,
            .word76 = 0,
            .word80 = 0,
            .mailSlots = 1,
            .mailLength = 50,
            .word92 = 1,
            .word96 = 0,
            .word100 = 0,
            .postalCodeLength = 0,
            .word108 = 0,
            .postalAddressLength = 0,
            .word116 = 0,
            .noteLength = 60,
            .word124 = 2,
            .phoneIconChoice = 1,
            .mailIconChoice = 0,
            .phoneIlluminationChoice = 0,
            .mailIlluminationChoice = 0,
        },
    .scheduleLimits =
        {
            .header = {},
            .word20 = 0,
            .capacity = 300,
            .word28 = 1,
            .word32 = 1,
            .startTimeOption = 1,
            .endTimeOption = 1,
            .alarmAvailable = 1,
            .word48 = 1,
            .summaryLength = 0,
            .word56 = 0,
            .descriptionLength = 200,
            .word64 = 2,
            .locationLength = 0,
            .word72 = 0,
            .highestRepeatRule = 4,
            .weekdayChoice = 0,
            .repeatCountChoice = 1,
            .alarmOption = 1,
            .word92 = 0,
            .allDayChoice = 0,
            .alarmToneChoice = 0,
            .alarmVolumeChoice = 0,
            .alarmTimeOption = 1,
            .alarmLeadTimeOption = 1,
            .largestAlarmLead = 99,
            .firstYear = 2000,
            .lastYear = 2099,
        },
    .optionLists = kOptionLists,
    .cardFiles = kSdCardLocations,
    .managementDescriptor = PimDataDescriptor.data(),
    .reportsStepErrors = true,
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
