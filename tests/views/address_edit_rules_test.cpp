#include "views/address/address_edit_reading.h"
#include "views/address/address_edit_rules.h"
#include "views/address/address_edit_setup.h"
#include "views/address/address_edit_slots.h"
#include "views/address/address_multi_edit_rules.h"
#include "views/address/address_store.h"
#include "views/common/choice_lists.h"
#include "views/common/edit_input.h"

#include "address_edit_test_models.h"
#include "common/data_kind.h"
#include "common/sjis_cut.h"
#include "common/sjis_literal.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

namespace {

using views::AddressRefusal;

class NoMessages : public platform::MessageBoxes
{
public:
    platform::MessageAnswer show(const platform::Message &) override
    {
        return platform::MessageAnswer::Ok;
    }
};

TEST(SjisCutTest, KeepsWholeCharactersOnly)
{
    struct Case
    {
        std::string text;
        size_t maxBytes;
        std::string kept;
    };
    const Case cases[] = {
        {"abc", 2, "ab"},
        {"abc", 10, "abc"},
        {sjis("あい"), 3, sjis("あ")},
        {sjis("aあ"), 2, "a"},
        {sjis("ｱｲｳ"), 2, sjis("ｱｲ")},
        // The second byte of ぁ (0x9F) lies in the lead-byte range; it must not start a pair.
        {sjis("ぁa"), 3, sjis("ぁa")},
        {sjis("ぁぁ"), 3, sjis("ぁ")},
        // A lead byte of the upper range (0xE0) and one left without its second byte.
        {"\xE0\x40z", 2, "\xE0\x40"},
        {"\xE0\x40z", 1, ""},
        {"a\x82", 5, "a"},
        {"", 4, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(sjisCut(c.text, c.maxBytes), c.kept) << c.text << " / " << c.maxBytes;
}

TEST(SjisCutTest, FieldCopyStopsBeforeTheTerminator)
{
    char field[4];
    std::memset(field, 'x', sizeof field);
    copySjisField(field, sjis("aあい"));
    EXPECT_STREQ(field, sjis("aあ"));
    copySjisField(field, sjis("あいう"));
    EXPECT_STREQ(field, sjis("あ"));
}

TEST(AddressEditRulesTest, MemoryNumberText)
{
    struct Case
    {
        const char *text;
        int32_t value;
        std::optional<std::string> shown;
    };
    const Case cases[] = {
        {"0045", 45, std::nullopt},
        {"045", 45, std::nullopt},
        {"010", 10, std::nullopt},
        {"999", 999, std::nullopt},
        {"1000", 999, "999"},
        {"9999", 999, "999"},
        // Only four characters count.
        {"12345", 999, "999"},
        {"00012", 1, std::nullopt},
        {"000", 0, std::nullopt},
        {"", 0, std::nullopt},
        {"5a3", 5, std::nullopt},
    };
    for (const Case &c : cases) {
        const views::MemoryNumberText read = views::readMemoryNumberText(c.text);
        EXPECT_EQ(read.value, c.value) << c.text;
        EXPECT_EQ(read.shown, c.shown) << c.text;
    }
}

TEST(AddressEditRulesTest, FourthTypedDigitNeedsASelection)
{
    EXPECT_TRUE(views::acceptsMemoryNumberDigit(2, false));
    EXPECT_FALSE(views::acceptsMemoryNumberDigit(3, false));
    EXPECT_FALSE(views::acceptsMemoryNumberDigit(4, false));
    EXPECT_TRUE(views::acceptsMemoryNumberDigit(3, true));
}

TEST(AddressEditRulesTest, CharacterFilters)
{
    using views::CharacterFilter;
    EXPECT_TRUE(views::passesFilter(CharacterFilter::Digits, U'0'));
    EXPECT_TRUE(views::passesFilter(CharacterFilter::Digits, U'9'));
    EXPECT_FALSE(views::passesFilter(CharacterFilter::Digits, U'-'));
    EXPECT_FALSE(views::passesFilter(CharacterFilter::Digits, U'a'));
    EXPECT_FALSE(views::passesFilter(CharacterFilter::Digits, U'１'));
    EXPECT_TRUE(views::passesFilter(CharacterFilter::PhoneNumber, U'-'));
    EXPECT_TRUE(views::passesFilter(CharacterFilter::PhoneNumber, U'7'));
    EXPECT_FALSE(views::passesFilter(CharacterFilter::PhoneNumber, U'+'));
    EXPECT_FALSE(views::passesFilter(CharacterFilter::PhoneNumber, U' '));
    EXPECT_TRUE(views::passesFilter(CharacterFilter::Any, U'あ'));
}

TEST(AddressEditRulesTest, PostalCodeShapes)
{
    struct Case
    {
        const char *code;
        std::optional<std::string> stored;
    };
    const Case cases[] = {
        {"0123456", "012-3456"},
        {"012-3456", "012-3456"},
        // Only the shape counts.
        {"abcdefg", "abc-defg"},
        {"012-34-5", "012-34-5"},
        {"0123-456", std::nullopt},
        {"01-23456", std::nullopt},
        {"0123456-", std::nullopt},
        {"012-345", std::nullopt},
        {"012-34567", std::nullopt},
        {"123456", std::nullopt},
        {"01234567", std::nullopt},
        {"012345678", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(views::storedPostalCode(c.code), c.stored) << c.code;
}

TEST(AddressEditRulesTest, LineBreaksAreRemoved)
{
    EXPECT_EQ(views::withoutLineBreaks("one\r\ntwo\r\n"), "onetwo");
    EXPECT_EQ(views::withoutLineBreaks("one\ntwo"), "onetwo");
    EXPECT_EQ(views::withoutLineBreaks(sjis("メモ")), sjis("メモ"));
}

class AddressCheckTest : public testing::Test
{
protected:
    std::optional<AddressRefusal> check()
    {
        return views::checkAddress(buffer, limits,
                                   [this](int32_t number) { return number == takenNumber; });
    }

    AddressLimits limits = n505iLimits();
    AddressRecord buffer = addressRecord(12);
    int32_t takenNumber = 20;
};

TEST_F(AddressCheckTest, RefusalsComeInOrder)
{
    // Everything is wrong at once; each fix uncovers the next check.
    limits.numbersBelowCapacity = 1;
    limits.capacity = 750;
    std::strcpy(buffer.postalCode, "12345");
    buffer.memoryNumber = 20;
    takenNumber = 20;

    std::optional<AddressRefusal> refusal = check();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->id, app::TextId::AddressNeedsNameOrPhone);
    EXPECT_EQ(refusal->message, app::text(app::TextId::AddressNeedsNameOrPhone));

    std::strcpy(buffer.phones[0].number, "090-1234-5678");
    refusal = check();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->id, app::TextId::PostalCodeShape);

    std::strcpy(buffer.postalCode, "1234567");
    refusal = check();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->id, app::TextId::MemoryNumberTaken);
    // A refused check leaves the postal code as entered.
    EXPECT_STREQ(buffer.postalCode, "1234567");

    buffer.memoryNumber = 750;
    takenNumber = -1;
    refusal = check();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->id, app::TextId::MemoryNumberTooHigh);
    EXPECT_EQ(refusal->message, app::formatText(app::TextId::MemoryNumberTooHigh, 749));

    buffer.memoryNumber = 749;
    EXPECT_FALSE(check());
    EXPECT_STREQ(buffer.postalCode, "123-4567");
}

TEST_F(AddressCheckTest, AnyOneOfNameReadingOrFirstPhoneIsEnough)
{
    AddressRecord named = buffer;
    std::strcpy(named.name, sjis("山田"));
    AddressRecord read = buffer;
    std::strcpy(read.reading, sjis("ﾔﾏﾀﾞ"));
    AddressRecord secondPhoneOnly = buffer;
    std::strcpy(secondPhoneOnly.phones[1].number, "03-1234-5678");

    buffer = named;
    EXPECT_FALSE(check());
    buffer = read;
    EXPECT_FALSE(check());
    buffer = secondPhoneOnly;
    ASSERT_TRUE(check());
    EXPECT_EQ(check()->id, app::TextId::AddressNeedsNameOrPhone);
}

TEST_F(AddressCheckTest, PostalCodeIsNotTestedWithoutTheFieldOrAnEntry)
{
    std::strcpy(buffer.name, sjis("山田"));
    limits.postalCodeLength = 0;
    std::strcpy(buffer.postalCode, "12");
    EXPECT_FALSE(check());
    EXPECT_STREQ(buffer.postalCode, "12");

    limits.postalCodeLength = 8;
    buffer.postalCode[0] = '\0';
    EXPECT_FALSE(check());
}

TEST_F(AddressCheckTest, UnlimitedNumbersPassAnyValue)
{
    std::strcpy(buffer.name, sjis("山田"));
    limits.numbersBelowCapacity = 0;
    limits.capacity = 500;
    buffer.memoryNumber = 999;
    EXPECT_FALSE(check());
}

TEST(AddressMemoryNumberTakenTest, TheEditedRecordDoesNotCount)
{
    views::AddressStore store;
    store.setLimits({.maximumEntries = 1000});
    ASSERT_EQ(store.AppendRecord(addressRecord(10)), 1);
    ASSERT_EQ(store.AppendRecord(addressRecord(11)), 1);

    EXPECT_FALSE(views::takenElsewhereIn(store, 0)(10));
    EXPECT_TRUE(views::takenElsewhereIn(store, 1)(10));
    EXPECT_TRUE(views::takenElsewhereIn(store, -1)(11));
    EXPECT_FALSE(views::takenElsewhereIn(store, -1)(12));
}

TEST(AddressMemoryNumberTakenTest, RecordsMarkedForRemovalDoNotCount)
{
    views::AddressStore store;
    store.setLimits({.maximumEntries = 1000});
    ASSERT_EQ(store.AppendRecord(addressRecord(10)), 1);
    ASSERT_EQ(store.RemoveRecord(0, false), 1);
    EXPECT_FALSE(views::takenElsewhereIn(store, -1)(10));
}

TEST(AddressReadingTest, KanaBecomeHalfWidthKatakana)
{
    struct Case
    {
        const char *committed;
        std::optional<std::string> reading;
    };
    const Case cases[] = {
        {sjis("ガ"), sjis("ｶﾞ")},
        {sjis("ぱ"), sjis("ﾊﾟ")},
        {sjis("ー"), sjis("ｰ")},
        {sjis("ぁ"), sjis("ｧ")},
        {sjis("がっこう"), sjis("ｶﾞｯｺｳ")},
        {sjis("ヴァイオリン"), sjis("ｳﾞｧｲｵﾘﾝ")},
        {sjis("きゃ、ぴょん。"), sjis("ｷｬ､ﾋﾟｮﾝ｡")},
        {sjis("ゐゑを"), sjis("ｲｴｦ")},
        {sjis("ヵヶヮ"), sjis("ｶｹﾜ")},
        {sjis("ＡＢ　１"), "AB 1"},
        {"abc", "abc"},
        {sjis("ｶﾞ"), sjis("ｶﾞ")},
        {sjis("山田"), std::nullopt},
        {sjis("やまだ太郎"), std::nullopt},
        {sjis("★"), std::nullopt},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(views::halfWidthReading(c.committed), c.reading) << c.committed;
}

TEST(AddressReadingTest, CommitFollowsOrReplacesTheReading)
{
    const views::NameEditState typing{.empty = false, .wholeTextSelected = false};
    const views::NameEditState empty{.empty = true, .wholeTextSelected = false};
    const views::NameEditState replacing{.empty = false, .wholeTextSelected = true};

    EXPECT_EQ(views::readingAfterCommit(sjis("ﾔﾏ"), 32, typing, sjis("だ")), sjis("ﾔﾏﾀﾞ"));
    EXPECT_EQ(views::readingAfterCommit(sjis("ﾔﾏ"), 32, empty, sjis("だ")), sjis("ﾀﾞ"));
    EXPECT_EQ(views::readingAfterCommit(sjis("ﾔﾏ"), 32, replacing, sjis("た")), sjis("ﾀ"));
    EXPECT_EQ(views::readingAfterCommit(sjis("ﾔﾏﾀﾞ"), 6, typing, sjis("はなこ")), sjis("ﾔﾏﾀﾞﾊﾅ"));
}

TEST(AddressReadingTest, CommitWithoutAKnownReadingLeavesTheReading)
{
    const views::NameEditState typing{.empty = false, .wholeTextSelected = false};
    EXPECT_FALSE(views::readingAfterCommit(sjis("ﾔﾏ"), 32, typing, sjis("田")));
    EXPECT_FALSE(views::readingAfterCommit(sjis("ﾔﾏ"), 32, typing, ""));
    // A model without a reading field keeps its reading as it is.
    EXPECT_FALSE(views::readingAfterCommit("", 0, typing, sjis("やま")));
}

TEST(AddressReadingTest, TypedHalfWidthCharactersAreCopiedWhileThereIsRoom)
{
    const views::NameEditState typing{.empty = false, .wholeTextSelected = false};
    const views::NameEditState empty{};
    const auto byte = [](const char *text) { return static_cast<unsigned char>(text[0]); };

    EXPECT_EQ(views::readingAfterTyping("ab", 32, typing, 'c'), "abc");
    EXPECT_EQ(views::readingAfterTyping("ab", 32, empty, 'c'), "c");
    EXPECT_EQ(views::readingAfterTyping(sjis("ﾔ"), 32, typing, byte(sjis("ﾏ"))), sjis("ﾔﾏ"));
    EXPECT_FALSE(views::readingAfterTyping("abc", 3, typing, 'd'));
    EXPECT_FALSE(views::readingAfterTyping("ab", 32, typing, '\t'));
    EXPECT_FALSE(views::readingAfterTyping("ab", 32, typing, byte(sjis("あ"))));
    EXPECT_FALSE(views::readingAfterTyping("", 0, empty, 'a'));
}

TEST(AddressSlotsTest, Sh505iKeepsThreePhonesAndOneMail)
{
    const AddressLimits limits = sh505iLimits();
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_EQ(views::isSlotTextEditable(views::PhoneSlots, limits, slot), slot < 3) << slot;
        EXPECT_EQ(views::isSlotIconEditable(views::PhoneSlots, limits, slot), slot < 3) << slot;
        EXPECT_EQ(views::isSlotTextEditable(views::MailSlots, limits, slot), slot < 1) << slot;
        // The SH505i has no mail icons and no illumination at all.
        EXPECT_FALSE(views::isSlotIconEditable(views::MailSlots, limits, slot)) << slot;
        EXPECT_FALSE(views::isSlotIlluminationEditable(views::PhoneSlots, limits, slot));
        EXPECT_FALSE(views::isSlotIlluminationEditable(views::MailSlots, limits, slot));
    }
    EXPECT_FALSE(views::isSlotAvailable(views::PhoneSlots, n505iLimits(), 4));
    EXPECT_FALSE(views::isSlotAvailable(views::PhoneSlots, n505iLimits(), -1));
}

TEST(AddressSlotsTest, SlotFieldsReachTheirRecordFields)
{
    AddressRecord record = addressRecord(10);
    views::setSlotText(record, views::PhoneSlots, 2, "03-1234");
    views::setSlotIcon(record, views::PhoneSlots, 2, 7);
    views::setSlotText(record, views::MailSlots, 3, "a@example.jp");
    views::setSlotIcon(record, views::MailSlots, 3, -5);
    EXPECT_STREQ(record.phones[2].number, "03-1234");
    EXPECT_EQ(record.phones[2].icon, 7);
    EXPECT_STREQ(record.mails[3].address, "a@example.jp");
    EXPECT_EQ(record.mails[3].icon, -5);
    EXPECT_EQ(views::slotText(record, views::MailSlots, 3), "a@example.jp");
    EXPECT_EQ(views::slotIcon(record, views::PhoneSlots, 2), 7);
    EXPECT_EQ(record.phones[3].number[0], '\0');
}

TEST(AddressSlotsTest, SlotTextIsCutToItsFieldOnACharacterBoundary)
{
    AddressRecord record = addressRecord(10);
    std::string text = "x";
    for (int i = 0; i < 70; ++i)
        text += sjis("あ");
    views::setSlotText(record, views::MailSlots, 0, text);
    EXPECT_EQ(std::strlen(record.mails[0].address), 127u);
    views::setSlotText(record, views::PhoneSlots, 0, text.substr(1));
    EXPECT_EQ(std::strlen(record.phones[0].number), 62u);
}

TEST(AddressSlotsTest, EachKindOwnsItsIlluminationByte)
{
    AddressRecord record = addressRecord(10);
    record.illumination = int32_t(0x7F000000);
    views::setIllumination(record, views::PhoneSlots, 5);
    views::setIllumination(record, views::MailSlots, 3);
    EXPECT_EQ(record.illumination, int32_t(0x7F000503));
    EXPECT_EQ(views::illuminationOf(record, views::PhoneSlots), 5);
    EXPECT_EQ(views::illuminationOf(record, views::MailSlots), 3);
    views::setIllumination(record, views::PhoneSlots, 0);
    EXPECT_EQ(record.illumination, int32_t(0x7F000003));
}

TEST(AddressOptionsTest, ValuesWithoutANameAreAddedOnceInTheOrderGiven)
{
    const std::vector<std::string> names = {"A", "B"};
    // Slots 4, 3, 2, 1.
    const std::vector<views::ChoiceItem> items = views::optionItems(names, {7, 1, -1, 7});
    const std::vector<views::ChoiceItem> expected = {{"A", 0}, {"B", 1}, {"7", 7}, {"-1", -1}};
    EXPECT_EQ(items, expected);
    EXPECT_EQ(views::positionOfValue(items, 7), 2);
    EXPECT_EQ(views::positionOfValue(items, 3), -1);
    // A value equal to a position of an added item still gets an item of its own.
    const std::vector<views::ChoiceItem> more = views::optionItems(names, {2, 3});
    EXPECT_EQ(more.back(), (views::ChoiceItem{"3", 3}));
}

TEST(AddressOptionsTest, NamesStopAtTheFirstMissingIndex)
{
    const views::OptionName names = [](int list, int index) -> std::optional<std::string> {
        if (list != INFORM_ILLUMINATIONS || index >= 3)
            return std::nullopt;
        return "colour" + std::to_string(index);
    };
    EXPECT_EQ(views::optionNames(names, INFORM_ILLUMINATIONS),
              (std::vector<std::string>{"colour0", "colour1", "colour2"}));
    EXPECT_TRUE(views::optionNames(names, INFORM_PHONE_ICONS).empty());
    EXPECT_TRUE(views::optionNames({}, INFORM_PHONE_ICONS).empty());
}

TEST(AddressOptionsTest, GroupItemsFollowTheTable)
{
    views::GroupTable groups;
    int friends = 3;
    int work = 12;
    groups.registerGroup(sjis("友人"), friends);
    groups.registerGroup("Work", work);
    const std::vector<views::ChoiceItem> expected
        = {{sjis("なし"), -1}, {sjis("   3: [友人]"), 3}, {"  12: [Work]", 12}};
    EXPECT_EQ(views::groupItems(groups), expected);
    EXPECT_EQ(views::groupNameOf(groups, 12), "Work");
    EXPECT_EQ(views::groupNameOf(groups, -1), "");
}

class AddressMultiEditTest : public testing::Test
{
protected:
    void SetUp() override
    {
        int number = 4;
        groups.registerGroup(sjis("家族"), number);
        record.groupNumber = 4;
        std::strcpy(record.groupName, sjis("家族"));
        record.illumination = 0x0102;
    }

