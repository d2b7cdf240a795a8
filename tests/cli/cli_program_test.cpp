// cellvane-cli as a whole program: the built binary run on cards written by the real model
// plug-ins, with the editor's settings in a throw-away configuration folder.
#include "app/card_roots.h"
#include "app/string_table.h"
#include "cli_cards.h"
#include "cli_program.h"
#include "common/sjis_literal.h"
#include "platform/sjis_text.h"
#include "views/address/address_view_core.h"
#include "views/mail/mail_view_core.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using app::TextId;

std::string utf8(const std::string &sjisText)
{
    return platform::sjisToUtf8(sjisText);
}

// The text of id as the program prints it: UTF-8, one line.
template<typename... Arguments>
std::string printed(TextId id, Arguments... arguments)
{
    return utf8(app::formatText(id, arguments...)) + "\n";
}

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

std::string headingLine(const views::ViewCore &core)
{
    std::string line;
    for (const views::ListColumn &column : core.columns())
        line += (line.empty() ? "" : "\t") + utf8(column.heading);
    return line;
}

const std::vector<Person> Household = {
    {99999, sjis("携帯太郎"), sjis("ｹｲﾀｲﾀﾛｳ"), "09011112222", ""},
    {12, sjis("山田花子"), sjis("ﾔﾏﾀﾞﾊﾅｺ"), "0312345678", sjis("誕生日は5月5日")},
    {13, sjis("佐藤一郎"), sjis("ｻﾄｳｲﾁﾛｳ"), "0355556666", ""},
};
const Person Newcomer = {14, sjis("鈴木美咲"), sjis("ｽｽﾞｷﾐｻｷ"), "08022223333", ""};

class CliProgramTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_GT(plugins.discover(PROGRAM_DIR "Plugins/"), 1);
        ASSERT_TRUE(plugins.selectByModelName("DoCoMo SH505i"));
        fs::create_directories(configHome());
    }

    std::string configHome() const { return work.file("config"); }
    std::string path(const std::string &name) const { return work.file(name); }

    CliRun run(const std::vector<std::string> &arguments) const
    {
        return runCliProgram(arguments, configHome(), work.path());
    }
    CliRun runSh505i(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(), {"--model", "SH505i"});
        return run(arguments);
    }

    // A card below the work folder holding one address-book file of people, written by the
    // SH505i plug-in.
    std::string addressCard(const std::string &name, const std::vector<Person> &people) const
    {
        const std::string root = path(name);
        EXPECT_EQ(writeAddressCardFile(plugins, formatSdCard(root) + "PIM00001.VCF", people), 0);
        return root;
    }
    // A card holding the SH505i fixture of a kind as its first file.
    std::string fixtureCard(const std::string &name, const std::string &fixture) const
    {
        const std::string root = path(name);
        fs::copy_file(CARD_TEST_DATA "sh505i/" + fixture,
                      formatSdCard(root) + "PIM00001" + fs::path(fixture).extension().string());
        return root;
    }
    // The people loaded from a card into the PC file name (in the work folder).
    std::string addressFile(const std::string &name, const std::vector<Person> &people) const
    {
        const CliRun load
            = runSh505i({"load", "address", addressCard(name + ".card", people), "-o", name});
        EXPECT_EQ(load.status, 0) << load.err;
        return path(name);
    }
    // The Shift_JIS texts of the list rows of `show`, without the heading line.
    std::vector<std::string> shownRows(const std::string &file) const
    {
        const CliRun show = runSh505i({"show", file});
        EXPECT_EQ(show.status, 0) << show.err;
        std::vector<std::string> rows = linesOf(show.out);
        if (!rows.empty())
            rows.erase(rows.begin());
        return rows;
    }
    void expectImportGivesBackWhatWasExported(const std::string &pcFile,
                                              const std::string &exchangeFile) const;
    void writeSettings(const std::string &model) const
    {
        fs::create_directories(configHome() + "/Oakmere");
        std::ofstream(configHome() + "/Oakmere/Cellvane.conf")
            << "[Setting]\nPlugin=" << model << "\n";
    }

    host::PluginHost plugins;
    testing_support::TempDir work;
};

