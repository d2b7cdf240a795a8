// The SH505i: its tables and how its address cards differ.
#include "plugins/core/model.h"
#include "plugins/core/sd_card_locations.h"

#include <array>

namespace plugin {
namespace {

const char *const kPhoneIcons[] = {
    "\x88\xEA\x94\xCA\x93\x64\x98\x62", // 一般電話
    "\x8C\x67\x91\xD1\x93\x64\x98\x62", // 携帯電話
    "\x8E\xA9\x91\xEE",                 // 自宅
    "\x89\xEF\x8E\xD0",                 // 会社
    "\x82\x65\x82\x60\x82\x77",         // ＦＡＸ
};

const char *const kScheduleIcons[] = {
    "\x82\xC8\x82\xB5",                                 // なし
    "\x83\x76\x83\x89\x83\x43\x83\x78\x81\x5B\x83\x67", // プライベート
    "\x8B\x78\x93\xFA",                                 // 休日
    "\x97\xB7\x8D\x73",                                 // 旅行
    "\x8E\x64\x8E\x96",                                 // 仕事
    "\x89\xEF\x8B\x63",                                 // 会議
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
    .bookmarkLimits = {{}, 1, 50, 0, 0, 256, 1, 24, 2, 0, 2},
    .addressLimits = {{}, 0, 750, 1, 1, 0, 1, 0, 32, 2, 32, 1, 3, 24, 1, 0,
                      0,  1, 50,  1, 0, 0, 0, 0, 0,  0, 60, 2, 1, 0,  0, 0},
    .scheduleLimits = {{}, 0, 300, 1, 1, 1, 1, 1, 1, 0, 0, 200, 2,    0,
                       0,  4, 0,   1, 1, 0, 0, 0, 0, 1, 1, 99,  2000, 2099},
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
