#include "app/startup.h"

#include "app/string_table.h"
#include "fakes.h"
#include "host/codec_binding.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "program_directory.h"

#include <gtest/gtest.h>

namespace {

using app::FramePlacement;
using app::OsVersion;
using app::TextId;

// ---- operating system and machine checks ----

struct OsCase
{
    OsVersion version;
    int code;
    bool accepted;
};

TEST(StartupTest, ClassifiesEveryOperatingSystemRelease)
{
    using F = OsVersion::Family;
    const OsCase cases[] = {
        {{F::Win32s, 3, 11, ""}, 1, false},      {{F::Windows9x, 4, 0, ""}, 2, false},
        {{F::Windows9x, 4, 0, " A"}, 2, false},  {{F::Windows9x, 4, 0, " B"}, 3, true},
        {{F::Windows9x, 4, 0, " C"}, 3, true},   {{F::Windows9x, 4, 10, ""}, 4, false},
        {{F::Windows9x, 4, 10, " A"}, 5, true},  {{F::Windows9x, 4, 90, ""}, 6, true},
        {{F::Windows9x, 4, 50, ""}, 9999, true}, {{F::Windows9x, 5, 0, ""}, 9999, true},
        {{F::WindowsNt, 3, 51, ""}, 7, false},   {{F::WindowsNt, 4, 0, ""}, 7, false},
        {{F::WindowsNt, 5, 0, ""}, 8, true},     {{F::WindowsNt, 5, 1, ""}, 9, true},
        {{F::WindowsNt, 5, 2, ""}, 9999, true},  {{F::WindowsNt, 6, 1, ""}, 9999, true},
        {{F::Other, 6, 1, ""}, 9999, true},      {{F::Unknown, 0, 0, ""}, 9999, true},
    };
    for (const OsCase &c : cases) {
        const int code = app::classifyOperatingSystem(c.version);
        EXPECT_EQ(code, c.code) << int(c.version.family) << " " << c.version.major << "."
                                << c.version.minor << " '" << c.version.service << "'";
        EXPECT_EQ(app::operatingSystemAccepted(code), c.accepted) << code;
    }
}

TEST(StartupTest, MachineChecksRefuseInOrderWithTheirTexts)
{
    struct Case
    {
        int os, width, height, bits;
        std::optional<TextId> problem;
    };
    const Case cases[] = {
        {9999, 800, 600, 16, std::nullopt},           {9999, 1920, 1080, 32, std::nullopt},
        {2, 800, 600, 16, TextId::UnsupportedOs},     {7, 640, 480, 8, TextId::UnsupportedOs},
        {9999, 799, 600, 32, TextId::ScreenTooSmall}, {9999, 800, 599, 32, TextId::ScreenTooSmall},
        {9999, 800, 600, 8, TextId::TooFewColours},   {9999, 800, 600, 0, TextId::TooFewColours},
    };
    for (const Case &c : cases)
        EXPECT_EQ(app::preflightProblem(c.os, c.width, c.height, c.bits), c.problem)
            << c.os << " " << c.width << "x" << c.height << "x" << c.bits;
    EXPECT_STREQ(app::text(TextId::ScreenTooSmall),
                 "\x89\xE6\x96\xCA\x82\xCC\x89\xF0\x91\x9C\x93x\x82\xF0"
                 "800\x81~600"
                 "\x88\xC8\x8F\xE3\x82\xC5\x82\xB2\x97\x98\x97p\x82\xAD\x82\xBE\x82\xB3\x82\xA2"
                 "\x81"
                 "B");
    EXPECT_STREQ(app::text(TextId::CaptionStartupError), "\x8F\x89\x8A\xFA\x8B"
                                                         "N\x93\xAE\x8E\x9E\xB4\xD7\xB0");
}

TEST(StartupTest, EachFailureCodeHasItsMessageWithTheErrorCaption)
{
    const std::string errorCaption = "\xB4\xD7\xB0"; // ｴﾗｰ
    struct Case
    {
        int code;
        std::string text;
    };
    const Case cases[] = {
        {1, "\xCC\xDF\xD7\xB8\xDE\xB2\xDD\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9"
            "\x82\xF1\x81"
            "B"},
        {2, "\xCC\xDF\xD7\xB8\xDE\xB2\xDD\x82\xCC\x8F\x89\x8A\xFA\x90\xDD\x92\xE8\x82\xC9\x8E\xB8"
            "\x94s\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81"
            "B"},
        {99, "\xB1\xCC\xDF\xD8\xB9\xB0\xBC\xAE\xDD\x82\xCC\x8B"
             "N\x93\xAE\x82\xC9\x8E\xB8\x94s\x82"
             "\xB5\x82\xDC\x82\xB5\x82\xBD\x81"
             "B\n\n\xB4\xD7\xB0\x94\xD4\x8D\x86 = 99"},
    };
    for (const Case &c : cases) {
        const platform::Message message = app::startupFailureMessage(c.code);
        EXPECT_EQ(message.text, c.text) << c.code;
        EXPECT_EQ(message.caption, errorCaption);
        EXPECT_EQ(message.icon, platform::MessageIcon::Error);
        EXPECT_EQ(message.buttons, platform::MessageButtons::Ok);
    }
}

// ---- window placement ----

TEST(StartupTest, AllZeroPlacementShowsTheWindowNormally)
{
    MemorySettings settings;
    EXPECT_FALSE(app::placementToRestore(app::readFramePlacement(settings)));
    for (const char *name : {"swcmd", "top", "left", "width", "height"})
        settings.writeInt("Frame", name, 0);
    settings.writeInt("Frame", "Zoomed", 1);
    EXPECT_FALSE(app::placementToRestore(app::readFramePlacement(settings)))
        << "Zoomed is never read";
}

TEST(StartupTest, MaximisedStateAloneStillRestoresAZeroSizedNormalWindow)
{
    MemorySettings settings;
    settings.writeInt("Frame", "swcmd", 3);
    const std::optional<FramePlacement> placement
        = app::placementToRestore(app::readFramePlacement(settings));
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->swcmd, 1) << "always shown restored";
    EXPECT_EQ(placement->width, 0);
    EXPECT_EQ(placement->height, 0);
}

