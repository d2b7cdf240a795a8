// The F505i: its tables and how its address cards differ.
#include "plugins/core/model.h"
#include "common/sjis_literal.h"
#include "plugins/core/sd_card_locations.h"

namespace plugin {
namespace {

const char *const kPhoneIcons[] = {
    sjis("携帯電話"), sjis("ＰＨＳ"),     sjis("黒電話"), sjis("ＦＡＸ"), sjis("家１"),
    sjis("家２"),     sjis("レストラン"), sjis("会社１"), sjis("会社２"), sjis("学校"),
    sjis("店"),       sjis("病院"),       sjis("恋人"),   sjis("男性"),   sjis("女性"),
    sjis("男の子"),   sjis("女の子"),     sjis("カエル"), sjis("アヒル"), sjis("イヌ"),
    sjis("ネコ"),     sjis("イルカ"),
};

const char *const kMailIcons[] = {
    sjis("メール"), sjis("携帯メール"), sjis("ＰＨＳメール"), sjis("ＰＣメール"), sjis("家１"),
    sjis("家２"),   sjis("会社１"),     sjis("会社２"),       sjis("男性"),       sjis("女性"),
    sjis("男の子"), sjis("女の子"),     sjis("恋人"),         sjis("カエル"),     sjis("アヒル"),
    sjis("イヌ"),   sjis("ネコ"),       sjis("イルカ"),
};

const char *const kScheduleIcons[] = {
    sjis("星"),     sjis("ハート"),       sjis("食事"),     sjis("ビール"), sjis("休暇"),
    sjis("贈り物"), sjis("銀行"),         sjis("カラオケ"), sjis("散髪"),   sjis("映画"),
    sjis("旅行"),   sjis("買い物"),       sjis("自動車"),   sjis("電車"),   sjis("飛行機"),
    sjis("テニス"), sjis("スノーボード"), sjis("乗馬"),     sjis("爆弾"),   sjis("ドクロ"),
    sjis("病院"),   sjis("学校"),         sjis("会議"),     sjis("メモ"),
};

const char *const kAlarmVolumes[] = {
    sjis("消音"),   sjis("音量１"), sjis("音量２"), sjis("音量３"),
    sjis("音量４"), sjis("音量５"), sjis("音量６"), sjis("ステップトーン"),
};

const char *const kAlarmTones[] = {
    sjis("アラーム音"), sjis("ＯＦＦ"),   sjis("着信音１"), sjis("着信音２"),
    sjis("着信音３"),   sjis("着信音４"), sjis("着信音５"), sjis("着信音６"),
};

const OptionList kOptionLists[] = {
    {INFORM_PHONE_ICONS, kPhoneIcons},       {INFORM_MAIL_ICONS, kMailIcons},
    {INFORM_SCHEDULE_ICONS, kScheduleIcons}, {INFORM_ALARM_VOLUMES, kAlarmVolumes},
    {INFORM_ALARM_TONES, kAlarmTones},
};

const char *const kPhoneWords[] = {
    "CELL",       "CELL",  "VOICE", "FAX",   "HOME;VOICE", "HOME;VOICE", "VOICE", "WORK;VOICE",
    "WORK;VOICE", "VOICE", "VOICE", "VOICE", "VOICE",      "VOICE",      "VOICE", "VOICE",
    "VOICE",      "VOICE", "VOICE", "VOICE", "VOICE",      "VOICE",
};

const CardLineStep kCardLines[] = {
    {CardLine::Name, "N;CHARSET=SHIFT_JIS:%s;;;;", "N:"},
    {CardLine::Reading, "SOUND;CHARSET=SHIFT_JIS;X-IRMC-N:%s;;;;", "SOUND:"},
    {CardLine::Phones, nullptr},
    {CardLine::Mails, nullptr},
    {CardLine::Text, "X-CLASS:PUBLIC"},
    {CardLine::GroupNumber, "X-GNO:%d", nullptr, 29, true},
    {CardLine::GroupName, "X-GN;CHARSET=SHIFT_JIS:%s", "X-GN:", 0, true},
    {CardLine::Text, "X-REDUCTION:", nullptr, 0, true},
    {CardLine::NoteQuotedPrintable, "NOTE;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:", "NOTE:"},
    {CardLine::PerMailWritten, "X-FUJITSU-SC:", "X-FUJITSU-SC:"},
    {CardLine::PerPhoneWritten, "X-FUJITSU-TEL_ICON:%d", "X-FUJITSU-TEL_ICON:"},
    {CardLine::PerMailWritten, "X-FUJITSU-EMAIL_ICON:%d", "X-FUJITSU-EMAIL_ICON:"},
    {CardLine::MemoryNumber, "X-NO:%d", "X-NO:", 0, true},
};

const AddressFormat kAddressFormat = {
    .minimumCards = 2,
    .acceptance = CardAcceptance::FujitsuMark,
    .numbering = MemoryNumbering::FirstOwnerThenFromCard,
    .readsGroupNumber = true,
    .readsGroupName = true,
    .noteProperty = "NOTE",
    .readsLamp = false,
    .postal = PostalLayout::None,
    .phones = {
            .maxLoaded = 3,
            .iconSource = IconSource::NumberedLines,
            .numberedProperty = "X-FUJITSU-TEL_ICON:",
            .line = "TEL;%s:%s",
            .typed = true,
            .emptyLine = "TEL:",
            .emptyRule = EmptySlotRule::UntilLineWritten,
            .words = kPhoneWords,
            .iconCount = 22,
        },
    .mails = {
            .maxLoaded = 3,
            .iconSource = IconSource::NumberedLines,
            .numberedProperty = "X-FUJITSU-EMAIL_ICON:",
            .line = "EMAIL;INTERNET:%s",
            .typed = false,
            .emptyLine = "EMAIL:",
            .emptyRule = EmptySlotRule::UntilLineWritten,
            .iconCount = 18,
        },
    .writesOwner = true,
    .lines = kCardLines,
};

// Schedule: the icon travels as the phone's icon code (X-FUJITSU-ICON) and a coarse CATEGORIES
// word; alarm tone and volume are written with the alarm only; no yearly repeat, no count.
const char *const kCategoryWords[] = {
    "PERSONAL", "PERSONAL", "PERSONAL", "PERSONAL", "HOLIDAY",  "PERSONAL", "PERSONAL", "HOLIDAY",
    "HOLIDAY",  "HOLIDAY",  "BUSINESS", "HOLIDAY",  "TRAVEL",   "TRAVEL",   "TRAVEL",   "HOLIDAY",
    "HOLIDAY",  "HOLIDAY",  "PERSONAL", "PERSONAL", "PERSONAL", "PERSONAL", "MEETING",  "PERSONAL",
};

const int32_t kIconCodes[]
    = {0, 1, 2, 3, 39, 29, 7, 18, 27, 17, 26, 40, 23, 21, 22, 9, 11, 16, 41, 42, 4, 43, 8, 5};

const EventLineStep kEventLines[] = {
    {EventLine::Start, "DTSTART:%s"},
    {EventLine::End, "DTEND:%s"},
    {EventLine::QuotedPrinted,
     "DESCRIPTION;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:", "DESCRIPTION:"},
    {EventLine::QuotedPrinted,
     "SUMMARY;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:", "SUMMARY:", ScheduleText::Summary},
    {EventLine::Text, "CLASS:PUBLIC"},
    {EventLine::Category, "CATEGORIES:%s"},
    {EventLine::Alarm, "AALARM:%s;;;", "AALARM:"},
    {EventLine::Text, "DALARM:"},
    {EventLine::Repeat, nullptr},
    {EventLine::IconCode, "X-FUJITSU-ICON:%d"},
    {EventLine::AlarmTone, "X-FUJITSU-SCH_ALMKND:%d", "X-FUJITSU-SCH_ALMKND:"},
    {EventLine::AlarmVolume, "X-FUJITSU-SCH_ALMVOL:%d", "X-FUJITSU-SCH_ALMVOL:"},
};

const ScheduleFormat kScheduleFormat = {
    .readsTodos = true,
    .categoryWords = kCategoryWords,
    .iconProperty = "X-FUJITSU-ICON:",
    .iconCodes = kIconCodes,
    .iconCount = 24,
    .alarmVolumeProperty = "X-FUJITSU-SCH_ALMVOL:",
    .alarmToneProperty = "X-FUJITSU-SCH_ALMKND:",
    .readsEventSummary = true,
    .readsLastModified = true,
    .lines = kEventLines,
};

// Bookmarks: folder number and name after the ENV part.
const BookmarkLineStep kBookmarkLines[] = {
    {BookmarkLine::Url, "URL:%s"},
    {BookmarkLine::Title, "TITLE;CHARSET=SHIFT_JIS:%s", "TITLE:"},
    {BookmarkLine::Env},
    {BookmarkLine::Text, "X-FUJITSU-BM_TTN:"},
    {BookmarkLine::FolderNumber, "X-FUJITSU-BM_FNO:%d", nullptr, 10},
    {BookmarkLine::FolderName, "X-FUJITSU-BM_FN;CHARSET=SHIFT_JIS:%s"},
};

const BookmarkFormat kBookmarkFormat = {
    .folderNumberProperty = "X-FUJITSU-BM_FNO:",
    .negativeFolderAsZero = true,
    .folderNameProperty = "X-FUJITSU-BM_FN",
    .lines = kBookmarkLines,
};

const ModelDefinition kModel = {
    .modelName = "DoCoMo F505i",
    .pluginCode = 0x44460101,
    .bookmarkLimits =
        {
            .header = {},
            .word20 = 1,
            .capacity = 50,
            .word28 = 0,
            .word32 = 10,
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
            .capacity = 700,
            .numbersBelowCapacity = 1,
            .ownerRequired = 1,
            .word36 = 0,
            .word40 = 0,
            .word44 = 0,
            .nameLength = 16,
            .word52 = 2,
            .readingLength = 16,
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
            .capacity = 100,
            .word28 = 1,
            .word32 = 1,
            .startTimeOption = 0,
            .endTimeOption = 0,
            .alarmAvailable = 1,
            .word48 = 1,
            .summaryLength = 16,
            .word56 = 2,
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
            .alarmToneChoice = 1,
            .alarmVolumeChoice = 1,
            .alarmTimeOption = 0,
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
    .mail = {},
};

} // namespace

const ModelDefinition &thisModel()
{
    return kModel;
}

} // namespace plugin
