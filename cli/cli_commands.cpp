#include "cli_commands.h"

#include "app/commands.h"
#include "app/string_table.h"
#include "cli/cli_file_kinds.h"
#include "cli/cli_listing.h"
#include "common/owned_block.h"
#include "platform/sjis_text.h"
#include "views/common/view_core.h"

#include <cstdio>
#include <filesystem>
#include <ostream>

namespace cli {
namespace {

using app::TextId;

// A card's root as the card transfer takes it; a folder given on the command line has no label.
app::CardRoot cardRoot(const std::string &path)
{
    return {path, ""};
}

// Card-file load errors that mean no more than "no entry".
bool meansNoEntry(int code)
{
    return code == 0 || code == -999;
}

void printUsage(std::ostream &stream)
{
    stream << platform::sjisToUtf8(app::text(TextId::CliUsage)) << '\n';
}

ExitStatus listModels(CliSession &session)
{
    host::PluginHost &plugins = session.plugins();
    const int current = plugins.currentIndex();
    for (int i = 0; i < plugins.count(); ++i) {
        plugins.select(i);
        char code[16];
        std::snprintf(code, sizeof code, "0x%08X", plugins.getPluginCode());
        session.out() << code << '\t' << platform::sjisToUtf8(plugins.modelNameAt(i).value_or(""))
                      << '\n';
    }
    plugins.select(current);
    return ExitSuccess;
}

// Whether the current model keeps viewKind on its card; if not, the editor's message says so.
bool modelKeepsKindOnCard(CliSession &session, int viewKind)
{
    if (cardLocationOf(session.plugin(), viewKind))
        return true;
    session.messages().printError(app::text(TextId::ErrorUnsupported));
    return false;
}

ExitStatus loadFromCard(CliSession &session, const CliRequest &request)
{
    if (!modelKeepsKindOnCard(session, request.viewKind))
        return ExitFailure;
    const std::unique_ptr<views::ViewCore> core = session.makeCore(request.viewKind);
    // The view's PC file names need the folder, as the editor's file dialog gives it.
    std::error_code error;
    const std::string path
        = std::filesystem::absolute(request.file, error).lexically_normal().string();
    if (std::filesystem::exists(path, error) && !session.openPcFile(*core, path))
        return ExitFailure;
    const auto [folder, name] = app::splitPcFilePath(path);
    core->setPcFile(folder, name);

    // The count is told once the file holds what was counted.
    CliMessages &messages = session.messages();
    messages.holdResults();
    const int added = session.transfer().loadFromRoot(*core, cardRoot(request.card));
    if (added < 0) {
        messages.dropResults();
        return ExitFailure;
    }
    if (added > 0 && session.pcFiles().Save(*core, true) != app::PcSaveResult::Saved) {
        messages.dropResults();
        return ExitFailure;
    }
    messages.releaseResults();
    return ExitSuccess;
}

ExitStatus saveToCard(CliSession &session, const CliRequest &request)
{
    const std::optional<int> kind = pcFileKind(request.file);
    if (kind == app::KindMail) {
        session.messages().printError(app::text(TextId::CliMailNotSaved));
        return ExitFailure;
    }
    // A file of no known kind goes to the address book, whose load gives the editor's message.
    const std::unique_ptr<views::ViewCore> core = session.makeCore(kind.value_or(app::KindAddress));
    if (!session.openPcFile(*core, request.file)
        || !modelKeepsKindOnCard(session, core->viewKind()))
        return ExitFailure;
    if (!OwnedBlock<>(core->buildCardChain())) {
        session.messages().printError(
            app::formatText(TextId::CliNothingToSave, platform::utf8ToSjis(request.file).c_str()));
        return ExitFailure;
    }
    return session.transfer().saveToRoot(*core, cardRoot(request.card)) > 0 ? ExitSuccess
                                                                            : ExitFailure;
}

// A card file read as one file of a card load: merged into an empty core, the core refreshed
// when anything was added.
ExitStatus showCardFile(CliSession &session, int viewKind, const std::string &path)
{
    const std::unique_ptr<views::ViewCore> core = session.makeCore(viewKind);
    const OwnedBlock<> block(session.plugin().loadData(999 + viewKind, path.c_str()));
    if (block) {
        core->clearSelection();
        if (core->mergeCardBlock(block.get()) > 0)
            core->refresh();
    } else if (const int code = session.plugin().lastError(); !meansNoEntry(code)) {
        session.messages().printError(app::pluginErrorText(code, nullptr));
        return ExitFailure;
    }
    writeListing(*core, session.out());
    return ExitSuccess;
}

ExitStatus showFile(CliSession &session, const CliRequest &request)
{
    const std::optional<int> kind = pcFileKind(request.file);
    if (!kind) {
        if (const std::optional<int> cardKind = cardFileKind(session.plugin(), request.file))
            return showCardFile(session, *cardKind, request.file);
    }
    // As in saveToCard, a file of neither kind is refused with the editor's message.
    const std::unique_ptr<views::ViewCore> core = session.makeCore(kind.value_or(app::KindAddress));
    if (!session.openPcFile(*core, request.file))
        return ExitFailure;
    writeListing(*core, session.out());
    return ExitSuccess;
}

} // namespace

int runCli(const std::vector<std::string> &arguments, const CliEnvironment &environment)
{
    const CliParse parse = parseCliArguments(arguments);
    if (!parse.request) {
        environment.err << platform::sjisToUtf8(parse.error) << '\n';
        printUsage(environment.err);
        return ExitUsage;
    }
    const CliRequest &request = *parse.request;
    if (request.command == CliCommand::Help) {
        printUsage(environment.out);
        return ExitSuccess;
    }
    CliSession session(environment, request.answerYes);
    if (const ExitStatus status = session.start(request.model); status != ExitSuccess)
        return status;
    switch (request.command) {
    case CliCommand::Models:
        return listModels(session);
    case CliCommand::Load:
        return loadFromCard(session, request);
    case CliCommand::Save:
        return saveToCard(session, request);
    case CliCommand::Show:
        return showFile(session, request);
    case CliCommand::Help:
        break;
    }
    return ExitSuccess;
}

} // namespace cli
