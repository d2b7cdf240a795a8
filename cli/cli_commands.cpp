#include "cli_commands.h"

#include "app/commands.h"
#include "app/frame_controller.h"
#include "app/pc_file_io.h"
#include "app/string_table.h"
#include "cli/cli_file_kinds.h"
#include "cli/cli_listing.h"
#include "common/owned_block.h"
#include "exchange/bookmark_html_export.h"
#include "exchange/ical_export.h"
#include "exchange/mbox_export.h"
#include "exchange/vcard_export.h"
#include "platform/sjis_text.h"
#include "views/address/address_view_core.h"
#include "views/bookmark/bookmark_view_core.h"
#include "views/common/choice_lists.h"
#include "views/common/view_core.h"
#include "views/mail/mail_view_core.h"
#include "views/schedule/schedule_view_core.h"

#include <algorithm>
#include <cctype>
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
    const std::optional<int> kind = pcFileKind(path);
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

// The format an export file's extension asks for, by view kind; 0 for none.
int exportKindOf(const std::string &path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::pair<const char *, int> formats[] = {
        {".html", app::KindBookmark}, {".htm", app::KindBookmark}, {".vcf", app::KindAddress},
        {".mbox", app::KindMail},     {".ics", app::KindSchedule},
    };
    for (const auto &[name, kind] : formats) {
        if (extension == name)
            return kind;
    }
    return 0;
}

std::string exportedBytes(CliSession &session, views::ViewCore &core)
{
    const views::OptionName names = views::pluginOptionName(session.plugins());
    switch (core.viewKind()) {
    case app::KindBookmark:
        return exchange::exportBookmarkHtml(static_cast<views::BookmarkViewCore &>(core).store());
    case app::KindAddress:
        return exchange::exportVCard3(static_cast<views::AddressViewCore &>(core).store(), names);
    case app::KindMail:
        return exchange::exportMbox(static_cast<views::MailViewCore &>(core).store());
    default:
        return exchange::exportICalendar(static_cast<views::ScheduleViewCore &>(core).store(),
                                         names, static_cast<int64_t>(std::time(nullptr)));
    }
}

ExitStatus exportFile(CliSession &session, const CliRequest &request)
{
    const std::string shownOut = platform::utf8ToSjis(request.exported);
    const int format = exportKindOf(request.exported);
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
    const std::string bytes = exportedBytes(session, *core);
    const int error = app::replaceFile(
        request.exported, {reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size()});
    if (error != 0) {
        session.messages().printError(app::formatText(TextId::PcCreateFailed, shownOut.c_str(),
                                                      static_cast<unsigned>(error)));
        return ExitFailure;
    }
    session.messages().printResult(
        app::formatText(TextId::CliExported, core->entryCount(), shownOut.c_str()));
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
    case CliCommand::Help:
        break;
    }
    return ExitSuccess;
}

} // namespace cli
