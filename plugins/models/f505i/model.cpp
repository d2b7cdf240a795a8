// The F505i: its tables and how its address cards differ.
#include "plugins/core/model.h"
#include "plugins/core/sd_card_locations.h"

namespace plugin {
namespace {

const char *const kPhoneIcons[] = {
    "\x8C\x67\x91\xD1\x93\x64\x98\x62",         // 携帯電話
    "\x82\x6F\x82\x67\x82\x72",                 // ＰＨＳ
    "\x8D\x95\x93\x64\x98\x62",                 // 黒電話
    "\x82\x65\x82\x60\x82\x77",                 // ＦＡＸ
    "\x89\xC6\x82\x50",                         // 家１
    "\x89\xC6\x82\x51",                         // 家２
    "\x83\x8C\x83\x58\x83\x67\x83\x89\x83\x93", // レストラン
    "\x89\xEF\x8E\xD0\x82\x50",                 // 会社１
    "\x89\xEF\x8E\xD0\x82\x51",                 // 会社２
    "\x8A\x77\x8D\x5A",                         // 学校
    "\x93\x58",                                 // 店
    "\x95\x61\x89\x40",                         // 病院
    "\x97\xF6\x90\x6C",                         // 恋人
    "\x92\x6A\x90\xAB",                         // 男性
    "\x8F\x97\x90\xAB",                         // 女性
    "\x92\x6A\x82\xCC\x8E\x71",                 // 男の子
    "\x8F\x97\x82\xCC\x8E\x71",                 // 女の子
    "\x83\x4A\x83\x47\x83\x8B",                 // カエル
    "\x83\x41\x83\x71\x83\x8B",                 // アヒル
    "\x83\x43\x83\x6B",                         // イヌ
    "\x83\x6C\x83\x52",                         // ネコ
    "\x83\x43\x83\x8B\x83\x4A",                 // イルカ
};

const char *const kMailIcons[] = {
    "\x83\x81\x81\x5B\x83\x8B",                         // メール
    "\x8C\x67\x91\xD1\x83\x81\x81\x5B\x83\x8B",         // 携帯メール
    "\x82\x6F\x82\x67\x82\x72\x83\x81\x81\x5B\x83\x8B", // ＰＨＳメール
    "\x82\x6F\x82\x62\x83\x81\x81\x5B\x83\x8B",         // ＰＣメール
    "\x89\xC6\x82\x50",                                 // 家１
    "\x89\xC6\x82\x51",                                 // 家２
    "\x89\xEF\x8E\xD0\x82\x50",                         // 会社１
    "\x89\xEF\x8E\xD0\x82\x51",                         // 会社２
    "\x92\x6A\x90\xAB",                                 // 男性
    "\x8F\x97\x90\xAB",                                 // 女性
    "\x92\x6A\x82\xCC\x8E\x71",                         // 男の子
    "\x8F\x97\x82\xCC\x8E\x71",                         // 女の子
    "\x97\xF6\x90\x6C",                                 // 恋人
    "\x83\x4A\x83\x47\x83\x8B",                         // カエル
    "\x83\x41\x83\x71\x83\x8B",                         // アヒル
    "\x83\x43\x83\x6B",                                 // イヌ
    "\x83\x6C\x83\x52",                                 // ネコ
    "\x83\x43\x83\x8B\x83\x4A",                         // イルカ
};

const char *const kScheduleIcons[] = {
    "\x90\xAF",                                         // 星
    "\x83\x6E\x81\x5B\x83\x67",                         // ハート
    "\x90\x48\x8E\x96",                                 // 食事
    "\x83\x72\x81\x5B\x83\x8B",                         // ビール
    "\x8B\x78\x89\xC9",                                 // 休暇
    "\x91\xA1\x82\xE8\x95\xA8",                         // 贈り物
    "\x8B\xE2\x8D\x73",                                 // 銀行
    "\x83\x4A\x83\x89\x83\x49\x83\x50",                 // カラオケ
    "\x8E\x55\x94\xAF",                                 // 散髪
    "\x89\x66\x89\xE6",                                 // 映画
    "\x97\xB7\x8D\x73",                                 // 旅行
    "\x94\x83\x82\xA2\x95\xA8",                         // 買い物
    "\x8E\xA9\x93\xAE\x8E\xD4",                         // 自動車
    "\x93\x64\x8E\xD4",                                 // 電車
    "\x94\xF2\x8D\x73\x8B\x40",                         // 飛行機
    "\x83\x65\x83\x6A\x83\x58",                         // テニス
    "\x83\x58\x83\x6D\x81\x5B\x83\x7B\x81\x5B\x83\x68", // スノーボード
    "\x8F\xE6\x94\x6E",                                 // 乗馬
    "\x94\x9A\x92\x65",                                 // 爆弾
    "\x83\x68\x83\x4E\x83\x8D",                         // ドクロ
    "\x95\x61\x89\x40",                                 // 病院
    "\x8A\x77\x8D\x5A",                                 // 学校
    "\x89\xEF\x8B\x63",                                 // 会議
    "\x83\x81\x83\x82",                                 // メモ
};

const char *const kAlarmVolumes[] = {
    "\x8F\xC1\x89\xB9",                                         // 消音
    "\x89\xB9\x97\xCA\x82\x50",                                 // 音量１
    "\x89\xB9\x97\xCA\x82\x51",                                 // 音量２
    "\x89\xB9\x97\xCA\x82\x52",                                 // 音量３
    "\x89\xB9\x97\xCA\x82\x53",                                 // 音量４
    "\x89\xB9\x97\xCA\x82\x54",                                 // 音量５
    "\x89\xB9\x97\xCA\x82\x55",                                 // 音量６
    "\x83\x58\x83\x65\x83\x62\x83\x76\x83\x67\x81\x5B\x83\x93", // ステップトーン
};

const char *const kAlarmTones[] = {
    "\x83\x41\x83\x89\x81\x5B\x83\x80\x89\xB9", // アラーム音
    "\x82\x6E\x82\x65\x82\x65",                 // ＯＦＦ
    "\x92\x85\x90\x4D\x89\xB9\x82\x50",         // 着信音１
    "\x92\x85\x90\x4D\x89\xB9\x82\x51",         // 着信音２
    "\x92\x85\x90\x4D\x89\xB9\x82\x52",         // 着信音３
    "\x92\x85\x90\x4D\x89\xB9\x82\x53",         // 着信音４
    "\x92\x85\x90\x4D\x89\xB9\x82\x54",         // 着信音５
    "\x92\x85\x90\x4D\x89\xB9\x82\x55",         // 着信音６
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
    .bookmarkLimits = {{}, 1, 50, 0, 10, 256, 1, 24, 2, 18, 2},
    .addressLimits = {{}, 0, 700, 1, 1, 0, 0, 0, 16, 2, 16,  1, 3, 24, 1, 0,
                      0,  3, 50,  1, 0, 0, 0, 0, 0,  0, 100, 2, 1, 1,  0, 0},
    .scheduleLimits = {{}, 0, 100, 1, 1, 0, 0, 1, 1, 16, 2, 200, 2,    0,
                       0,  3, 0,   0, 1, 0, 0, 1, 1, 0,  0, 0,   2000, 2099},
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
