#include "cli_commands.h"

#include "app/commands.h"
#include "app/frame_controller.h"
#include "app/import_outcome.h"
#include "app/pc_file_io.h"
#include "app/pc_file_kinds.h"
#include "app/string_table.h"
#include "cli/cli_file_kinds.h"
#include "cli/cli_listing.h"
#include "common/owned_block.h"
#include "exchange/exchange_formats.h"
#include "exchange/plugin_conversion.h"
#include "exchange/view_export.h"
#include "exchange/view_import.h"
#include "platform/sjis_text.h"
#include "views/common/choice_lists.h"
#include "views/common/view_core.h"

#include <cstdio>
#include <ctime>
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

// A core of viewKind holding the PC file at file when there is one, else empty, named after
// file either way; null, with the editor's message printed, when the file is not taken.
std::unique_ptr<views::ViewCore> openOrName(CliSession &session, int viewKind,
                                            const std::string &file)
{
    std::unique_ptr<views::ViewCore> core = session.makeCore(viewKind);
    // The view's PC file names need the folder, as the editor's file dialog gives it.
    std::error_code error;
    const std::string path = std::filesystem::absolute(file, error).lexically_normal().string();
    if (std::filesystem::exists(path, error) && !session.openPcFile(*core, path))
        return nullptr;
    const auto [folder, name] = app::splitPcFilePath(path);
    core->setPcFile(folder, name);
    return core;
}