TEST(StartupTest, PlacementRoundTripsThroughTheSettings)
{
    MemorySettings settings;
    const FramePlacement written{3, 40, 50, 700, 500, -4, -4, 800, 900};
    app::writeFramePlacement(settings, written, true);
    EXPECT_EQ(settings.ints.at("Frame/Zoomed"), 1);
    EXPECT_EQ(settings.ints.at("Frame/leftMin"), 900);
    const std::optional<FramePlacement> restored
        = app::placementToRestore(app::readFramePlacement(settings));
    ASSERT_TRUE(restored);
    FramePlacement expected = written;
    expected.swcmd = 1;
    EXPECT_EQ(*restored, expected);
}

// ---- the start-up sequence ----

class RecordingWindows : public app::StartupWindows
{
public:
    explicit RecordingWindows(MockClock &clock)
        : m_clock(clock)
    {
    }
    void showSplash() override { calls.push_back("splash"); }
    void closeSplash() override { calls.push_back("close splash"); }
    bool createFrame() override
    {
        calls.push_back("frame");
        m_clock.now += creationMilliseconds;
        return frameCreated;
    }
    void reopenPcFiles() override { calls.push_back("reopen"); }
    void showFrame(const std::optional<FramePlacement> &given) override
    {
        calls.push_back("show");
        placement = given;
    }

    std::vector<std::string> calls;
    std::optional<FramePlacement> placement;
    bool frameCreated = true;
    int creationMilliseconds = 300;

private:
    MockClock &m_clock;
};

class StartupSequenceTest : public testing::Test
{
protected:
    bool run()
    {
        app::StartupServices services{clock, settings, messages, shell, codec, plugins, limits};
        return app::runStartup(directory.path(), services, windows);
    }

    ProgramDirectory directory;
    MockClock clock;
    MemorySettings settings;
    ScriptedMessages messages;
    RecordingShell shell;
    host::CodecBinding codec;
    host::PluginHost plugins;
    host::KindLimitCache limits;
    RecordingWindows windows{clock};
};

