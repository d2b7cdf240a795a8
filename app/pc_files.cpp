#include "pc_files.h"

#include "app/frame_controller.h"
#include "app/pc_file_kinds.h"
#include "app/report_presenter.h"
#include "app/shown_message.h"
#include "app/string_table.h"
#include "exchange/plugin_conversion.h"
#include "host/plugin_host.h"
#include "platform/sjis_text.h"
#include "platform/user_interaction.h"
#include "views/common/pc_file_image.h"
#include "views/common/view_operations.h"

#include <cerrno>
#include <cstring>

namespace app {
namespace {

using platform::MessageIcon;

constexpr size_t PluginCodeOffset = 28;

platform::Message warning(std::string text, TextId caption = TextId::CaptionError)
{
    return shownMessage(std::move(text), caption, MessageIcon::Warning);
}

// The file named in a message: the system's path, shown in Shift_JIS like every text.
std::string shownPath(const std::string &path)
{
    return platform::utf8ToSjis(path);
}

} // namespace

std::pair<std::string, std::string> splitPcFilePath(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return {"", path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

PcFiles::PcFiles(PcFileServices services)
    : m_services(std::move(services))
{
}

PcLoadResult PcFiles::LoadPcFile(views::ViewOperations &view, const std::string &path, bool show)
{
    PcFileBytes file;
    return load(view, path, show, file);
}

PcLoadResult PcFiles::load(views::ViewOperations &view, const std::string &path, bool show,
                           PcFileBytes &file)
{
    m_loadedPluginCode = 0;
    if (path.empty())
        return PcLoadResult::Rejected;
    const BusyScope busy(m_services.busy);
    file = readPcFile(path);
    switch (file.result) {
    case PcFileBytes::TooLarge:
        return PcLoadResult::Rejected;
    case PcFileBytes::NoMemory:
        if (show)
            m_services.messages.show(warning(text(TextId::PcReadNoMemory)));
        return PcLoadResult::NoMemory;
    case PcFileBytes::OpenFailed:
        if (show)
            m_services.messages.show(
                warning(formatText(TextId::PcOpenFailed, shownPath(path).c_str(),
                                   static_cast<unsigned>(file.systemError))));
        return PcLoadResult::OpenFailed;
    case PcFileBytes::Read:
        break;
    }
    if (file.bytes.size() >= PluginCodeOffset + sizeof m_loadedPluginCode)
        std::memcpy(&m_loadedPluginCode, file.bytes.data() + PluginCodeOffset,
                    sizeof m_loadedPluginCode);
    if (file.bytes.empty())
        return PcLoadResult::Rejected;
    switch (view.loadPcImage(file.bytes.data(), file.bytes.size(),
                             m_services.plugins.getPluginCode())) {
    case -1:
        return PcLoadResult::Loaded;
    case 1:
        return PcLoadResult::OtherPlugin;
    default:
        return PcLoadResult::Rejected;
    }
}

std::string PcFiles::rejectionMessage(PcLoadResult result) const
{
    if (result != PcLoadResult::OtherPlugin)
        return text(TextId::PcFileDamaged);
    const int index = m_services.plugins.indexOfPluginCode(m_loadedPluginCode);
    const std::optional<std::string> model
        = index >= 0 ? m_services.plugins.modelNameAt(index) : std::nullopt;
    if (!model)
        return text(TextId::DataOfUnknownPlugin);
    return formatText(TextId::DataOfOtherPlugin, model->c_str());
}

bool PcFiles::mayReplace(views::ViewOperations &view)
{
    if (!view.isModified())
        return true;
    platform::Message question = warning(
        formatText(TextId::PcOpenUnsaved, viewKindName(view.viewKind())), TextId::CaptionWarning);
    question.icon = MessageIcon::Exclamation;
    question.buttons = platform::MessageButtons::YesNo;
    question.defaultAnswer = platform::MessageAnswer::No;
    return m_services.messages.show(question) == platform::MessageAnswer::Yes;
}

bool PcFiles::Open(views::ViewOperations &view)
{
    const PcFileDialogKind *kind = pcFileDialogKind(view.viewKind());
    if (!kind || !mayReplace(view))
        return false;
    const std::optional<std::string> chosen
        = m_services.chooser.chooseOpenPath(view.viewKind(), view.pcName());
    if (!chosen)
        return false;
    return read(view, withPcFileExtension(*chosen, *kind));
}

bool PcFiles::OpenPath(views::ViewOperations &view, const std::string &path)
{
    return pcFileDialogKind(view.viewKind()) && mayReplace(view) && read(view, path);
}

std::optional<int> PcFiles::DocumentKind(const std::string &path)
{
    const PcFileBytes file = readPcFile(path);
    switch (file.result) {
    case PcFileBytes::OpenFailed:
        m_services.messages.show(warning(formatText(TextId::PcOpenFailed, shownPath(path).c_str(),
                                                    static_cast<unsigned>(file.systemError))));
        return std::nullopt;
    case PcFileBytes::NoMemory:
        m_services.messages.show(warning(text(TextId::PcReadNoMemory)));
        return std::nullopt;
    case PcFileBytes::TooLarge:
    case PcFileBytes::Read:
        break;
    }
    const int kind = views::pcImageKind(file.bytes.data(), file.bytes.size());
    if (kind == 0) {
        m_services.messages.show(warning(text(TextId::PcFileDamaged)));
        return std::nullopt;
    }
    return kind;
}

bool PcFiles::read(views::ViewOperations &view, const std::string &path)
{
    m_services.progress.open(TextId::PcLoadTitle, TextId::PcLoadText);
    m_services.progress.start(1);
    PcFileBytes file;
    const PcLoadResult result = load(view, path, true, file);
    if (result == PcLoadResult::Loaded) {
        m_services.progress.setPos(1);
        m_services.progress.finish();
        const auto [folder, name] = splitPcFilePath(path);
        view.setPcFile(folder, name);
        view.refresh();
        return true;
    }
    m_services.progress.finish();
    m_services.messages.show(warning(rejectionMessage(result)));
    return result == PcLoadResult::OtherPlugin && offerConversion(view, path, file.bytes);
}

bool PcFiles::offerConversion(views::ViewOperations &view, const std::string &path,
                              const std::vector<unsigned char> &bytes)
{
    host::PluginHost &plugins = m_services.plugins;
    const std::optional<std::string> current = plugins.currentModelName();
    if (plugins.indexOfPluginCode(m_loadedPluginCode) < 0 || !current)
        return false;
    platform::Message question = shownMessage(formatText(TextId::ConvertQuestion, current->c_str()),
                                              TextId::CaptionConfirmation, MessageIcon::Question,
                                              platform::MessageButtons::YesNo);
    question.defaultAnswer = platform::MessageAnswer::No;
    if (m_services.messages.show(question) != platform::MessageAnswer::Yes)
        return false;

    const BusyScope busy(m_services.busy);
    const exchange::PluginConversion converted
        = exchange::convertForPlugin(plugins, bytes.data(), bytes.size(), plugins.currentIndex());
    const std::vector<unsigned char> &image = converted.conversion.image;
    if (converted.error != exchange::PluginConversionError::None
        || view.loadPcImage(image.data(), image.size(), plugins.getPluginCode()) != -1) {
        m_services.messages.show(warning(text(TextId::PcFileDamaged)));
        return false;
    }
    view.setPcFile(splitPcFilePath(path).first, "");
    view.setModified(true);
    view.refresh();
    const std::string summary
        = formatText(TextId::ConvertedForModel, converted.conversion.kept, current->c_str());
    if (m_services.reports)
        m_services.reports->showReport(summary, converted.conversion.report);
    else
        m_services.messages.show(
            shownMessage(summary, TextId::CaptionInformation, MessageIcon::Information));
    return true;
}

PcSaveResult PcFiles::Save(views::ViewOperations &view, bool overwrite)
{
    const PcFileDialogKind *kind = pcFileDialogKind(view.viewKind());
    if (!kind)
        return PcSaveResult::Cancelled;
    std::string path = view.pcFolder().empty() ? std::string() : view.pcFolder() + view.pcName();
    if (!overwrite) {
        const std::optional<std::string> chosen
            = m_services.chooser.chooseSavePath(view.viewKind(), path);
        if (!chosen)
            return PcSaveResult::Cancelled;
        path = withPcFileExtension(*chosen, *kind);
    }
    if (path.empty() || splitPcFilePath(path).second.empty())
        return PcSaveResult::Cancelled;
    return write(view, path);
}

PcSaveResult PcFiles::write(views::ViewOperations &view, const std::string &path)
{
    const std::vector<unsigned char> image = view.buildPcImage(m_services.plugins.getPluginCode());
    m_services.progress.open(TextId::PcSaveTitle, TextId::PcSaveText);
    m_services.progress.start(1);
    m_services.busy.begin();
    const int error = image.empty() ? EFBIG : replaceFile(path, image, m_services.write);
    if (error == 0) {
        view.setModified(false);
        const auto [folder, name] = splitPcFilePath(path);
        view.setPcFile(folder, name);
        m_services.progress.setPos(1);
    } else {
        m_services.messages.show(warning(formatText(TextId::PcCreateFailed, shownPath(path).c_str(),
                                                    static_cast<unsigned>(error))));
    }
    m_services.busy.end();
    m_services.progress.finish();
    return error == 0 ? PcSaveResult::Saved : PcSaveResult::Failed;
}

} // namespace app
