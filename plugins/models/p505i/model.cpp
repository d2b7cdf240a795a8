// The P505i: its tables and how its address cards differ.
#include "plugins/core/model.h"
#include "common/sjis_literal.h"
#include "plugins/core/sd_card_locations.h"

namespace plugin {
namespace {

const char *const kPhoneIcons[] = {
    sjis("携帯電話（ブルー）"),
    sjis("携帯電話（ピンク）"),
    "i-mode", // i-mode
    "PHS",    // PHS
    sjis("自宅"),
    sjis("自宅FAX"),
    sjis("会社"),
    sjis("会社FAX"),
    sjis("ホテル"),
    sjis("バー"),
    sjis("レストラン"),
    sjis("店"),
    sjis("予約"),
    sjis("ハート"),
    sjis("☆"),
    sjis("クイックキャスト"),
};

const char *const kMailIcons[] = {
    sjis("メール（ブルー）"),
    sjis("携帯メール（ブルー）"),
    sjis("会社メール（ブルー）"),
    sjis("自宅メール（ブルー）"),
    sjis("メール（ピンク）"),
    sjis("携帯メール（ピンク）"),
    sjis("会社メール（ピンク）"),
    sjis("自宅メール（ピンク）"),
    sjis("女の子"),
    sjis("男の子"),
    sjis("ハート"),
    "i-mode", // i-mode
    sjis("パソコンメール"),
    sjis("PHSメール"),
    sjis("フリーメール"),
    sjis("その他"),
};

const char *const kIlluminations[] = {
    sjis("通常と同じ"),   sjis("マリンブルー"), sjis("バイオレット"),
    sjis("ローズ"),       sjis("レモン"),       sjis("ライム"),
    sjis("スカイブルー"), sjis("スターライト"), sjis("レインボー"),
};

const char *const kScheduleIcons[] = {
    sjis("デート"),     sjis("食事"),   sjis("パーティー"), sjis("カラオケ"),   sjis("会議"),
    sjis("休憩"),       sjis("誕生日"), sjis("勉強"),       sjis("映画"),       sjis("ドライブ"),
    sjis("旅行"),       sjis("休日"),   sjis("仕事"),       sjis("自宅"),       sjis("温泉"),
    sjis("テニス"),     sjis("ゴルフ"), sjis("男の子"),     sjis("女の子"),     sjis("電話"),
    sjis("出張"),       sjis("約束"),   sjis("サッカー"),   sjis("野球"),       sjis("スキー"),
    sjis("バスケット"), sjis("記念日"), sjis("散髪"),       sjis("コンサート"), sjis("ホテル"),
    sjis("病院"),       sjis("銀行"),   sjis("個人的"),     sjis("習い事"),     sjis("散歩"),
    sjis("その他"),
};

const char *const kAlarmVolumes[] = {
    sjis("音なし"), sjis("１"), sjis("２"), sjis("３"),
    sjis("４"),     sjis("５"), sjis("６"), sjis("ステップトーン"),
};

const OptionList kOptionLists[] = {
    {INFORM_PHONE_ICONS, kPhoneIcons},      {INFORM_MAIL_ICONS, kMailIcons},
    {INFORM_ILLUMINATIONS, kIlluminations}, {INFORM_SCHEDULE_ICONS, kScheduleIcons},
    {INFORM_ALARM_VOLUMES, kAlarmVolumes},
};

const char *const kPhoneWords[] = {
    "CELL",       "CELL",     "CELL;IMODE",  "CELL;PHS",   "HOME;VOICE", "HOME;FAX",
    "WORK;VOICE", "WORK;FAX", "VOICE;HOTEL", "VOICE;BAR",  "VOICE;MEAL", "VOICE",
    "RESERVE",    "VOICE",    "VOICE",       "WORK;PAGER",
};

// X-LAMP codes by illumination index (list 203); 0x80 is the phone's own colour.
const uint8_t kLampCodes[] = {0x80, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B};

const CardLineStep kCardLines[] = {
    {CardLine::Name, "N;CHARSET=SHIFT_JIS:%s;;;;"},
    {CardLine::Reading, "SOUND;CHARSET=SHIFT_JIS;X-IRMC-N:%s;;;;"},
    {CardLine::Phones, nullptr},
    {CardLine::Mails, nullptr},
    {CardLine::Note, "X-NOTE;CHARSET=SHIFT_JIS:%s", "X-NOTE:"},
    {CardLine::Text, "X-CLASS:PUBLIC"},
    {CardLine::Lamp, "X-LAMP:%02X%02X"},
};

const AddressFormat kAddressFormat = {
    .minimumCards = 2,
    .acceptance = CardAcceptance::Version,
    .numbering = MemoryNumbering::OwnerThenSequence,
    .readsGroupNumber = false,
    .readsGroupName = false,
    .noteProperty = "X-NOTE",
    .readsLamp = true,
    .postal = PostalLayout::None,
    .phones = {
            .maxLoaded = 3,
            .iconSource = IconSource::FollowingLine,
            .followProperty = "X-DIF:",
            .iconBase = 8000,
            .line = "TEL;%s:%s",
            .typed = true,
            .emptyRule = EmptySlotRule::UntilLineWritten,
            .followLine = "X-DIF:%d",
            .words = kPhoneWords,
            .iconCount = 16,
        },
    .mails = {
            .maxLoaded = 3,
            .iconSource = IconSource::FollowingLine,
            .followProperty = "X-MIF:",
            .line = "EMAIL;INTERNET:%s",
            .typed = false,
            .emptyRule = EmptySlotRule::UntilLineWritten,
            .followLine = "X-MIF:%02d",
            .iconCount = 16,
        },
    .writesOwner = true,
    .lines = kCardLines,
    .lampCodes = kLampCodes,
};

// Schedule: VEVENTs only; the icon travels as X-ICON and as its CATEGORIES word, the alarm
// volume as X-VOL; no yearly repeat, no repeat count.
const char *const kCategoryWords[] = {
    "SPECIAL OCCASION",
    "DINNER",
    "PARTY",
    "KARAOKE",
    "MEETING",
    "COFFEE",
    "BIRTHDAY",
    "EDUCATION",
    "MOVIE",
    "DRIVE",
    "TRAVEL",
    "HOLIDAY",
    "BUSINESS",
    "HOUSE",
    "SPA",
    "TENNIS",
    "GOLF",
    "BOY",
    "GIRL",
    "PHONE CALL",
    "BUSINESSTRIP",
    "APPOINTMENT",
    "SOCCER",
    "BASEBALL",
    "SKI",
    "BASKETBALL",
    "MEMORIALDAY",
    "BEAUTYSALON",
    "CONCERT",
    "HOTEL",
    "HOSPITAL",
    "BANK",
    "PERSONAL",
    "LESSON",
    "DOG",
    "OTHER",
};

const EventLineStep kEventLines[] = {
    {EventLine::Start, "DTSTART:%s"},
    {EventLine::End, "DTEND:%s"},
    {EventLine::Text, "X-PROT:0"},
    {EventLine::QuotedPrinted,
     "DESCRIPTION;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:", "DESCRIPTION:"},
    {EventLine::IconNumber, "X-ICON:%d"},
    {EventLine::Text, "X-INDICATE:1"},
    {EventLine::Text, "CLASS:PUBLIC"},
    {EventLine::Category, "CATEGORIES:%s"},
    {EventLine::Alarm, "AALARM:%s;;;", "AALARM:"},
    {EventLine::Repeat, nullptr},
    {EventLine::Text, "X-DONE:0"},
    {EventLine::LastModified, "LAST-MODIFIED:%s"},
    {EventLine::AlarmVolume, "X-VOL:%02d"},
};

const ScheduleFormat kScheduleFormat = {
    .readsTodos = false,
    .categoryWords = kCategoryWords,
    .iconProperty = "X-ICON:",
    .iconCount = 36,
    .alarmVolumeProperty = "X-VOL:",
    .readsLastModified = true,
    .lines = kEventLines,
};

// Bookmarks: folder number and name as X-GNO and X-GN.
const BookmarkLineStep kBookmarkLines[] = {
    {BookmarkLine::Url, "URL:%s"},
    {BookmarkLine::Title, "TITLE;CHARSET=SHIFT_JIS:%s", "TITLE:"},
    {BookmarkLine::Text, "X-CLASS:PUBLIC"},
    {BookmarkLine::FolderNumber, "X-GNO:%d", nullptr, 9},
    {BookmarkLine::FolderName, "X-GN;CHARSET=SHIFT_JIS:%s"},
    {BookmarkLine::Env},
};

const BookmarkFormat kBookmarkFormat = {
    .folderNumberProperty = "X-GNO:",
    .negativeFolderAsZero = false,
    .folderNameProperty = "X-GN",
    .lines = kBookmarkLines,
};

const ModelDefinition kModel = {
    .modelName = "DoCoMo P505i",
    .pluginCode = 0x44500101,
    .bookmarkLimits =
        {
            .header = {},
            .word20 = 1,
            .capacity = 50,
            .word28 = 1,
            .word32 = 10,
            .urlLength = 256,
            .word40 = 1,
            .titleLength = 24,
            .titleInputMode = 2,
            .word52 = 16,
            .word56 = 2,
        },
    .addressLimits =
        {
            .header = {},
            .word20 = 0,
            .capacity = 800,
            .numbersBelowCapacity = 0,
            .ownerRequired = 1,
            .word36 = 0,
            .word40 = 1,
            .word44 = 0,
            .nameLength = 24,
            .word52 = 2,
            .readingLength = 10,
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
            .noteLength = 50,
            .word124 = 2,
            .phoneIconChoice = 1,
            .mailIconChoice = 1,
            .phoneIlluminationChoice = 1,
            .mailIlluminationChoice = 1,
        },
    .scheduleLimits =
        {
            .header = {},
            .word20 = 0,
            .capacity = 200,
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
            .highestRepeatRule = 3,
            .weekdayChoice = 0,
            .repeatCountChoice = 0,
            .alarmOption = 1,
            .word92 = 0,
            .allDayChoice = 0,
            .alarmToneChoice = 0,
            .alarmVolumeChoice = 1,
            .alarmTimeOption = 1,
            .alarmLeadTimeOption = 0,
            .largestAlarmLead = 0,
            .firstYear = 2000,
            .lastYear = 2099,
        },
    .optionLists = kOptionLists,
    .cardFiles = kSdCardLocations,
    .managementDescriptor = nullptr,
    .reportsStepErrors = false,
    .address = kAddressFormat,
    .schedule = kScheduleFormat,
    .bookmark = kBookmarkFormat,
    .mail = {.outboxMarksUnread = false},
};

} // namespace

const ModelDefinition &thisModel()
{
    return kModel;
}

} // namespace plugin