TEST_F(CliProgramTest, ModelsListsEveryPluginWithItsCodeAndName)
{
    const CliRun models = run({"models"});
    EXPECT_EQ(models.status, 0);
    EXPECT_EQ(models.err, "");
    std::string expected;
    for (int i = 0; i < plugins.count(); ++i) {
        ASSERT_TRUE(plugins.select(i));
        char code[16];
        std::snprintf(code, sizeof code, "0x%08X", plugins.getPluginCode());
        expected += std::string(code) + "\t" + utf8(*plugins.modelNameAt(i)) + "\n";
    }
    EXPECT_EQ(models.out, expected);
    EXPECT_NE(models.out.find("0x44530101\tDoCoMo SH505i\n"), std::string::npos);
}

TEST_F(CliProgramTest, WrongCommandLinesEndWithStatusTwoAndTheUsageOnStandardError)
{
    const std::string usage = printed(TextId::CliUsage);
    const std::vector<std::vector<std::string>> commandLines
        = {{}, {"frob"}, {"load", "address", "card"}, {"show", "a.apc", "--yes"}, {"--colour"}};
    for (const std::vector<std::string> &arguments : commandLines) {
        const CliRun wrong = run(arguments);
        EXPECT_EQ(wrong.status, 2) << testing::PrintToString(arguments);
        EXPECT_EQ(wrong.out, "");
        EXPECT_TRUE(wrong.err.ends_with(usage)) << wrong.err;
        EXPECT_GT(wrong.err.size(), usage.size()) << "what is wrong comes first";
    }
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, usage);
    EXPECT_EQ(help.err, "");
}

TEST_F(CliProgramTest, AModelIsChosenByItsNameOrItsEndInAnyCase)
{
    const std::string file = addressFile("a.apc", Household);
    struct Case
    {
        const char *model;
        int status;
    };
    // The file opens under the SH505i only.
    const Case cases[]
        = {{"DoCoMo SH505i", 0}, {"docomo sh505i", 0}, {"SH505i", 0}, {"sh505I", 0}, {"P505i", 1}};
    for (const Case &c : cases) {
        const CliRun show = run({"--model", c.model, "show", file});
        EXPECT_EQ(show.status, c.status) << c.model << show.err;
    }
    const CliRun other = run({"--model", "p505i", "show", file});
    EXPECT_EQ(other.err, printed(TextId::DataOfOtherPlugin, "DoCoMo SH505i"));
}

TEST_F(CliProgramTest, AnUnknownOrAmbiguousModelIsAUsageErrorListingTheModels)
{
    struct Case
    {
        const char *model;
        TextId message;
    };
    for (const Case &c :
         {Case{"X999i", TextId::CliUnknownModel}, Case{"505i", TextId::CliAmbiguousModel}}) {
        const CliRun wrong = run({"--model", c.model, "models"});
        EXPECT_EQ(wrong.status, 2) << c.model;
        EXPECT_EQ(wrong.out, "");
        std::string expected = printed(c.message, c.model);
        for (int i = 0; i < plugins.count(); ++i)
            expected += "  " + utf8(*plugins.modelNameAt(i)) + "\n";
        EXPECT_EQ(wrong.err, expected);
    }
}

TEST_F(CliProgramTest, WithoutAModelTheEditorsSettingChoosesElseTheFirstPlugin)
{
    const std::string file = addressFile("a.apc", Household);
    const bool sh505iFirst = plugins.modelNameAt(0) == "DoCoMo SH505i";
    EXPECT_EQ(run({"show", file}).status, sh505iFirst ? 0 : 1) << "no settings: the first";
    writeSettings("DoCoMo SH505i");
    EXPECT_EQ(run({"show", file}).status, 0);
    writeSettings("DoCoMo P505i");
    const CliRun other = run({"show", file});
    EXPECT_EQ(other.status, 1);
    EXPECT_EQ(other.err, printed(TextId::DataOfOtherPlugin, "DoCoMo SH505i"));
    writeSettings("DoCoMo X999i");
    EXPECT_EQ(run({"show", file}).status, sh505iFirst ? 0 : 1) << "an unknown one: the first";
}

