#include "cli/cli_options.h"

#include "app/string_table.h"

#include <gtest/gtest.h>

namespace {

using cli::CliCommand;
using cli::CliRequest;
using cli::ModelMatch;
using Arguments = std::vector<std::string>;

std::string describe(const CliRequest &request)
{
    return std::to_string(static_cast<int>(request.command)) + "|" + request.model.value_or("-")
           + "|" + std::to_string(request.viewKind) + "|" + request.card + "|" + request.file + "|"
           + (request.answerYes ? "yes" : "no") + "|" + request.output + "|" + request.source + "|"
           + request.targetModel;
}

TEST(CliOptionsTest, ReadsEveryCommandWithItsArgumentsAndOptionsAnywhere)
{
    struct Case
    {
        Arguments arguments;
        CliRequest expected;
    };
    const Case cases[] = {
        {{"models"}, {CliCommand::Models, {}, 0, "", "", false, "", "", ""}},
        {{"--model", "SH505i", "models"},
         {CliCommand::Models, "SH505i", 0, "", "", false, "", "", ""}},
        {{"--model=DoCoMo P505i", "models"},
         {CliCommand::Models, "DoCoMo P505i", 0, "", "", false, "", "", ""}},
        {{"load", "address", "/media/card", "-o", "a.apc"},
         {CliCommand::Load, {}, 2, "/media/card", "a.apc", false, "", "", ""}},
        {{"-o", "s.cpc", "load", "schedule", "card"},
         {CliCommand::Load, {}, 4, "card", "s.cpc", false, "", "", ""}},
        {{"load", "mail", "card", "-o", "m.mpc", "--model", "n505i"},
         {CliCommand::Load, "n505i", 3, "card", "m.mpc", false, "", "", ""}},
        {{"load", "bookmark", "card", "-o", "b.bpc"},
         {CliCommand::Load, {}, 1, "card", "b.bpc", false, "", "", ""}},
        {{"save", "a.apc", "card"}, {CliCommand::Save, {}, 0, "card", "a.apc", false, "", "", ""}},
        {{"save", "--yes", "a.apc", "card"},
         {CliCommand::Save, {}, 0, "card", "a.apc", true, "", "", ""}},
        {{"show", "a.apc"}, {CliCommand::Show, {}, 0, "", "a.apc", false, "", "", ""}},
        {{"show", "--", "-odd.apc"}, {CliCommand::Show, {}, 0, "", "-odd.apc", false, "", "", ""}},
        {{"show", "-"}, {CliCommand::Show, {}, 0, "", "-", false, "", "", ""}},
        {{"export", "a.apc", "a.vcf"},
         {CliCommand::Export, {}, 0, "", "a.apc", false, "a.vcf", "", ""}},
        {{"import", "in.vcf", "-o", "a.apc"},
         {CliCommand::Import, {}, 0, "", "a.apc", false, "", "in.vcf", ""}},
        {{"convert", "a.apc", "--to-model", "P505i", "-o", "b.apc"},
         {CliCommand::Convert, {}, 0, "", "a.apc", false, "b.apc", "", "P505i"}},
        {{"--to-model=DoCoMo N505i", "convert", "a.apc", "-o", "b.apc", "--model", "SH505i"},
         {CliCommand::Convert, "SH505i", 0, "", "a.apc", false, "b.apc", "", "DoCoMo N505i"}},
        {{"--help"}, {CliCommand::Help, {}, 0, "", "", false, "", "", ""}},
        {{"load", "-h"}, {CliCommand::Help, {}, 0, "", "", false, "", "", ""}},
    };
    for (const Case &c : cases) {
        const cli::CliParse parse = cli::parseCliArguments(c.arguments);
        ASSERT_TRUE(parse.request) << testing::PrintToString(c.arguments) << ": " << parse.error;
        EXPECT_EQ(describe(*parse.request), describe(c.expected))
            << testing::PrintToString(c.arguments);
        EXPECT_EQ(parse.error, "");
    }
}

TEST(CliOptionsTest, RefusesWrongCommandLinesNamingWhatIsWrong)
{
    using app::TextId;
    struct Case
    {
        Arguments arguments;
        std::string message;
    };
    const auto said
        = [](TextId id, const char *argument = "") { return app::formatText(id, argument); };
    const Case cases[] = {
        {{}, said(TextId::CliNoCommand)},
        {{"--model", "SH505i"}, said(TextId::CliNoCommand)},
        {{"frob"}, said(TextId::CliUnknownCommand, "frob")},
        {{"Models"}, said(TextId::CliUnknownCommand, "Models")},
        {{"models", "extra"}, said(TextId::CliArgumentCount, "models")},
        {{"show"}, said(TextId::CliArgumentCount, "show")},
        {{"save", "a.apc"}, said(TextId::CliArgumentCount, "save")},
        {{"load", "address", "card"}, said(TextId::CliOutputMissing, "load")},
        {{"import", "a.vcf"}, said(TextId::CliOutputMissing, "import")},
        {{"convert", "a.apc", "--to-model", "P505i"}, said(TextId::CliOutputMissing, "convert")},
        {{"convert", "a.apc", "-o", "b.apc"}, said(TextId::CliTargetModelMissing)},
        {{"export", "a.apc", "a.vcf", "--to-model", "P505i"},
         app::formatText(TextId::CliOptionNotForCommand, "--to-model", "export")},
        {{"--to-model", "a", "--to-model=b", "convert", "x", "-o", "y"},
         said(TextId::CliOptionRepeated, "--to-model")},
        {{"load", "phonebook", "card", "-o", "a.apc"}, said(TextId::CliUnknownKind, "phonebook")},
        {{"load", "Address", "card", "-o", "a.apc"}, said(TextId::CliUnknownKind, "Address")},
        {{"load", "address", "card", "-o"}, said(TextId::CliOptionNeedsValue, "-o")},
        {{"models", "--model"}, said(TextId::CliOptionNeedsValue, "--model")},
        {{"--model=", "models"}, said(TextId::CliOptionNeedsValue, "--model")},
        {{"--model", "a", "--model", "b", "models"}, said(TextId::CliOptionRepeated, "--model")},
        {{"save", "a", "b", "--yes", "--yes"}, said(TextId::CliOptionRepeated, "--yes")},
        {{"--colour", "models"}, said(TextId::CliUnknownOption, "--colour")},
        {{"show", "a.apc", "-o", "b"},
         app::formatText(TextId::CliOptionNotForCommand, "-o", "show")},
        {{"load", "address", "card", "-o", "a.apc", "--yes"},
         app::formatText(TextId::CliOptionNotForCommand, "--yes", "load")},
    };
    for (const Case &c : cases) {
        const cli::CliParse parse = cli::parseCliArguments(c.arguments);
        EXPECT_FALSE(parse.request) << testing::PrintToString(c.arguments);
        EXPECT_EQ(parse.error, c.message) << testing::PrintToString(c.arguments);
    }
}

TEST(ModelMatchTest, TakesTheWholeNameOrTheOnlyOneEndingWithItWhateverTheCase)
{
    const std::vector<std::string> models
        = {"DoCoMo SH505i", "DoCoMo P505i", "DoCoMo SO505i", "P505i"};
    struct Case
    {
        const char *wanted;
        ModelMatch::Result result;
        int index;
    };
    const Case cases[] = {
        {"DoCoMo SH505i", ModelMatch::Found, 0},
        {"docomo sh505i", ModelMatch::Found, 0},
        {"SH505i", ModelMatch::Found, 0},
        {"sh505I", ModelMatch::Found, 0},
        {"o505i", ModelMatch::Found, 2},
        {"P505i", ModelMatch::Found, 3}, // the whole name before the end of another
        {"p505i", ModelMatch::Found, 3},
        {"505i", ModelMatch::Ambiguous, -1},
        {"DoCoMo", ModelMatch::Unknown, -1},
        {"SH505", ModelMatch::Unknown, -1},
        {"XDoCoMo SH505i", ModelMatch::Unknown, -1},
    };
    for (const Case &c : cases) {
        const ModelMatch match = cli::matchModel(models, c.wanted);
        EXPECT_EQ(match.result, c.result) << c.wanted;
        EXPECT_EQ(match.index, c.index) << c.wanted;
    }
}

TEST(ModelMatchTest, FoldsOnlyLatinLettersSoJapaneseNamesCompareExactly)
{
    // In Shift_JIS "ア" (83 41) and "ヂ" (83 61) differ only in a byte that folds if taken for
    // a letter; the names are compared in UTF-8, where no byte of either is below 0x80.
    const std::vector<std::string> models = {"機種ア", "機種ヂ"};
    EXPECT_EQ(cli::matchModel(models, "ヂ").index, 1);
    EXPECT_EQ(cli::matchModel(models, "機種ア").index, 0);
    EXPECT_EQ(cli::matchModel(models, "機種").result, ModelMatch::Unknown);
}

} // namespace