ExitStatus loadFromCard(CliSession &session, const CliRequest &request)
{
    if (!modelKeepsKindOnCard(session, request.viewKind))
        return ExitFailure;
    const std::unique_ptr<views::ViewCore> core
        = openOrName(session, request.viewKind, request.file);
    if (!core)
        return ExitFailure;

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
    const std::optional<int> kind = app::pcFileKind(request.file);
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
// when anything was added. Null, with the plug-in's message, when it cannot be read.
std::unique_ptr<views::ViewCore> openCardFile(CliSession &session, int viewKind,
                                              const std::string &path)
{
    std::unique_ptr<views::ViewCore> core = session.makeCore(viewKind);
    const OwnedBlock<> block(session.plugin().loadData(999 + viewKind, path.c_str()));
    if (block) {
        core->clearSelection();
        if (core->mergeCardBlock(block.get()) > 0)
            core->refresh();
    } else if (const int code = session.plugin().lastError(); !meansNoEntry(code)) {
        session.messages().printError(app::pluginErrorText(code, nullptr));
        return nullptr;
    }
    return core;
}

// The entries of a PC file or of a card file of the current model, in the kind's core; null,
// with the editor's message, when the file is refused.
std::unique_ptr<views::ViewCore> openEntries(CliSession &session, const std::string &path)
{
    const std::optional<int> kind = app::pcFileKind(path);
    if (!kind) {
        if (const std::optional<int> cardKind = cardFileKind(session.plugin(), path))
            return openCardFile(session, *cardKind, path);
    }
    // As in saveToCard, a file of neither kind is refused with the editor's message.
    std::unique_ptr<views::ViewCore> core = session.makeCore(kind.value_or(app::KindAddress));
    if (!session.openPcFile(*core, path))
        return nullptr;
    return core;
}

ExitStatus showFile(CliSession &session, const CliRequest &request)
{
    const std::unique_ptr<views::ViewCore> core = openEntries(session, request.file);
    if (!core)
        return ExitFailure;
    writeListing(*core, session.out());
    return ExitSuccess;
}

ExitStatus exportFile(CliSession &session, const CliRequest &request)
{
    const std::string shownOut = platform::utf8ToSjis(request.output);
    const int format = exchange::exchangeKindOfPath(request.output);
    if (format == 0) {
        session.messages().printError(
            app::formatText(TextId::CliExportFormatUnknown, shownOut.c_str()));
        return ExitFailure;
    }
    const std::unique_ptr<views::ViewCore> core = openEntries(session, request.file);
    if (!core)
        return ExitFailure;
    if (core->viewKind() != format) {
        session.messages().printError(app::formatText(
            TextId::CliExportKindMismatch, app::viewKindName(core->viewKind()), shownOut.c_str()));
        return ExitFailure;
    }
    const std::string bytes
        = exchange::exportOfView(*core, views::pluginOptionName(session.plugins()),
                                 static_cast<int64_t>(std::time(nullptr)));
    const int error = app::replaceFile(
        request.output, {reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size()});
    if (error != 0) {
        session.messages().printError(app::formatText(TextId::PcCreateFailed, shownOut.c_str(),
                                                      static_cast<unsigned>(error)));
        return ExitFailure;
    }
    session.messages().printResult(
        app::formatText(TextId::Exported, core->entryCount(), shownOut.c_str()));
    return ExitSuccess;
}

// The bytes of the file at path, read whole; nothing, with the editor's message printed, when it
// cannot be read.
std::optional<app::PcFileBytes> readInput(CliMessages &messages, const std::string &path)
{
    app::PcFileBytes file = app::readPcFile(path);
    if (file.result == app::PcFileBytes::Read)
        return file;
    messages.printError(app::formatText(TextId::PcOpenFailed, platform::utf8ToSjis(path).c_str(),
                                        static_cast<unsigned>(file.systemError)));
    return std::nullopt;
}

ExitStatus importFile(CliSession &session, const CliRequest &request)
{
    CliMessages &messages = session.messages();
    const std::string shownSource = platform::utf8ToSjis(request.source);
    const int kind = exchange::exchangeKindOfPath(request.source);
    if (!exchange::importFormatOf(kind)) {
        messages.printError(app::formatText(TextId::CliImportFormatUnknown, shownSource.c_str()));
        return ExitFailure;
    }
    const std::optional<app::PcFileBytes> source = readInput(messages, request.source);
    if (!source)
        return ExitFailure;

    const std::unique_ptr<views::ViewCore> core = openOrName(session, kind, request.file);
    if (!core)
        return ExitFailure;

    const exchange::ViewImport imported = exchange::importIntoView(
        *core, {reinterpret_cast<const char *>(source->bytes.data()), source->bytes.size()},
        {session.limits(), session.plugins(), app::importGroupsOf(*core)});
    if (imported.error != exchange::ViewImportError::None) {
        messages.printError(app::importErrorText(imported.error, kind, shownSource));
        return ExitFailure;
    }
    if (!imported.report.empty())
        session.err() << platform::sjisToUtf8(app::text(TextId::ImportReportHeading)) << '\n'
                      << exchange::reportText(imported.report);
    if (imported.read == 0) {
        messages.printError(app::formatText(TextId::ImportNothingRead, shownSource.c_str()));
        return ExitFailure;
    }
    if (imported.added > 0 && session.pcFiles().Save(*core, true) != app::PcSaveResult::Saved)
        return ExitFailure;
    messages.printResult(app::importSummaryText(imported, shownSource));
    return ExitSuccess;
}

ExitStatus convertFile(CliSession &session, const CliRequest &request)
{
    CliMessages &messages = session.messages();
    const std::string shownFile = platform::utf8ToSjis(request.file);
    const std::string shownOut = platform::utf8ToSjis(request.output);
    const std::optional<int> target = session.modelIndex(request.targetModel);
    if (!target)
        return ExitUsage;
    const std::optional<app::PcFileBytes> file = readInput(messages, request.file);
    if (!file)
        return ExitFailure;
    const exchange::PluginConversion converted = exchange::convertForPlugin(
        session.plugins(), file->bytes.data(), file->bytes.size(), *target);
    switch (converted.error) {
    case exchange::PluginConversionError::Damaged:
        messages.printError(app::text(TextId::PcFileDamaged));
        return ExitFailure;
    case exchange::PluginConversionError::UnknownModel:
        messages.printError(app::text(TextId::DataOfUnknownPlugin));
        return ExitFailure;
    case exchange::PluginConversionError::SameModel:
        messages.printError(app::formatText(TextId::CliSameModel, shownFile.c_str(),
                                            converted.targetModel.c_str()));
        return ExitFailure;
    case exchange::PluginConversionError::None:
        break;
    }
    const exchange::ModelConversion &conversion = converted.conversion;
    if (!conversion.report.empty())
        session.err() << platform::sjisToUtf8(app::text(TextId::ImportReportHeading)) << '\n'
                      << exchange::reportText(conversion.report);
    if (const int error = app::replaceFile(request.output, conversion.image); error != 0) {
        messages.printError(app::formatText(TextId::PcCreateFailed, shownOut.c_str(),
                                            static_cast<unsigned>(error)));
        return ExitFailure;
    }
    messages.printResult(app::formatText(TextId::CliConverted, conversion.kept,
                                         converted.targetModel.c_str(), shownOut.c_str()));
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
    case CliCommand::Export:
        return exportFile(session, request);
    case CliCommand::Import:
        return importFile(session, request);
    case CliCommand::Convert:
        return convertFile(session, request);
    case CliCommand::Help:
        break;
    }
    return ExitSuccess;
}

} // namespace cli