TEST_F(CliProgramTest, AnAddressBookGoesFromCardToFileToCardAndBackUnchanged)
{
    const std::string card = addressCard("card", Household);
    const CliRun load = runSh505i({"load", "address", card, "-o", "a.apc"});
    EXPECT_EQ(load.status, 0);
    EXPECT_EQ(load.out, printed(TextId::LoadedCount, 2)) << "the owner's entry is not counted";
    EXPECT_EQ(load.err, "");

    const CliRun show = runSh505i({"show", "a.apc"});
    EXPECT_EQ(show.status, 0);
    EXPECT_EQ(show.err, "");
    const std::vector<std::string> lines = linesOf(show.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], headingLine(views::AddressViewCore()));
    EXPECT_TRUE(lines[1].starts_with("012\t山田花子\tﾔﾏﾀﾞﾊﾅｺ\t0312345678\t")) << lines[1];
    EXPECT_TRUE(lines[1].ends_with("\t誕生日は5月5日")) << lines[1];
    EXPECT_TRUE(lines[2].starts_with("013\t佐藤一郎\t")) << lines[2];

    const std::string card2 = path("card2");
    formatSdCard(card2);
    const CliRun save = runSh505i({"save", "a.apc", card2});
    EXPECT_EQ(save.status, 0);
    EXPECT_EQ(save.out, printed(TextId::CardFileSaved, "PIM00001", ".VCF"));
    EXPECT_EQ(save.err, "");

    EXPECT_EQ(runSh505i({"load", "address", card2, "-o", "b.apc"}).status, 0);
    EXPECT_EQ(runSh505i({"show", "b.apc"}).out, show.out);
    EXPECT_EQ(fileText(path("b.apc")), fileText(path("a.apc"))) << "the owner came back too";
}

struct KindFixture
{
    const char *kind;
    const char *fixture;
    const char *pcFile;
};

void PrintTo(const KindFixture &kind, std::ostream *stream)
{
    *stream << kind.kind << " from " << kind.fixture;
}

class CliKindRoundTripTest : public CliProgramTest, public testing::WithParamInterface<KindFixture>
{
};

TEST_P(CliKindRoundTripTest, EntriesGoFromCardToFileToCardAndBackUnchanged)
{
    const KindFixture &kind = GetParam();
    const CliRun load
        = runSh505i({"load", kind.kind, fixtureCard("card", kind.fixture), "-o", kind.pcFile});
    ASSERT_EQ(load.status, 0) << load.err;
    const std::vector<std::string> rows = shownRows(kind.pcFile);
    EXPECT_FALSE(rows.empty());
    EXPECT_EQ(load.out, printed(TextId::LoadedCount, static_cast<int>(rows.size())));

    const std::string card2 = path("card2");
    formatSdCard(card2);
    const CliRun save = runSh505i({"save", kind.pcFile, card2});
    ASSERT_EQ(save.status, 0) << save.err;
    const std::string again = std::string("again") + fs::path(kind.pcFile).extension().string();
    ASSERT_EQ(runSh505i({"load", kind.kind, card2, "-o", again}).status, 0);
    EXPECT_EQ(shownRows(again), rows) << "the card holds them as the list shows them";
}

INSTANTIATE_TEST_SUITE_P(Kinds, CliKindRoundTripTest,
                         testing::Values(KindFixture{"address", "address/Sample.VCF", "a.apc"},
                                         KindFixture{"schedule", "schedule/Sample.VCS", "s.cpc"},
                                         KindFixture{"bookmark", "bookmark/Sample.VBM", "b.bpc"}),
                         [](const testing::TestParamInfo<KindFixture> &info) {
                             return std::string(info.param.kind);
                         });

TEST_F(CliProgramTest, ExportWritesTheFormatTheExtensionNamesAndRefusesTheOthers)
{
    const std::string book = addressFile("a.apc", Household);
    const CliRun exported = runSh505i({"export", book, "a.VCF"});
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out, printed(TextId::Exported, 2, "a.VCF"));
    const std::string vcard = fileText(path("a.VCF"));
    EXPECT_EQ(std::count(vcard.begin(), vcard.end(), '\n'),
              static_cast<long>(linesOf(vcard).size()));
    EXPECT_NE(vcard.find("FN:山田花子\r\n"), std::string::npos) << vcard;
    EXPECT_NE(vcard.find("X-CELLVANE-OWNER:1\r\n"), std::string::npos) << "the owner goes too";

    const CliRun wrongKind = runSh505i({"export", book, "a.ics"});
    EXPECT_EQ(wrongKind.status, 1);
    EXPECT_EQ(wrongKind.err,
              printed(TextId::CliExportKindMismatch, app::text(TextId::KindAddress), "a.ics"));
    const CliRun unknown = runSh505i({"export", book, "a.txt"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err, printed(TextId::CliExportFormatUnknown, "a.txt"));
    EXPECT_FALSE(fs::exists(path("a.ics")));
    EXPECT_FALSE(fs::exists(path("a.txt")));
    EXPECT_EQ(runSh505i({"export", book}).status, 2);
}

