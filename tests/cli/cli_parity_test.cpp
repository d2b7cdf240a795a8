// The command-line program and the editor on one core: the PC file cellvane-cli writes is the
// one the editor's load from card and save write, byte for byte; and runCli in-process.
#include "cli/cli_commands.h"

#include "cli/cli_options.h"

#include "app/card_transfer.h"
#include "app/pc_files.h"
#include "app/string_table.h"
#include "cli_cards.h"
#include "cli_program.h"
#include "host/codec_binding.h"
#include "host/kind_limit_cache.h"
#include "platform/sjis_text.h"
#include "tests/app/card_fakes.h"
#include "tests/app/program_directory.h"
#include "views/address/address_view_core.h"
#include "views/bookmark/bookmark_view_core.h"
#include "views/mail/mail_subject.h"
#include "views/mail/mail_view_core.h"
#include "views/schedule/schedule_view_core.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct KindCard
{
    const char *model;
    const char *kind;
    const char *fixture; // below tests/data/<model>/
};

void PrintTo(const KindCard &card, std::ostream *stream)
{
    *stream << card.model << " " << card.kind;
}

class CliEditorParityTest : public testing::TestWithParam<KindCard>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(codec.bind(PROGRAM_DIR "libHandsetKit.so"));
        ASSERT_GT(plugins.discover(PROGRAM_DIR "Plugins/"), 0);
        ASSERT_TRUE(plugins.selectByModelName(std::string("DoCoMo ") + GetParam().model));
        limits.refill(plugins);
    }

    // The kind's core set up as the editor's frame sets up its view.
    std::unique_ptr<views::ViewCore> editorView(const std::string &kind)
    {
        if (kind == "address") {
            auto view = std::make_unique<views::AddressViewCore>();
            view->setModelTables(&limits, &plugins);
            return view;
        }
        if (kind == "schedule") {
            auto view = std::make_unique<views::ScheduleViewCore>();
            view->setPlugins(&plugins);
            return view;
        }
        if (kind == "mail") {
            auto view = std::make_unique<views::MailViewCore>();
            view->store().setCodecs(views::mailCodecsOf(codec));
            return view;
        }
        return std::make_unique<views::BookmarkViewCore>();
    }

    host::CodecBinding codec;
    host::PluginHost plugins;
    host::KindLimitCache limits;
    testing_support::TempDir work;
};

TEST_P(CliEditorParityTest, TheCliWritesTheEditorsPcFileByteForByte)
{
    const KindCard &card = GetParam();
    app::HostCardPlugin plugin(plugins);
    ScriptedMessages messages;
    RecordingProgress progress;
    CountingBusyPointer busy;
    FixedCardChooser cardChooser;
    cli::NoPcFileChooser pcFileChooser;
    app::CardTransfer transfer({plugin, limits, messages, progress, busy, cardChooser});
    app::PcFiles pcFiles({plugins, messages, progress, busy, pcFileChooser});

    // The card's folder as the model's plug-in names it.
    const std::string root = work.file("card");
    const OwnedBlock<> info(plugins.getInformTable(1999 + *cli::viewKindNamed(card.kind), 0));
    const std::optional<app::CardLocation> location
        = app::cardLocation(info.get(), 1999 + *cli::viewKindNamed(card.kind));
    ASSERT_TRUE(location);
    const std::string folder = app::resolveCardPath(root, location->folder);
    formatSdCard(root);
    fs::create_directories(folder);
    std::string dataFolder = card.model;
    std::transform(dataFolder.begin(), dataFolder.end(), dataFolder.begin(), ::tolower);
    fs::copy_file(CARD_TEST_DATA + dataFolder + "/" + card.fixture,
                  folder + "FILE0001" + location->extension);

    const std::unique_ptr<views::ViewCore> view = editorView(card.kind);
    ASSERT_GT(transfer.loadFromRoot(*view, {root, ""}), 0);
    view->setPcFile(work.path() + "/", "editor.pc");
    ASSERT_EQ(pcFiles.Save(*view, true), app::PcSaveResult::Saved);

    const CliRun cli
        = runCliProgram({"--model", card.model, "load", card.kind, root, "-o", work.file("cli.pc")},
                        work.file("config"), work.path());
    ASSERT_EQ(cli.status, 0) << cli.err;
    EXPECT_EQ(cli.out, platform::sjisToUtf8(messages.shown.back().text) + "\n");
    const std::string editorFile = fileText(work.file("editor.pc"));
    EXPECT_FALSE(editorFile.empty());
    EXPECT_EQ(fileText(work.file("cli.pc")), editorFile);
}

