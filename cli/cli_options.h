#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cli {

// The exit status of cellvane-cli: success, failure (nothing written) or a wrong command line.
enum ExitStatus : int { ExitSuccess = 0, ExitFailure = 1, ExitUsage = 2 };

enum class CliCommand { Help, Models, Load, Save, Show, Export, Import, Convert };

// What the command line asks for. Paths are the system's (UTF-8); model is as typed.
struct CliRequest
{
    CliCommand command = CliCommand::Help;
    std::optional<std::string> model; // --model NAME
    int viewKind = 0;                 // load: 1 bookmarks, 2 address book, 3 mail, 4 schedule
    std::string card;                 // load, save: the card root
    std::string file;                 // load, import: -o FILE; save, show, export, convert: FILE
    bool answerYes = false;           // save: --yes
    std::string output;               // export: OUT; convert: -o OUT
    std::string source;               // import: IN
    std::string targetModel;          // convert: --to-model NAME, as typed
};

// A parsed command line, or the Shift_JIS message of what is wrong with it.
struct CliParse
{
    std::optional<CliRequest> request;
    std::string error;
};

// Parses the arguments after the program name:
//   [--model NAME] models | load KIND CARD -o FILE | save FILE CARD [--yes] | show FILE
//   | export FILE OUT | import IN -o FILE | convert FILE --to-model NAME -o OUT
// Options may stand anywhere ("--model=NAME" and "--to-model=NAME" too); "--" ends them. -o
// belongs to load, import and convert, --to-model to convert and --yes to save alone; -h or
// --help asks for the usage text.
CliParse parseCliArguments(const std::vector<std::string> &arguments);

// The view kind of a KIND argument ("address", "schedule", "mail", "bookmark"), or nothing.
std::optional<int> viewKindNamed(const std::string &name);

// Which of the model names (UTF-8) the --model value wanted names: the one equal to it or,
// when none is, the only one ending with it, letters compared without regard to case.
struct ModelMatch
{
    enum Result { Found, Unknown, Ambiguous };
    Result result = Unknown;
    int index = -1;
};
ModelMatch matchModel(const std::vector<std::string> &modelNames, const std::string &wanted);

} // namespace cli
