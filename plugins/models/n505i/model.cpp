// The N505i: its tables and how its address cards differ.
#include "plugins/core/model.h"
#include "plugins/core/sd_card_locations.h"

namespace plugin {
namespace {

const char *const kPhoneIcons[] = {
    "\x93\x64\x98\x62\x94\xD4\x8D\x86",                                 // 電話番号
    "\x8C\x67\x91\xD1\x93\x64\x98\x62",                                 // 携帯電話
    "\x8E\xA9\x91\xEE",                                                 // 自宅
    "\x89\xEF\x8E\xD0",                                                 // 会社
    "\x89\xEF\x8E\xD0\x82\x65\x82\x60\x82\x77",                         // 会社ＦＡＸ
    "\x93\x58",                                                         // 店
    "\x8D\x48\x8F\xEA",                                                 // 工場
    "\x91\xE3\x95\x5C",                                                 // 代表
    "\x92\xBC\x92\xCA",                                                 // 直通
    "\x83\x7D\x83\x8B\x94\xE9",                                         // マル秘
    "\x83\x7A\x83\x65\x83\x8B",                                         // ホテル
    "\x8A\x77\x8D\x5A",                                                 // 学校
    "\x8E\xA9\x91\xEE\x82\x65\x82\x60\x82\x77",                         // 自宅ＦＡＸ
    "\x83\x70\x83\x5C\x83\x52\x83\x93",                                 // パソコン
    "\x83\x4E\x83\x43\x83\x62\x83\x4E\x83\x4C\x83\x83\x83\x58\x83\x67", // クイックキャスト
    "\x89\xC6\x91\xB0",                                                 // 家族
    "\x97\x46\x92\x42\x81\x45\x8F\x97",                                 // 友達・女
    "\x97\x46\x92\x42\x81\x45\x92\x6A",                                 // 友達・男
    "\x92\x87\x97\xC7\x82\xB5",                                         // 仲良し
    "\x82\x6F\x82\x67\x82\x72",                                         // ＰＨＳ
    "\x83\x8C\x83\x58\x83\x67\x83\x89\x83\x93",                         // レストラン
    "\x8E\xC0\x89\xC6",                                                 // 実家
    "\x95\x61\x89\x40",                                                 // 病院
};

const char *const kMailIcons[] = {
    "\x83\x81\x81\x5B\x83\x8B\x83\x41\x83\x68\x83\x8C\x83\x58",  // メールアドレス
    "\x8E\xA9\x91\xEE\x83\x41\x83\x68\x83\x8C\x83\x58",          // 自宅アドレス
    "\x89\xEF\x8E\xD0\x83\x41\x83\x68\x83\x8C\x83\x58",          // 会社アドレス
    "\x8C\x67\x91\xD1\x83\x41\x83\x68\x83\x8C\x83\x58",          // 携帯アドレス
    "i\x83\x82\x81\x5B\x83\x68\x83\x41\x83\x68\x83\x8C\x83\x58", // iモードアドレス
};

const char *const kScheduleIcons[] = {
    "\x97\x5C\x92\xE8",                                                         // 予定
    "\x90\x48\x8E\x96",                                                         // 食事
    "\x83\x68\x83\x89\x83\x43\x83\x75",                                         // ドライブ
    "\x83\x65\x83\x6A\x83\x58",                                                 // テニス
    "\x83\x53\x83\x8B\x83\x74",                                                 // ゴルフ
    "\x95\x61\x89\x40",                                                         // 病院
    "\x83\x66\x81\x5B\x83\x67",                                                 // デート
    "\x83\x4A\x83\x89\x83\x49\x83\x50",                                         // カラオケ
    "\x89\xEF\x8B\x63",                                                         // 会議
    "\x8A\x4F\x8F\x6F",                                                         // 外出
    "\x88\xF9\x82\xDD\x89\xEF",                                                 // 飲み会
    "\x93\x64\x8E\xD4",                                                         // 電車
    "\x94\xF2\x8D\x73\x8B\x40",                                                 // 飛行機
    "\x82\xC2\x82\xE8",                                                         // つり
    "\x94\x83\x82\xA2\x95\xA8",                                                 // 買い物
    "\x83\x86\x81\x5B\x83\x55\x81\x5B\x83\x41\x83\x43\x83\x52\x83\x93\x82\x50", // ユーザーアイコン１
    "\x83\x86\x81\x5B\x83\x55\x81\x5B\x83\x41\x83\x43\x83\x52\x83\x93\x82\x51", // ユーザーアイコン２
    "\x83\x86\x81\x5B\x83\x55\x81\x5B\x83\x41\x83\x43\x83\x52\x83\x93\x82\x52", // ユーザーアイコン３
    "\x83\x86\x81\x5B\x83\x55\x81\x5B\x83\x41\x83\x43\x83\x52\x83\x93\x82\x53", // ユーザーアイコン４
    "\x83\x86\x81\x5B\x83\x55\x81\x5B\x83\x41\x83\x43\x83\x52\x83\x93\x82\x54", // ユーザーアイコン５
    "\x83\x76\x83\x89\x83\x43\x83\x78\x81\x5B\x83\x67", // プライベート
    "\x8B\x78\x93\xFA",                                 // 休日
    "\x97\xB7\x8D\x73",                                 // 旅行
    "\x8E\x64\x8E\x96",                                 // 仕事
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
    .bookmarkLimits = {{}, 1, 50, 0, 0, 256, 1, 24, 2, 0, 2},
    .addressLimits = {{}, 0, 1000, 0, 1, 20, 0, 19, 20, 2, 18,  1, 4, 24, 1, 0,
                      0,  3, 50,   1, 0, 0,  8, 0,  93, 0, 100, 2, 1, 1,  0, 0},
    .scheduleLimits = {{}, 0, 200, 1, 1, 1, 0, 1, 1, 0, 2, 200, 2,    0,
                       2,  4, 1,   0, 1, 0, 1, 0, 0, 1, 1, 99,  2003, 2099},
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
