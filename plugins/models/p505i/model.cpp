// The P505i: its tables and how its address cards differ.
#include "plugins/core/model.h"
#include "plugins/core/sd_card_locations.h"

namespace plugin {
namespace {

const char *const kPhoneIcons[] = {
    "\x8C\x67\x91\xD1\x93\x64\x98\x62\x81\x69\x83\x75\x83\x8B\x81\x5B\x81\x6A", // 携帯電話（ブルー）
    "\x8C\x67\x91\xD1\x93\x64\x98\x62\x81\x69\x83\x73\x83\x93\x83\x4E\x81\x6A", // 携帯電話（ピンク）
    "i-mode",                                                                   // i-mode
    "PHS",                                                                      // PHS
    "\x8E\xA9\x91\xEE",                                                         // 自宅
    "\x8E\xA9\x91\xEE"
    "FAX",              // 自宅FAX
    "\x89\xEF\x8E\xD0", // 会社
    "\x89\xEF\x8E\xD0"
    "FAX",                                                              // 会社FAX
    "\x83\x7A\x83\x65\x83\x8B",                                         // ホテル
    "\x83\x6F\x81\x5B",                                                 // バー
    "\x83\x8C\x83\x58\x83\x67\x83\x89\x83\x93",                         // レストラン
    "\x93\x58",                                                         // 店
    "\x97\x5C\x96\xF1",                                                 // 予約
    "\x83\x6E\x81\x5B\x83\x67",                                         // ハート
    "\x81\x99",                                                         // ☆
    "\x83\x4E\x83\x43\x83\x62\x83\x4E\x83\x4C\x83\x83\x83\x58\x83\x67", // クイックキャスト
};

const char *const kMailIcons[] = {
    "\x83\x81\x81\x5B\x83\x8B\x81\x69\x83\x75\x83\x8B\x81\x5B\x81\x6A", // メール（ブルー）
    "\x8C\x67\x91\xD1\x83\x81\x81\x5B\x83\x8B\x81\x69\x83\x75\x83\x8B\x81\x5B\x81\x6A", // 携帯メール（ブルー）
    "\x89\xEF\x8E\xD0\x83\x81\x81\x5B\x83\x8B\x81\x69\x83\x75\x83\x8B\x81\x5B\x81\x6A", // 会社メール（ブルー）
    "\x8E\xA9\x91\xEE\x83\x81\x81\x5B\x83\x8B\x81\x69\x83\x75\x83\x8B\x81\x5B\x81\x6A", // 自宅メール（ブルー）
    "\x83\x81\x81\x5B\x83\x8B\x81\x69\x83\x73\x83\x93\x83\x4E\x81\x6A", // メール（ピンク）
    "\x8C\x67\x91\xD1\x83\x81\x81\x5B\x83\x8B\x81\x69\x83\x73\x83\x93\x83\x4E\x81\x6A", // 携帯メール（ピンク）
    "\x89\xEF\x8E\xD0\x83\x81\x81\x5B\x83\x8B\x81\x69\x83\x73\x83\x93\x83\x4E\x81\x6A", // 会社メール（ピンク）
    "\x8E\xA9\x91\xEE\x83\x81\x81\x5B\x83\x8B\x81\x69\x83\x73\x83\x93\x83\x4E\x81\x6A", // 自宅メール（ピンク）
    "\x8F\x97\x82\xCC\x8E\x71",                                                         // 女の子
    "\x92\x6A\x82\xCC\x8E\x71",                                                         // 男の子
    "\x83\x6E\x81\x5B\x83\x67",                                                         // ハート
    "i-mode",                                                                           // i-mode
    "\x83\x70\x83\x5C\x83\x52\x83\x93\x83\x81\x81\x5B\x83\x8B", // パソコンメール
    "PHS\x83\x81\x81\x5B\x83\x8B",                              // PHSメール
    "\x83\x74\x83\x8A\x81\x5B\x83\x81\x81\x5B\x83\x8B",         // フリーメール
    "\x82\xBB\x82\xCC\x91\xBC",                                 // その他
};

const char *const kIlluminations[] = {
    "\x92\xCA\x8F\xED\x82\xC6\x93\xAF\x82\xB6",         // 通常と同じ
    "\x83\x7D\x83\x8A\x83\x93\x83\x75\x83\x8B\x81\x5B", // マリンブルー
    "\x83\x6F\x83\x43\x83\x49\x83\x8C\x83\x62\x83\x67", // バイオレット
    "\x83\x8D\x81\x5B\x83\x59",                         // ローズ
    "\x83\x8C\x83\x82\x83\x93",                         // レモン
    "\x83\x89\x83\x43\x83\x80",                         // ライム
    "\x83\x58\x83\x4A\x83\x43\x83\x75\x83\x8B\x81\x5B", // スカイブルー
    "\x83\x58\x83\x5E\x81\x5B\x83\x89\x83\x43\x83\x67", // スターライト
    "\x83\x8C\x83\x43\x83\x93\x83\x7B\x81\x5B",         // レインボー
};

const char *const kScheduleIcons[] = {
    "\x83\x66\x81\x5B\x83\x67",                 // デート
    "\x90\x48\x8E\x96",                         // 食事
    "\x83\x70\x81\x5B\x83\x65\x83\x42\x81\x5B", // パーティー
    "\x83\x4A\x83\x89\x83\x49\x83\x50",         // カラオケ
    "\x89\xEF\x8B\x63",                         // 会議
    "\x8B\x78\x8C\x65",                         // 休憩
    "\x92\x61\x90\xB6\x93\xFA",                 // 誕生日
    "\x95\xD7\x8B\xAD",                         // 勉強
    "\x89\x66\x89\xE6",                         // 映画
    "\x83\x68\x83\x89\x83\x43\x83\x75",         // ドライブ
    "\x97\xB7\x8D\x73",                         // 旅行
    "\x8B\x78\x93\xFA",                         // 休日
    "\x8E\x64\x8E\x96",                         // 仕事
    "\x8E\xA9\x91\xEE",                         // 自宅
    "\x89\xB7\x90\xF2",                         // 温泉
    "\x83\x65\x83\x6A\x83\x58",                 // テニス
    "\x83\x53\x83\x8B\x83\x74",                 // ゴルフ
    "\x92\x6A\x82\xCC\x8E\x71",                 // 男の子
    "\x8F\x97\x82\xCC\x8E\x71",                 // 女の子
    "\x93\x64\x98\x62",                         // 電話
    "\x8F\x6F\x92\xA3",                         // 出張
    "\x96\xF1\x91\xA9",                         // 約束
    "\x83\x54\x83\x62\x83\x4A\x81\x5B",         // サッカー
    "\x96\xEC\x8B\x85",                         // 野球
    "\x83\x58\x83\x4C\x81\x5B",                 // スキー
    "\x83\x6F\x83\x58\x83\x50\x83\x62\x83\x67", // バスケット
    "\x8B\x4C\x94\x4F\x93\xFA",                 // 記念日
    "\x8E\x55\x94\xAF",                         // 散髪
    "\x83\x52\x83\x93\x83\x54\x81\x5B\x83\x67", // コンサート
    "\x83\x7A\x83\x65\x83\x8B",                 // ホテル
    "\x95\x61\x89\x40",                         // 病院
    "\x8B\xE2\x8D\x73",                         // 銀行
    "\x8C\xC2\x90\x6C\x93\x49",                 // 個人的
    "\x8F\x4B\x82\xA2\x8E\x96",                 // 習い事
    "\x8E\x55\x95\xE0",                         // 散歩
    "\x82\xBB\x82\xCC\x91\xBC",                 // その他
};

const char *const kAlarmVolumes[] = {
    "\x89\xB9\x82\xC8\x82\xB5",                                 // 音なし
    "\x82\x50",                                                 // １
    "\x82\x51",                                                 // ２
    "\x82\x52",                                                 // ３
    "\x82\x53",                                                 // ４
    "\x82\x54",                                                 // ５
    "\x82\x55",                                                 // ６
    "\x83\x58\x83\x65\x83\x62\x83\x76\x83\x67\x81\x5B\x83\x93", // ステップトーン
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
    .bookmarkLimits = {{}, 1, 50, 1, 10, 256, 1, 24, 2, 16, 2},
    .addressLimits = {{}, 0, 800, 0, 1, 0, 1, 0, 24, 2, 10, 1, 3, 24, 1, 0,
                      0,  3, 50,  1, 0, 0, 0, 0, 0,  0, 50, 2, 1, 1,  1, 1},
    .scheduleLimits = {{}, 0, 200, 1, 1, 1, 1, 1, 1, 0, 0, 200, 2,    0,
                       0,  3, 0,   0, 1, 0, 0, 0, 1, 1, 0, 0,   2000, 2099},
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