// Exports the entries of pcFile to exchangeFile, imports that into a new PC file and again.
void CliProgramTest::expectImportGivesBackWhatWasExported(const std::string &pcFile,
                                                          const std::string &exchangeFile) const
{
    const std::vector<std::string> rows = shownRows(pcFile);
    ASSERT_FALSE(rows.empty());
    ASSERT_EQ(runSh505i({"export", pcFile, exchangeFile}).status, 0);

    const CliRun imported = runSh505i({"import", exchangeFile, "-o", "new.pc"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.err, "") << "nothing was changed on the way";
    const int count = static_cast<int>(rows.size());
    EXPECT_EQ(imported.out, printed(TextId::ImportAdded, exchangeFile.c_str(), count, count));
    EXPECT_EQ(shownRows("new.pc"), rows);

    const std::string before = fileText(path("new.pc"));
    const CliRun again = runSh505i({"import", exchangeFile, "-o", "new.pc"});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, printed(TextId::ImportAdded, exchangeFile.c_str(), count, 0)
                             + printed(TextId::ImportNotAllAdded, count));
    EXPECT_EQ(fileText(path("new.pc")), before) << "nothing new leaves the file untouched";
}

TEST_F(CliProgramTest, AddressBookComesBackFromItsVCardExportOnlyOnce)
{
    std::vector<Person> people = Household;
    people.push_back(Newcomer);
    expectImportGivesBackWhatWasExported(addressFile("a.apc", people), "a.vcf");
    EXPECT_EQ(fileText(path("new.pc")).size(), fileText(path("a.apc")).size())
        << "the owner's own entry came back too";
}

TEST_F(CliProgramTest, ScheduleComesBackFromItsICalendarExportOnlyOnce)
{
    ASSERT_EQ(
        runSh505i({"load", "schedule", fixtureCard("card", "schedule/Sample.VCS"), "-o", "s.cpc"})
            .status,
        0);
    expectImportGivesBackWhatWasExported("s.cpc", "s.ics");
}