TEST_F(StartupSequenceTest, StartsInOrderAndKeepsTheSplashForTwoSeconds)
{
    directory.withCodec().withPlugin("alpha");
    ASSERT_TRUE(run());
    EXPECT_EQ(windows.calls,
              (std::vector<std::string>{"splash", "frame", "reopen", "close splash", "show"}));
    EXPECT_EQ(clock.slept, std::vector<int64_t>{1700});
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_NE(limits.table(2), nullptr);
}

TEST_F(StartupSequenceTest, SlowStartDoesNotWaitAnyLonger)
{
    directory.withCodec().withPlugin("alpha");
    windows.creationMilliseconds = 2500;
    ASSERT_TRUE(run());
    EXPECT_TRUE(clock.slept.empty());
}

TEST_F(StartupSequenceTest, MissingCodecLibraryEndsWithCodeOneAfterTheSplash)
{
    directory.withPlugin("alpha");
    EXPECT_FALSE(run());
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"splash", "close splash"}));
    EXPECT_EQ(clock.slept, std::vector<int64_t>{2000});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, app::text(TextId::PluginsMissing));
    EXPECT_EQ(messages.shown[0].caption, app::text(TextId::CaptionError));
    EXPECT_EQ(plugins.count(), 0) << "discovery comes after the codec library";
}

TEST_F(StartupSequenceTest, NoBindablePluginEndsWithCodeOne)
{
    directory.withCodec().withPlugin("broken", "test_plugin_no_last_error");
    EXPECT_FALSE(run());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, app::text(TextId::PluginsMissing));
}

TEST_F(StartupSequenceTest, FrameThatCannotBeCreatedEndsWithCodeNinetyNine)
{
    directory.withCodec().withPlugin("alpha");
    windows.frameCreated = false;
    EXPECT_FALSE(run());
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"splash", "frame", "close splash"}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, app::formatText(TextId::StartupFailed, 99));
}

TEST_F(StartupSequenceTest, RemembersTheModelOrFallsBackToTheFirstPlugin)
{
    directory.withCodec().withPlugin("alpha").withPlugin("beta").withPlugin("gamma");
    settings.writeString("Setting", "Plugin", "gamma");
    ASSERT_TRUE(run());
    EXPECT_EQ(plugins.currentModelName().value_or(""), "gamma");

    host::PluginHost other;
    host::CodecBinding otherCodec;
    MemorySettings fresh;
    fresh.writeString("Setting", "Plugin", "DoCoMo XX000i");
    app::StartupServices services{clock, fresh, messages, shell, otherCodec, other, limits};
    ASSERT_TRUE(app::runStartup(directory.path(), services, windows));
    EXPECT_EQ(other.currentIndex(), 0);
}

TEST_F(StartupSequenceTest, FirstRunOpensTheHelpIndexOnceAndRecordsIt)
{
    directory.withCodec().withPlugin("alpha");
    ASSERT_TRUE(run());
    EXPECT_EQ(shell.opened,
              std::vector<std::string>{"file://" + directory.path() + "help/index.html"});
    EXPECT_EQ(settings.ints.at("Setting/FirstBoot"), 0);

    host::PluginHost second;
    host::CodecBinding secondCodec;
    app::StartupServices services{clock, settings, messages, shell, secondCodec, second, limits};
    ASSERT_TRUE(app::runStartup(directory.path(), services, windows));
    EXPECT_EQ(shell.opened.size(), 1u) << "the second run opens nothing";
}

TEST_F(StartupSequenceTest, FailedStartOpensNoHelpAndLeavesFirstBootAlone)
{
    directory.withPlugin("alpha");
    EXPECT_FALSE(run());
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_FALSE(settings.has("Setting/FirstBoot"));
}

TEST_F(StartupSequenceTest, StoredPlacementReachesTheFrame)
{
    directory.withCodec().withPlugin("alpha");
    settings.writeInt("Frame", "left", 10);
    settings.writeInt("Frame", "width", 700);
    ASSERT_TRUE(run());
    ASSERT_TRUE(windows.placement);
    EXPECT_EQ(windows.placement->left, 10);
    EXPECT_EQ(windows.placement->width, 700);
}

} // namespace