    views::GroupTable groups;
    AddressRecord record = addressRecord(10);
};

TEST_F(AddressMultiEditTest, NoChangeEverywhereWantsNothing)
{
    const views::AddressMultiChange change
        = views::wantedChanges(0, views::NoChange, views::NoChange, views::NoChange, groups);
    EXPECT_FALSE(change.wanted());
    const AddressRecord before = record;
    views::applyMultiChange(record, change);
    EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0);
}

TEST_F(AddressMultiEditTest, NoGroupRemovesTheGroup)
{
    const views::AddressMultiChange change
        = views::wantedChanges(1, -1, views::NoChange, views::NoChange, groups);
    ASSERT_TRUE(change.wanted());
    views::applyMultiChange(record, change);
    EXPECT_EQ(record.groupNumber, -1);
    EXPECT_STREQ(record.groupName, "");
    EXPECT_EQ(record.illumination, 0x0102);
}

TEST_F(AddressMultiEditTest, GroupAndIlluminationsAreSetTogether)
{
    int number = 9;
    groups.registerGroup("Club", number);
    views::applyMultiChange(record, views::wantedChanges(2, 9, 0, 6, groups));
    EXPECT_EQ(record.groupNumber, 9);
    EXPECT_STREQ(record.groupName, "Club");
    EXPECT_EQ(record.illumination, 0x0006);
}

