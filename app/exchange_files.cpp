#include "exchange_files.h"

#include "app/frame_controller.h"
#include "app/import_outcome.h"
#include "app/pc_file_kinds.h"
#include "app/report_presenter.h"
#include "app/shown_message.h"
#include "app/string_table.h"
#include "exchange/exchange_formats.h"
#include "exchange/view_export.h"
#include "exchange/view_import.h"
#include "platform/clock.h"
#include "platform/sjis_text.h"
#include "platform/user_interaction.h"
#include "views/common/choice_lists.h"
#include "views/common/view_core.h"

#include <filesystem>
#include <utility>

namespace app {
namespace {

using platform::MessageIcon;

// The file named in a summary: its name, as the user chose it, in Shift_JIS like every text.
std::string shownName(const std::string &path)
{
    return platform::utf8ToSjis(std::filesystem::path(path).filename().string());
}

// The file named in a failure: the whole path, as the PC files' messages name it.
std::string shownPath(const std::string &path)
{
    return platform::utf8ToSjis(path);
}

// Where the export dialog of view starts.
std::string suggestedExportPath(const views::ViewOperations &view,
                                const exchange::ExchangeFormat &format)
{
    if (view.pcName().empty())
        return platform::sjisToUtf8(viewKindName(view.viewKind())) + format.extension;
    return std::filesystem::path(view.pcFolder() + view.pcName())
        .replace_extension(format.extension)
        .string();
}

} // namespace

ExchangeFiles::ExchangeFiles(ExchangeFileServices services)
    : m_services(std::move(services))
{
}

bool ExchangeFiles::exportView(const views::ViewCore &core)
{
    const exchange::ExchangeFormat *format = exchange::exportFormatOf(core.viewKind());
    if (!format)
        return false;
    const std::optional<std::string> chosen
        = m_services.chooser.chooseExportPath(*format, suggestedExportPath(core, *format));
    if (!chosen)
        return false;
    const std::string path = withExtension(*chosen, format->extension);
    if (std::filesystem::path(path).filename().empty())
        return false;
    int error = 0;
    {
        const BusyScope busy(m_services.busy);
        const std::string bytes = exchange::exportOfView(
            core, views::pluginOptionName(m_services.plugins), m_services.clock.utcSeconds());
        error = replaceFile(path,
                            {reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size()},
                            m_services.write);
    }
    if (error != 0) {
        m_services.messages.show(
            shownMessage(formatText(TextId::PcCreateFailed, shownPath(path).c_str(),
                                    static_cast<unsigned>(error)),
                         TextId::CaptionError, MessageIcon::Warning));
        return false;
    }
    m_services.messages.show(
        shownMessage(formatText(TextId::Exported, core.entryCount(), shownName(path).c_str()),
                     TextId::CaptionInformation, MessageIcon::Information));
    return true;
}

bool ExchangeFiles::importInto(views::ViewOperations &view, const views::GroupTable *groups)
{
    const exchange::ExchangeFormat *format = exchange::importFormatOf(view.viewKind());
    if (!format)
        return false;
    const std::optional<std::string> path
        = m_services.chooser.chooseImportPath(*format, view.pcFolder());
    if (!path)
        return false;
    const auto failed = [this](std::string message) {
        m_services.messages.show(
            shownMessage(std::move(message), TextId::CaptionError, MessageIcon::Warning));
        return false;
    };

    const PcFileBytes file = readPcFile(*path);
    switch (file.result) {
    case PcFileBytes::OpenFailed:
        return failed(formatText(TextId::PcOpenFailed, shownPath(*path).c_str(),
                                 static_cast<unsigned>(file.systemError)));
    case PcFileBytes::NoMemory:
    case PcFileBytes::TooLarge:
        return failed(text(TextId::PcReadNoMemory));
    case PcFileBytes::Read:
        break;
    }
    exchange::ViewImport imported;
    {
        const BusyScope busy(m_services.busy);
        imported = exchange::importIntoView(
            view, {reinterpret_cast<const char *>(file.bytes.data()), file.bytes.size()},
            {m_services.limits, m_services.plugins, groups});
    }
    const std::string shown = shownName(*path);
    if (imported.error != exchange::ViewImportError::None)
        return failed(importErrorText(imported.error, view.viewKind(), shown));
    if (imported.read == 0) {
        const std::string nothing = formatText(TextId::ImportNothingRead, shown.c_str());
        // Entries the import skipped are why nothing was read: the report tells the user.
        if (imported.report.empty())
            return failed(nothing);
        m_services.reports.showReport(nothing, imported.report);
        return false;
    }
    m_services.reports.showReport(importSummaryText(imported, shown), imported.report);
    return imported.added > 0;
}

} // namespace app