INSTANTIATE_TEST_SUITE_P(Cards, CliEditorParityTest,
                         testing::Values(KindCard{"SH505i", "address", "address/Sample.VCF"},
                                         KindCard{"P505i", "address", "address/Sample.VCF"},
                                         KindCard{"SO505i", "address", "address/Sample.VCF"},
                                         KindCard{"SH505i", "schedule", "schedule/Sample.VCS"},
                                         KindCard{"SH505i", "mail", "mail/Sample.VMG"},
                                         KindCard{"P505i", "bookmark", "bookmark/Sample.VBM"}),
                         [](const testing::TestParamInfo<KindCard> &info) {
                             return std::string(info.param.model) + "_" + info.param.kind;
                         });

// Runs the commands in-process on the program directory program.
struct InProcessCli
{
    explicit InProcessCli(const std::string &program)
        : environment{program, settings, out, err}
    {
    }
    int run(const std::vector<std::string> &arguments)
    {
        out.str("");
        err.str("");
        return cli::runCli(arguments, environment);
    }

    MemorySettings settings;
    std::ostringstream out;
    std::ostringstream err;
    cli::CliEnvironment environment;
};

std::string printedText(app::TextId id)
{
    return platform::sjisToUtf8(app::text(id)) + "\n";
}

// The address book of people written to a PC file that opens under any plug-in.
void writeOpenAddressFile(const std::string &path, const std::vector<Person> &people,
                          uint32_t pluginCode = 0)
{
    views::AddressViewCore book;
    book.store().setLimits({1000, false, false});
    std::vector<AddressRecord> chain = addressChain(people);
    book.mergeCardBlock(chain.data());
    const std::vector<unsigned char> image = book.buildPcImage(pluginCode);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char *>(image.data()), std::streamsize(image.size()));
}

TEST(RunCliTest, AProgramFolderWithoutPluginsEndsWithTheEditorsStartupMessage)
{
    ProgramDirectory program;
    program.withCodec();
    InProcessCli cli(program.path());
    EXPECT_EQ(cli.run({"models"}), cli::ExitFailure);
    EXPECT_EQ(cli.out.str(), "");
    EXPECT_EQ(cli.err.str(), printedText(app::TextId::PluginsMissing));
}

TEST(RunCliTest, AModelThatDescribesNoCardFilesRefusesTheCardCommands)
{
    ProgramDirectory program;
    program.withCodec().withPlugin("bare");
    const testing_support::TempDir work;
    formatSdCard(work.path());
    writeOpenAddressFile(work.file("a.apc"), {{12, "Hanako", "", "0312345678", ""}});
    InProcessCli cli(program.path());
    EXPECT_EQ(cli.run({"load", "address", work.path(), "-o", work.file("b.apc")}),
              cli::ExitFailure);
    EXPECT_EQ(cli.err.str(), printedText(app::TextId::ErrorUnsupported));
    EXPECT_FALSE(fs::exists(work.file("b.apc")));
    EXPECT_EQ(cli.run({"save", work.file("a.apc"), work.path()}), cli::ExitFailure);
    EXPECT_EQ(cli.err.str(), printedText(app::TextId::ErrorUnsupported));
    EXPECT_EQ(cli.out.str(), "");
}

TEST(RunCliTest, TheModelKeptInTheEnvironmentsSettingsIsCurrent)
{
    const testing_support::TempDir work;
    const uint32_t sh505iCode = 0x44530101;
    writeOpenAddressFile(work.file("a.apc"), {{12, "Hanako", "", "0312345678", ""}}, sh505iCode);
    InProcessCli cli(PROGRAM_DIR);
    cli.settings.writeString("Setting", "Plugin", "DoCoMo SH505i");
    EXPECT_EQ(cli.run({"show", work.file("a.apc")}), cli::ExitSuccess) << cli.err.str();
    EXPECT_NE(cli.out.str().find("\n012\tHanako\t"), std::string::npos) << cli.out.str();

    cli.settings.writeString("Setting", "Plugin", "DoCoMo P505i");
    EXPECT_EQ(cli.run({"show", work.file("a.apc")}), cli::ExitFailure);
    EXPECT_EQ(cli.err.str(),
              platform::sjisToUtf8(app::formatText(app::TextId::DataOfOtherPlugin, "DoCoMo SH505i"))
                  + "\n");
}

} // namespace
