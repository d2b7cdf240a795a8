#include "app/model_choice.h"

#include "app/string_table.h"
#include "fakes.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "program_directory.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using app::ModelChoice;
using app::TextId;
using platform::MessageAnswer;

class ModelChoiceTest : public testing::Test
{
protected:
    void SetUp() override
    {
        directory.withPlugin("alpha").withPlugin("beta");
        ASSERT_EQ(plugins.discover(directory.path() + "Plugins/"), 2);
        ASSERT_TRUE(plugins.selectByModelName("alpha"));
        alpha = plugins.currentIndex();
        beta = 1 - alpha;
    }

    std::vector<std::string> newDataCalls() const
    {
        std::vector<std::string> calls;
        for (const auto &view : views) {
            for (const std::string &call : view->calls)
                calls.push_back(std::to_string(view->viewKind()) + " " + call);
        }
        return calls;
    }

    ProgramDirectory directory;
    host::PluginHost plugins;
    host::KindLimitCache limits;
    ScriptedMessages messages;
    std::array<std::unique_ptr<FakeView>, 4> views{
        std::make_unique<FakeView>(1), std::make_unique<FakeView>(2), std::make_unique<FakeView>(3),
        std::make_unique<FakeView>(4)};
    ModelChoice choice{
        plugins, messages, {views[0].get(), views[1].get(), views[2].get(), views[3].get()}};
    int alpha = -1;
    int beta = -1;
};

TEST_F(ModelChoiceTest, ListsEveryModelAndKeepsTheCurrentOne)
{
    const auto names = choice.modelNames();
    ASSERT_TRUE(names);
    ASSERT_EQ(names->size(), 2u);
    EXPECT_EQ((*names)[static_cast<size_t>(alpha)], "alpha");
    EXPECT_EQ((*names)[static_cast<size_t>(beta)], "beta");
    EXPECT_EQ(plugins.currentIndex(), alpha);
}

TEST_F(ModelChoiceTest, SameModelIsAcceptedWithoutAQuestionAndRefillsTheLimits)
{
    EXPECT_TRUE(choice.confirm(alpha));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(newDataCalls().empty());
    EXPECT_EQ(limits.table(2), nullptr);
    EXPECT_TRUE(app::applyModelChoice(alpha, plugins, limits));
    EXPECT_NE(limits.table(2), nullptr);
    EXPECT_EQ(plugins.currentIndex(), alpha);
}

TEST_F(ModelChoiceTest, AnotherModelAsksAndStartsEveryViewAfreshInOrder)
{
    messages.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(choice.confirm(beta));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, app::text(TextId::ModelChangeQuestion));
    EXPECT_EQ(messages.shown[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(newDataCalls(), (std::vector<std::string>{"1 new", "2 new", "3 new", "4 new"}));
    EXPECT_EQ(plugins.currentIndex(), alpha) << "the frame applies the choice afterwards";
    EXPECT_TRUE(app::applyModelChoice(beta, plugins, limits));
    EXPECT_EQ(plugins.currentModelName().value_or(""), "beta");
}

TEST_F(ModelChoiceTest, NoKeepsTheOldModelAndSaysTheChangeWasCancelled)
{
    EXPECT_FALSE(choice.confirm(beta));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, app::text(TextId::ModelChangeCancelled));
    EXPECT_EQ(messages.shown[1].caption, app::text(TextId::CaptionInformation));
    EXPECT_EQ(messages.shown[1].buttons, platform::MessageButtons::Ok);
    EXPECT_TRUE(newDataCalls().empty());
    EXPECT_EQ(plugins.currentIndex(), alpha);
}

TEST_F(ModelChoiceTest, ViewCancellingItsSaveStopsTheChainAndKeepsEarlierViewsCleared)
{
    views[1]->newDataResult = false;
    messages.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(choice.confirm(beta));
    EXPECT_EQ(newDataCalls(), (std::vector<std::string>{"1 new", "2 new"}));
    EXPECT_EQ(messages.shown.back().text, app::text(TextId::ModelChangeCancelled));
}

TEST_F(ModelChoiceTest, NegativeChoiceChangesNothing)
{
    EXPECT_FALSE(app::applyModelChoice(-1, plugins, limits));
    EXPECT_EQ(plugins.currentIndex(), alpha);
    EXPECT_EQ(limits.table(1), nullptr);
}

} // namespace
