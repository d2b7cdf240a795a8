#include "cli/cli_messages.h"

#include "app/string_table.h"
#include "common/sjis_literal.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "platform/sjis_text.h"
#include "tests/app/card_fakes.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using platform::Message;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

Message box(MessageIcon icon, MessageButtons buttons = MessageButtons::Ok)
{
    return {sjis("ﾌｧｲﾙ [PIM00001.VCF] を保存しました。"), sjis("確認"), icon, buttons,
            std::nullopt};
}

const std::string Shown = "ﾌｧｲﾙ [PIM00001.VCF] を保存しました。\n";

TEST(CliMessagesTest, ResultsGoToStandardOutputEverythingElseToStandardError)
{
    struct Case
    {
        MessageIcon icon;
        bool toOut;
    };
    const Case cases[] = {
        {MessageIcon::Information, true},  {MessageIcon::None, false},
        {MessageIcon::Warning, false},     {MessageIcon::Error, false},
        {MessageIcon::Exclamation, false}, {MessageIcon::Question, false},
    };
    for (const Case &c : cases) {
        std::ostringstream out;
        std::ostringstream err;
        cli::CliMessages messages(out, err, false);
        EXPECT_EQ(messages.show(box(c.icon)), MessageAnswer::Ok);
        EXPECT_EQ(out.str(), c.toOut ? Shown : "") << static_cast<int>(c.icon);
        EXPECT_EQ(err.str(), c.toOut ? "" : Shown) << static_cast<int>(c.icon);
    }
}

TEST(CliMessagesTest, QuestionsAreAnsweredNoUnlessYesWasGivenAndSayHow)
{
    for (MessageButtons buttons : {MessageButtons::YesNo, MessageButtons::YesNoCancel}) {
        for (bool answerYes : {false, true}) {
            std::ostringstream out;
            std::ostringstream err;
            cli::CliMessages messages(out, err, answerYes);
            EXPECT_EQ(messages.show(box(MessageIcon::Information, buttons)),
                      answerYes ? MessageAnswer::Yes : MessageAnswer::No);
            EXPECT_EQ(out.str(), "") << "a question is never a result";
            EXPECT_EQ(err.str(),
                      Shown
                          + platform::sjisToUtf8(app::text(answerYes ? app::TextId::CliAnsweredYes
                                                                     : app::TextId::CliAnsweredNo))
                          + "\n");
        }
    }
}

TEST(CliMessagesTest, HeldResultsWaitForTheWorkButErrorsDoNot)
{
    std::ostringstream out;
    std::ostringstream err;
    cli::CliMessages messages(out, err, false);
    messages.holdResults();
    messages.show(box(MessageIcon::Information));
    messages.show(box(MessageIcon::Warning));
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), Shown);
    messages.releaseResults();
    EXPECT_EQ(out.str(), Shown);

    messages.holdResults();
    messages.show(box(MessageIcon::Information));
    messages.dropResults();
    messages.show(box(MessageIcon::Information));
    EXPECT_EQ(out.str(), Shown + Shown) << "the dropped result is gone, the hold is over";
}

// The one question of the card transfer, about memory numbers the phone does not have, under
// the SH505i's limits (numbers below 750). A book opened under the model never holds such
// numbers, the store refuses them; a book of another model's numbers does.
TEST(CliMessagesTest, TheCardSavesQuestionGoesOnOnlyWithYes)
{
    host::PluginHost plugins;
    ASSERT_GT(plugins.discover(PROGRAM_DIR "Plugins/"), 0);
    ASSERT_TRUE(plugins.selectByModelName("DoCoMo SH505i"));
    host::KindLimitCache limits;
    limits.refill(plugins);
    const std::string question
        = platform::sjisToUtf8(app::formatText(app::TextId::MemoryNumbersBeyondPhone, 749));
    for (bool answerYes : {false, true}) {
        std::ostringstream out;
        std::ostringstream err;
        cli::CliMessages messages(out, err, answerYes);
        cli::SilentProgress progress;
        cli::SilentBusyPointer busy;
        cli::NoCardChooser chooser;
        FakeCardPlugin plugin;
        app::CardTransfer transfer({plugin, limits, messages, progress, busy, chooser});
        CardView book(2);
        book.hold({{99999, "owner"}, {12, "near"}, {800, "far"}});
        const testing_support::TempDir card;

        EXPECT_EQ(transfer.saveToRoot(book, {card.path(), ""}), answerYes ? 1 : 0);
        EXPECT_EQ(plugin.saved.size(), answerYes ? 1u : 0u);
        EXPECT_EQ(err.str(),
                  question + "\n"
                      + platform::sjisToUtf8(app::text(answerYes ? app::TextId::CliAnsweredYes
                                                                 : app::TextId::CliAnsweredNo))
                      + "\n");
        EXPECT_EQ(out.str().empty(), !answerYes) << "the saved file is reported on a yes";
    }
}

} // namespace
