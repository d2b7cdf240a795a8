// The N505i: its tables and how its address cards differ.
#include "plugins/core/model.h"
#include "common/sjis_literal.h"
#include "plugins/core/sd_card_locations.h"

namespace plugin {
namespace {

const char *const kPhoneIcons[] = {
    sjis("電話番号"),   sjis("携帯電話"),   sjis("自宅"),
    sjis("会社"),       sjis("会社ＦＡＸ"), sjis("店"),
    sjis("工場"),       sjis("代表"),       sjis("直通"),
    sjis("マル秘"),     sjis("ホテル"),     sjis("学校"),
    sjis("自宅ＦＡＸ"), sjis("パソコン"),   sjis("クイックキャスト"),
    sjis("家族"),       sjis("友達・女"),   sjis("友達・男"),
    sjis("仲良し"),     sjis("ＰＨＳ"),     sjis("レストラン"),
    sjis("実家"),       sjis("病院"),
};

const char *const kMailIcons[] = {
    sjis("メールアドレス"), sjis("自宅アドレス"),    sjis("会社アドレス"),
    sjis("携帯アドレス"),   sjis("iモードアドレス"),
};

const char *const kScheduleIcons[] = {
    sjis("予定"),
    sjis("食事"),
    sjis("ドライブ"),
    sjis("テニス"),
    sjis("ゴルフ"),
    sjis("病院"),
    sjis("デート"),
    sjis("カラオケ"),
    sjis("会議"),
    sjis("外出"),
    sjis("飲み会"),
    sjis("電車"),
    sjis("飛行機"),
    sjis("つり"),
    sjis("買い物"),
    sjis("ユーザーアイコン１"),
    sjis("ユーザーアイコン２"),
    sjis("ユーザーアイコン３"),
    sjis("ユーザーアイコン４"),
    sjis("ユーザーアイコン５"),
    sjis("プライベート"),
    sjis("休日"),
    sjis("旅行"),
    sjis("仕事"),
};

const OptionList kOptionLists[] = {
    {INFORM_PHONE_ICONS, kPhoneIcons},
    {INFORM_MAIL_ICONS, kMailIcons},
    {INFORM_SCHEDULE_ICONS, kScheduleIcons},
};

const char *const kPhoneWords[] = {
    "VOICE",
    "CELL",
    "HOME;VOICE",
    "WORK;VOICE",
    "WORK;FAX",
    "X-NEC-SHOP",
    "X-NEC-FACTORY",
    "X-NEC-MAIN",
    "X-NEC-DIRECT",
    "X-NEC-SECRET",
    "X-NEC-HOTEL",
    "X-NEC-SCHOOL",
    "FAX",
    "MODEM",
    "PAGER",
    "X-NEC-FAMILY",
    "X-NEC-GIRL",
    "X-NEC-BOY",
    "X-NEC-FRIEND",
    "X-NEC-PHS",
    "X-NEC-RESTAURANT",
    "X-NEC-PARENTAL",
    "X-NEC-HOSPITAL",
};

const char *const kMailWords[] = {
    "INTERNET", "HOME", "WORK", "CELL", "X-NEC-IMODE",
};

const CardLineStep kCardLines[] = {
    {CardLine::Name, "N;CHARSET=SHIFT_JIS:%s;;;;", "N:"},
    {CardLine::Reading, "SOUND;X-IRMC-N;CHARSET=SHIFT_JIS:%s;;;;", "SOUND:"},
    {CardLine::Phones, nullptr},
    {CardLine::Mails, nullptr},
    {CardLine::PostalAddressAndCode, "ADR;CHARSET=SHIFT_JIS;HOME:;;%s;;;%s;"},
    {CardLine::Note, "NOTE;CHARSET=SHIFT_JIS:%s", "NOTE:"},
    {CardLine::Text, "X-CLASS:PUBLIC"},
    {CardLine::GroupNumber, "X-GNO:%d", nullptr, 19},
    {CardLine::Text, "X-GN:"},
    {CardLine::Text, "X-REDUCTION:"},
};

const AddressFormat kAddressFormat = {
    .minimumCards = 2,
    .acceptance = CardAcceptance::Version,
    .numbering = MemoryNumbering::OwnerThenSequence,
    .readsGroupNumber = true,
    .readsGroupName = true,
    .noteProperty = "NOTE",
    .readsLamp = false,
    .postal = PostalLayout::ThirdAndSixth,
    .phones = {
            .maxLoaded = 4,
            .iconSource = IconSource::TypeWord,
            .line = "TEL;%s:%s",
            .typed = true,
            .emptyRule = EmptySlotRule::UntilNumberWritten,
            .words = kPhoneWords,
            .iconCount = 23,
        },
    .mails = {
            .maxLoaded = 3,
            .iconSource = IconSource::TypeWord,
            .line = "EMAIL;%s:%s",
            .typed = true,
            .emptyRule = EmptySlotRule::UntilNumberWritten,
            .words = kMailWords,
            .iconCount = 5,
        },
    .writesOwner = true,
    .lines = kCardLines,
};

// Schedule: CATEGORIES words by icon (list 401), weekday words in a weekly repeat, yearly
// repeat "YD1", summaries in events; no repeat count.
const char *const kCategoryWords[] = {
    "",
    "X-NEC-MEAL",
    "X-NEC-DRIVE",
    "X-NEC-TENNIS",
    "X-NEC-GOLF",
    "X-NEC-HOSPITAL",
    "X-NEC-DATE",
    "X-NEC-KARAOKE",
    "MEETING",
    "X-NEC-OUT",
    "X-NEC-NOMIKAI",
    "X-NEC-TRAIN",
    "X-NEC-PLANE",
    "X-NEC-FISHING",
    "X-NEC-SHOPPING",
    "X-NEC-USERICON1",
    "X-NEC-USERICON2",
    "X-NEC-USERICON3",
    "X-NEC-USERICON4",
    "X-NEC-USERICON5",
    "PERSONAL",
    "HOLIDAY",
    "TRAVEL",
    "BUSINESS",
};

const EventLineStep kEventLines[] = {
    {EventLine::Start, "DTSTART:%s"},
    {EventLine::End, "DTEND:%s"},
    {EventLine::QuotedPrinted,
     "DESCRIPTION;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:", "DESCRIPTION:"},
    {EventLine::QuotedPrinted, "SUMMARY;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:", nullptr,
     ScheduleText::Summary},
    {EventLine::Text, "CLASS:PUBLIC"},
    {EventLine::Category, "CATEGORIES:%s"},
    {EventLine::Alarm, "AALARM:%s;;;", "AALARM:;;;"},
    {EventLine::Repeat, nullptr},
};

const ScheduleFormat kScheduleFormat = {
    .readsTodos = true,
    .categoryWords = kCategoryWords,
    .yearlyWord = "YD1",
    .weekdays = true,
    .iconCount = 24,
    .readsEventSummary = true,
    .lines = kEventLines,
};

// Bookmarks: no folders.
const BookmarkLineStep kBookmarkLines[] = {
    {BookmarkLine::Url, "URL:%s"},
    {BookmarkLine::Title, "TITLE;CHARSET=SHIFT_JIS:%s", "TITLE:"},
    {BookmarkLine::Env},
};

const BookmarkFormat kBookmarkFormat = {
    .lines = kBookmarkLines,
};

const ModelDefinition kModel = {
    .modelName = "DoCoMo N505i",
    .pluginCode = 0x444E0101,
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
            .ownerRequired = 1,
            .word36 = 20,
            .word40 = 0,
            .word44 = 19,
            .nameLength = 20,
            .word52 = 2,
            .readingLength = 18,
            .word60 = 1,
            .phoneSlots = 4,
            .phoneLength = 24,
            .word72 = 1,
            .word76 = 0,
            .word80 = 0,
            .mailSlots = 3,
            .mailLength = 50,
            .word92 = 1,
            .word96 = 0,
            .word100 = 0,
            .postalCodeLength = 8,
            .word108 = 0,
            .postalAddressLength = 93,
            .word116 = 0,
            .noteLength = 100,
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
            .word48 = 1,
            .summaryLength = 0,
            .word56 = 2,
            .descriptionLength = 200,
            .word64 = 2,
            .locationLength = 0,
            .word72 = 2,
            .highestRepeatRule = 4,
            .weekdayChoice = 1,
            .repeatCountChoice = 0,
            .alarmOption = 1,
            .word92 = 0,
            .allDayChoice = 1,
            .alarmToneChoice = 0,
            .alarmVolumeChoice = 0,
            .alarmTimeOption = 1,
            .alarmLeadTimeOption = 1,
            .largestAlarmLead = 99,
            .firstYear = 2003,
            .lastYear = 2099,
        },
    .optionLists = kOptionLists,
    .cardFiles = kSdCardLocations,
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