TEST_F(CliProgramTest, ImportReportsEveryChangeOnStandardErrorAndRefusesWhatItCannotRead)
{
    std::ofstream(path("long.vcf")) << "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" << std::string(80, 'x')
                                    << "\r\nTEL:0312345678\r\nEND:VCARD\r\n";
    const CliRun imported = runSh505i({"import", "long.vcf", "-o", "a.apc"});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_TRUE(imported.err.starts_with(printed(TextId::ImportReportHeading) + "VCARD 1: "))
        << imported.err;
    EXPECT_EQ(shownRows("a.apc").size(), 1u);

    fs::copy_file(CARD_TEST_DATA "sh505i/schedule/Sample.VCS", path("old.ics"));
    std::ofstream(path("empty.vcf")) << "no cards here\n";
    struct Case
    {
        std::vector<std::string> arguments;
        std::string err;
    };
    const Case cases[] = {
        {{"import", "a.txt", "-o", "x.apc"}, printed(TextId::CliImportFormatUnknown, "a.txt")},
        {{"import", "old.ics", "-o", "x.cpc"},
         printed(TextId::ImportUnsupportedVersion, "old.ics")},
        {{"import", "empty.vcf", "-o", "x.apc"}, printed(TextId::ImportNothingRead, "empty.vcf")},
        {{"import", "missing.vcf", "-o", "x.apc"},
         printed(TextId::PcOpenFailed, "missing.vcf", static_cast<unsigned>(ENOENT))},
    };
    for (const Case &c : cases) {
        const CliRun run = runSh505i(c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments[1];
        EXPECT_EQ(run.err, c.err) << c.arguments[1];
        EXPECT_FALSE(fs::exists(path(c.arguments[3]))) << "nothing written for " << c.arguments[1];
    }
    ASSERT_EQ(
        runSh505i({"load", "schedule", fixtureCard("card", "schedule/Sample.VCS"), "-o", "s.cpc"})
            .status,
        0);
    const std::string schedule = fileText(path("s.cpc"));
    const CliRun intoOtherKind = runSh505i({"import", "long.vcf", "-o", "s.cpc"});
    EXPECT_EQ(intoOtherKind.status, 1);
    EXPECT_EQ(intoOtherKind.err, printed(TextId::PcFileDamaged));
    EXPECT_EQ(fileText(path("s.cpc")), schedule);
}

TEST_F(CliProgramTest, ConvertWritesEachKindForEveryOtherModelWhichThenOpensIt)
{
    const auto loaded = [&](const std::string &kind, const std::string &fixture,
                            const std::string &name) {
        EXPECT_EQ(
            runSh505i({"load", kind, fixtureCard(name + ".card", fixture), "-o", name}).status, 0);
        return path(name);
    };
    const std::string files[] = {
        addressFile("a.apc", Household),
        loaded("schedule", "schedule/Sample.VCS", "s.cpc"),
        loaded("bookmark", "bookmark/Sample.VBM", "b.bpc"),
        loaded("mail", "mail/Sample.VMG", "m.mpc"),
    };
    for (int i = 0; i < plugins.count(); ++i) {
        const std::string model = utf8(*plugins.modelNameAt(i));
        if (model == "DoCoMo SH505i")
            continue;
        for (const std::string &file : files) {
            SCOPED_TRACE(model + " " + file);
            const std::string out = path("out" + fs::path(file).extension().string());
            const CliRun converted = run({"convert", file, "--to-model", model, "-o", out});
            ASSERT_EQ(converted.status, 0) << converted.err;
            const CliRun shown = run({"--model", model, "show", out});
            EXPECT_EQ(shown.status, 0) << shown.err;
            const size_t rows = linesOf(shown.out).size() - 1;
            EXPECT_EQ(converted.out,
                      printed(TextId::CliConverted, int(rows), model.c_str(), out.c_str()));
            EXPECT_GT(rows, 0u);
            const CliRun back = run({"convert", out, "--to-model", model, "-o", path("x")});
            EXPECT_EQ(back.status, 1);
            EXPECT_EQ(back.err, printed(TextId::CliSameModel, out.c_str(),
                                        platform::utf8ToSjis(model).c_str()));
        }
    }
}

TEST_F(CliProgramTest, ConvertReportsWhatTheTargetCannotHoldAndRefusesWhatItCannotRead)
{
    static const std::string longNote(200, 'x');
    std::vector<Person> people = Household;
    people.push_back({15, sjis("長い名前の人"), "", "0311112222", longNote.c_str()});
    const std::string file = addressFile("a.apc", people);
    std::string noted;
    // Some model keeps a shorter note than the SH505i.
    for (int i = 0; i < plugins.count() && noted.find("\n15: ") == std::string::npos; ++i) {
        const CliRun converted = run(
            {"convert", file, "--to-model", utf8(*plugins.modelNameAt(i)), "-o", path("out.apc")});
        if (converted.status == 0 && !converted.err.empty())
            noted = converted.err;
    }
    EXPECT_TRUE(noted.starts_with(printed(TextId::ImportReportHeading))) << noted;
    EXPECT_NE(noted.find("\n15: " + utf8(sjis("長い名前の人")) + "\n  "), std::string::npos)
        << noted;

    std::ofstream(path("text.apc")) << "not a PC data file, though named as one\n";
    struct Case
    {
        std::vector<std::string> arguments;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {{"convert", "text.apc", "--to-model", "P505i", "-o", "x.apc"},
         1,
         printed(TextId::PcFileDamaged)},
        {{"convert", "missing.apc", "--to-model", "P505i", "-o", "x.apc"},
         1,
         printed(TextId::PcOpenFailed, "missing.apc", static_cast<unsigned>(ENOENT))},
        {{"convert", "a.apc", "--to-model", "X999i", "-o", "x.apc"}, 2, ""},
    };
    for (const Case &c : cases) {
        const CliRun run = this->run(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments[1];
        if (!c.err.empty()) {
            EXPECT_EQ(run.err, c.err) << c.arguments[1];
        }
        EXPECT_FALSE(fs::exists(path("x.apc"))) << "nothing written for " << c.arguments[1];
    }
}

TEST_F(CliProgramTest, MailIsListedBoxByBoxButNeverWrittenToACard)
{
    const std::string card = fixtureCard("card", "mail/Sample.VMG");
    ASSERT_EQ(runSh505i({"load", "mail", card, "-o", "m.mpc"}).status, 0);
    const CliRun show = runSh505i({"show", "m.mpc"});
    EXPECT_EQ(show.status, 0);
    const std::vector<std::string> lines = linesOf(show.out);
    ASSERT_GT(lines.size(), 1u);
    views::MailViewCore trash;
    trash.store().ChooseFolder(views::MailStore::Trash);
    EXPECT_EQ(lines[0], utf8(app::text(TextId::CliMailFolderHeading)) + "\t" + headingLine(trash));
    int box = 0;
    for (size_t i = 1; i < lines.size(); ++i) {
        // The boxes come in turn, each line led by its box's name.
        while (box < 3 && !lines[i].starts_with(utf8(views::MailViewCore::boxName(box)) + "\t"))
            ++box;
        EXPECT_LT(box, 3) << lines[i];
        EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), '\t'), 5) << lines[i];
    }
    EXPECT_EQ(runSh505i({"show", card + "/SD_PIM/PIM00001.VMG"}).out, show.out)
        << "the card file lists as the file loaded from it";

    const std::string card2 = path("card2");
    formatSdCard(card2);
    const CliRun save = runSh505i({"save", "m.mpc", card2});
    EXPECT_EQ(save.status, 1);
    EXPECT_EQ(save.out, "");
    EXPECT_EQ(save.err, printed(TextId::CliMailNotSaved));
    EXPECT_EQ(std::distance(fs::directory_iterator(card2 + "/SD_PIM"), fs::directory_iterator()),
              1);
}

