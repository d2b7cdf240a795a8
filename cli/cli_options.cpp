#include "cli_options.h"

#include "app/string_table.h"
#include "platform/sjis_text.h"

#include <algorithm>
#include <cstring>

namespace cli {
namespace {

using app::TextId;

struct CommandSyntax
{
    const char *name;
    CliCommand command;
    size_t argumentCount;
};

constexpr CommandSyntax Commands[] = {
    {"models", CliCommand::Models, 0},   {"load", CliCommand::Load, 2},
    {"save", CliCommand::Save, 2},       {"show", CliCommand::Show, 1},
    {"export", CliCommand::Export, 2},   {"import", CliCommand::Import, 1},
    {"convert", CliCommand::Convert, 1},
};

struct KindName
{
    const char *name;
    int viewKind;
};

constexpr KindName KindNames[] = {
    {"bookmark", 1},
    {"address", 2},
    {"mail", 3},
    {"schedule", 4},
};

// The options that need a value, each kept once.
constexpr const char *ModelOption = "--model";
constexpr const char *TargetModelOption = "--to-model";
constexpr const char *OutputOption = "-o";
constexpr const char *YesOption = "--yes";

// The message of text id about one argument of the command line.
std::string problem(TextId id, const std::string &argument = {})
{
    return app::formatText(id, platform::utf8ToSjis(argument).c_str());
}

CliParse refused(std::string message)
{
    return {std::nullopt, std::move(message)};
}

// ASCII letters folded to lower case; the bytes of other UTF-8 characters are all above 0x7F
// and stay as they are.
std::string folded(const std::string &text)
{
    std::string result = text;
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return result;
}

// The options of the command line apart from its words.
struct Options
{
    std::optional<std::string> model;
    std::optional<std::string> targetModel;
    std::optional<std::string> output;
    bool answerYes = false;
    bool help = false;
    std::vector<std::string> words;
};

// An option that takes a value: the next argument, or with joins also "NAME=VALUE".
struct ValueOption
{
    const char *name;
    bool joins;
    std::optional<std::string> Options::*slot;
};

constexpr ValueOption ValueOptions[] = {
    {ModelOption, true, &Options::model},
    {TargetModelOption, true, &Options::targetModel},
    {OutputOption, false, &Options::output},
};

// The option taking a value that argument names, or null.
const ValueOption *valueOptionOf(const std::string &argument)
{
    for (const ValueOption &option : ValueOptions) {
        if (argument == option.name
            || (option.joins && argument.starts_with(std::string(option.name) + "=")))
            return &option;
    }
    return nullptr;
}

// The options and words of arguments; the message of the first wrong option, else empty.
std::string readOptions(const std::vector<std::string> &arguments, Options &options)
{
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            options.words.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "-h" || argument == "--help") {
            options.help = true;
        } else if (argument == YesOption) {
            if (options.answerYes)
                return problem(TextId::CliOptionRepeated, argument);
            options.answerYes = true;
        } else if (const ValueOption *option = valueOptionOf(argument)) {
            const char *name = option->name;
            const bool joined = argument.size() > std::strlen(name);
            std::optional<std::string> &slot = options.*option->slot;
            if (slot)
                return problem(TextId::CliOptionRepeated, name);
            if (!joined && i + 1 >= arguments.size())
                return problem(TextId::CliOptionNeedsValue, name);
            const std::string value
                = joined ? argument.substr(std::strlen(name) + 1) : arguments[++i];
            if (value.empty())
                return problem(TextId::CliOptionNeedsValue, name);
            slot = value;
        } else {
            return problem(TextId::CliUnknownOption, argument);
        }
    }
    return {};
}

} // namespace

CliParse parseCliArguments(const std::vector<std::string> &arguments)
{
    Options options;
    if (std::string wrong = readOptions(arguments, options); !wrong.empty())
        return refused(std::move(wrong));
    CliRequest request;
    request.model = options.model;
    if (options.help)
        return {request, {}};
    if (options.words.empty())
        return refused(problem(TextId::CliNoCommand));
    const std::string &word = options.words.front();
    const auto syntax = std::find_if(std::begin(Commands), std::end(Commands),
                                     [&](const CommandSyntax &c) { return word == c.name; });
    if (syntax == std::end(Commands))
        return refused(problem(TextId::CliUnknownCommand, word));
    if (options.words.size() - 1 != syntax->argumentCount)
        return refused(problem(TextId::CliArgumentCount, word));
    const bool takesOutput = syntax->command == CliCommand::Load
                             || syntax->command == CliCommand::Import
                             || syntax->command == CliCommand::Convert;
    if (options.output && !takesOutput)
        return refused(app::formatText(TextId::CliOptionNotForCommand, OutputOption, syntax->name));
    if (options.targetModel && syntax->command != CliCommand::Convert)
        return refused(
            app::formatText(TextId::CliOptionNotForCommand, TargetModelOption, syntax->name));
    if (takesOutput && !options.output)
        return refused(app::formatText(TextId::CliOutputMissing, syntax->name));
    if (options.answerYes && syntax->command != CliCommand::Save)
        return refused(app::formatText(TextId::CliOptionNotForCommand, YesOption, syntax->name));

    request.command = syntax->command;
    const std::vector<std::string> &words = options.words;
    switch (request.command) {
    case CliCommand::Load: {
        const std::optional<int> kind = viewKindNamed(words[1]);
        if (!kind)
            return refused(problem(TextId::CliUnknownKind, words[1]));
        request.viewKind = *kind;
        request.card = words[2];
        request.file = *options.output;
        break;
    }
    case CliCommand::Save:
        request.file = words[1];
        request.card = words[2];
        request.answerYes = options.answerYes;
        break;
    case CliCommand::Show:
        request.file = words[1];
        break;
    case CliCommand::Export:
        request.file = words[1];
        request.output = words[2];
        break;
    case CliCommand::Import:
        request.source = words[1];
        request.file = *options.output;
        break;
    case CliCommand::Convert:
        if (!options.targetModel)
            return refused(problem(TextId::CliTargetModelMissing));
        request.file = words[1];
        request.output = *options.output;
        request.targetModel = *options.targetModel;
        break;
    case CliCommand::Help:
    case CliCommand::Models:
        break;
    }
    return {request, {}};
}

std::optional<int> viewKindNamed(const std::string &name)
{
    for (const KindName &kind : KindNames) {
        if (name == kind.name)
            return kind.viewKind;
    }
    return std::nullopt;
}

ModelMatch matchModel(const std::vector<std::string> &modelNames, const std::string &wanted)
{
    const std::string key = folded(wanted);
    ModelMatch match;
    for (size_t i = 0; i < modelNames.size(); ++i) {
        const std::string name = folded(modelNames[i]);
        if (name == key)
            return {ModelMatch::Found, static_cast<int>(i)};
        if (name.ends_with(key)) {
            match.result = match.index < 0 ? ModelMatch::Found : ModelMatch::Ambiguous;
            match.index = static_cast<int>(i);
        }
    }
    if (match.result == ModelMatch::Ambiguous)
        match.index = -1;
    return match;
}

} // namespace cli