TEST_F(AddressMultiEditTest, OneIlluminationLeavesTheOther)
{
    views::applyMultiChange(record,
                            views::wantedChanges(0, views::NoChange, 8, views::NoChange, groups));
    EXPECT_EQ(record.illumination, 0x0802);
    EXPECT_EQ(record.groupNumber, 4);
}

// The editor reads the real plug-ins' blocks: limit words and option entries.
class AddressEditSetupTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_GE(plugins.discover(CELLVANE_PLUGIN_DIR), 2); }

    views::AddressEditSetup setupOf(const std::string &model)
    {
        EXPECT_TRUE(plugins.selectByModelName(model));
        cache.refill(plugins);
        return views::currentAddressEditSetup(cache, plugins, messages);
    }

    host::PluginHost plugins;
    host::KindLimitCache cache;
    NoMessages messages;
};

TEST_F(AddressEditSetupTest, Sh505iLimitsAndOptions)
{
    const views::AddressEditSetup setup = setupOf("DoCoMo SH505i");
    const AddressLimits expected = sh505iLimits();
    EXPECT_EQ(setup.limits.capacity, expected.capacity);
    EXPECT_EQ(setup.limits.numbersBelowCapacity, expected.numbersBelowCapacity);
    EXPECT_EQ(setup.limits.nameLength, expected.nameLength);
    EXPECT_EQ(setup.limits.phoneSlots, expected.phoneSlots);
    EXPECT_EQ(setup.limits.mailSlots, expected.mailSlots);
    EXPECT_EQ(setup.limits.noteLength, expected.noteLength);
    EXPECT_EQ(setup.limits.mailIconChoice, expected.mailIconChoice);
    EXPECT_EQ(setup.limits.mailIlluminationChoice, 0);
    EXPECT_FALSE(views::optionNames(setup.optionName, INFORM_PHONE_ICONS).empty());
    EXPECT_EQ(setup.messages, &messages);
}

TEST_F(AddressEditSetupTest, P505iIlluminationNames)
{
    const views::AddressEditSetup setup = setupOf("DoCoMo P505i");
    EXPECT_EQ(setup.limits.phoneIlluminationChoice, 1);
    const std::vector<std::string> names
        = views::optionNames(setup.optionName, INFORM_ILLUMINATIONS);
    ASSERT_EQ(names.size(), 9u);
    EXPECT_EQ(names.front(), sjis("通常と同じ"));
    EXPECT_EQ(names.back(), sjis("レインボー"));
    EXPECT_EQ(views::optionNames(setup.optionName, INFORM_MAIL_ICONS).size(), 16u);
}

TEST(AddressLimitsTest, MissingTableLocksEverything)
{
    const host::KindLimitCache empty;
    const AddressLimits limits = views::readAddressLimits(empty);
    EXPECT_EQ(limits.capacity, 0);
    EXPECT_EQ(limits.nameLength, 0);
    EXPECT_EQ(limits.phoneSlots, 0);
}

} // namespace