TEST_F(CliProgramTest, ShowReadsACardFileOfTheModelByItsExtensionInAnyCase)
{
    const std::string file = addressFile("a.apc", Household);
    const std::string card = path("a.apc.card");
    // The plug-in reads a card file only beside the card's data-management file.
    const std::string copy = formatSdCard(path("copy")) + "pim00001.vcf";
    fs::copy_file(card + "/SD_PIM/PIM00001.VCF", copy);
    const CliRun pc = runSh505i({"show", file});
    for (const std::string &cardFile : {card + "/SD_PIM/PIM00001.VCF", copy}) {
        const CliRun shown = runSh505i({"show", cardFile});
        EXPECT_EQ(shown.status, 0) << cardFile << shown.err;
        EXPECT_EQ(shown.out, pc.out) << cardFile;
    }
}

TEST_F(CliProgramTest, AnExistingFileTakesTheCardsNewEntries)
{
    const std::string file = addressFile("a.apc", Household);
    std::vector<Person> grown = Household;
    grown.push_back(Newcomer);
    const CliRun load = runSh505i({"load", "address", addressCard("grown", grown), "-o", file});
    EXPECT_EQ(load.status, 0);
    EXPECT_EQ(load.out, printed(TextId::LoadedCount, 1));
    const std::vector<std::string> rows = shownRows(file);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_TRUE(rows[2].starts_with("014\t鈴木美咲\t")) << rows[2];
}

TEST_F(CliProgramTest, ALoadOfNothingNewSaysSoAndLeavesTheFileAsItWas)
{
    const std::string file = addressFile("a.apc", Household);
    const std::string before = fileText(file);
    const fs::file_time_type written = fs::last_write_time(file);
    const CliRun load = runSh505i({"load", "address", path("a.apc.card"), "-o", file});
    EXPECT_EQ(load.status, 0);
    EXPECT_EQ(load.out, printed(TextId::LoadAllDuplicates));
    EXPECT_EQ(load.err, "");
    EXPECT_EQ(fileText(file), before);
    EXPECT_EQ(fs::last_write_time(file), written);
}

TEST_F(CliProgramTest, AFileOfAnotherModelIsRefusedAndKept)
{
    const std::string file = addressFile("a.apc", Household);
    const std::string before = fileText(file);
    const CliRun load
        = run({"--model", "P505i", "load", "address", path("a.apc.card"), "-o", file});
    EXPECT_EQ(load.status, 1);
    EXPECT_EQ(load.out, "");
    EXPECT_EQ(load.err, printed(TextId::DataOfOtherPlugin, "DoCoMo SH505i"));
    EXPECT_EQ(fileText(file), before);
}

TEST_F(CliProgramTest, FailuresEndWithStatusOneTheEditorsMessageAndNothingWritten)
{
    const std::string emptyCard = path("empty");
    formatSdCard(emptyCard);
    const std::string card = addressCard("card", Household);
    std::ofstream(path("damaged.apc")) << "APC but nothing more";
    std::ofstream(path("text.txt")) << "hello";
    struct Case
    {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Case cases[] = {
        {{"load", "address", emptyCard, "-o", "a.apc"},
         printed(TextId::NoCardFiles, app::cardDisplayName({emptyCard, ""}).c_str())},
        {{"load", "address", card, "-o", "missing/a.apc"},
         printed(TextId::PcCreateFailed, path("missing/a.apc").c_str(), ENOENT)},
        {{"load", "address", card, "-o", "text.txt"}, printed(TextId::PcFileDamaged)},
        {{"show", "missing.apc"}, printed(TextId::PcOpenFailed, "missing.apc", ENOENT)},
        {{"show", "damaged.apc"}, printed(TextId::PcFileDamaged)},
        {{"show", "text.txt"}, printed(TextId::PcFileDamaged)},
        {{"save", "damaged.apc", card}, printed(TextId::PcFileDamaged)},
        {{"save", "missing.apc", card}, printed(TextId::PcOpenFailed, "missing.apc", ENOENT)},
    };
    for (const Case &c : cases) {
        const CliRun failed = runSh505i(c.arguments);
        EXPECT_EQ(failed.status, 1) << testing::PrintToString(c.arguments);
        EXPECT_EQ(failed.out, "") << testing::PrintToString(c.arguments);
        EXPECT_EQ(failed.err, c.message) << testing::PrintToString(c.arguments);
    }
    EXPECT_FALSE(fs::exists(path("a.apc")));
    EXPECT_EQ(fileText(path("text.txt")), "hello");
    EXPECT_EQ(std::distance(fs::directory_iterator(card + "/SD_PIM"), fs::directory_iterator()), 2);
}

TEST_F(CliProgramTest, EveryValueStaysInItsColumnAndLine)
{
    views::AddressViewCore book;
    book.store().setLimits({1000, false, false});
    std::vector<AddressRecord> chain
        = addressChain({{5, "Tab\there", "", "0311112222", "one\r\ntwo\tthree"}});
    ASSERT_EQ(book.mergeCardBlock(chain.data()), 1);
    const std::vector<unsigned char> image = book.buildPcImage(0);
    std::ofstream(path("odd.apc"), std::ios::binary)
        .write(reinterpret_cast<const char *>(image.data()), std::streamsize(image.size()));
    const std::vector<std::string> rows = shownRows("odd.apc");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(std::count(rows[0].begin(), rows[0].end(), '\t'), 10) << rows[0];
    EXPECT_TRUE(rows[0].starts_with("005\tTab here\t")) << rows[0];
    EXPECT_EQ(rows[0].find('\r'), std::string::npos);
}

// Vcards and vcalendars of other programs, put on a card as its files: each is listed or
// refused with a message, never anything worse.
TEST_F(CliProgramTest, ShowListsOrRefusesOtherProgramsCardFiles)
{
    if (!fs::is_directory(CLI_CORPUS))
        GTEST_SKIP() << "no sample corpus at " << CLI_CORPUS;
    const std::string card = formatSdCard(path("card"));
    int listed = 0;
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(CLI_CORPUS)) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::toupper);
        if (!entry.is_regular_file() || (extension != ".VCF" && extension != ".VCS"))
            continue;
        const std::string cardFile = card + "PIM00001" + extension;
        fs::copy_file(entry.path(), cardFile, fs::copy_options::overwrite_existing);
        const CliRun shown = runSh505i({"show", cardFile});
        ASSERT_TRUE(shown.status == 0 || shown.status == 1) << entry.path();
        if (shown.status == 0) {
            ++listed;
            EXPECT_FALSE(shown.out.empty()) << entry.path();
        } else {
            EXPECT_FALSE(shown.err.empty()) << entry.path();
        }
    }
    EXPECT_GT(listed, 0);
}

} // namespace
