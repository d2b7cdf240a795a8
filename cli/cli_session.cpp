#include "cli_session.h"

#include "app/commands.h"
#include "app/settings_store.h"
#include "app/startup.h"
#include "app/string_table.h"
#include "platform/sjis_text.h"
#include "views/address/address_view_core.h"
#include "views/bookmark/bookmark_view_core.h"
#include "views/mail/mail_subject.h"
#include "views/mail/mail_view_core.h"
#include "views/schedule/schedule_view_core.h"

namespace cli {

CliSession::CliSession(const CliEnvironment &environment, bool answerYes)
    : m_environment(environment)
    , m_messages(environment.out, environment.err, answerYes)
    , m_plugin(m_plugins)
    , m_transfer({m_plugin, m_limits, m_messages, m_progress, m_busy, m_cardChooser})
    , m_pcFiles({m_plugins, m_messages, m_progress, m_busy, m_pcFileChooser})
{
}

ExitStatus CliSession::start(const std::optional<std::string> &model)
{
    const std::string &directory = m_environment.programDirectory;
    if (!m_codec.bind(directory + "libHandsetKit.so")
        || m_plugins.discover(directory + "Plugins/") == 0) {
        m_messages.show(app::startupFailureMessage(1));
        return ExitFailure;
    }
    if (model) {
        const std::optional<int> index = modelIndex(*model);
        if (!index)
            return ExitUsage;
        m_plugins.select(*index);
    } else {
        const std::string remembered = m_environment.settings.readString("Setting", "Plugin", "");
        if (!m_plugins.selectByModelName(remembered) && !m_plugins.select(0)) {
            m_messages.show(app::startupFailureMessage(2));
            return ExitFailure;
        }
    }
    m_limits.refill(m_plugins);
    return ExitSuccess;
}

std::optional<int> CliSession::modelIndex(const std::string &wanted)
{
    std::vector<std::string> names;
    for (int i = 0; i < m_plugins.count(); ++i)
        names.push_back(platform::sjisToUtf8(m_plugins.modelNameAt(i).value_or("")));
    const ModelMatch match = matchModel(names, wanted);
    if (match.result == ModelMatch::Found)
        return match.index;
    m_messages.printError(app::formatText(match.result == ModelMatch::Ambiguous
                                              ? app::TextId::CliAmbiguousModel
                                              : app::TextId::CliUnknownModel,
                                          platform::utf8ToSjis(wanted).c_str()));
    for (const std::string &name : names)
        m_messages.printError("  " + platform::utf8ToSjis(name));
    return std::nullopt;
}

std::unique_ptr<views::ViewCore> CliSession::makeCore(int viewKind) const
{
    switch (viewKind) {
    case app::KindBookmark:
        return std::make_unique<views::BookmarkViewCore>();
    case app::KindAddress: {
        auto core = std::make_unique<views::AddressViewCore>();
        core->setModelTables(&m_limits, &m_plugins);
        return core;
    }
    case app::KindMail: {
        auto core = std::make_unique<views::MailViewCore>();
        core->store().setCodecs(views::mailCodecsOf(m_codec));
        return core;
    }
    case app::KindSchedule: {
        auto core = std::make_unique<views::ScheduleViewCore>();
        core->setPlugins(&m_plugins);
        return core;
    }
    default:
        return nullptr;
    }
}

bool CliSession::openPcFile(views::ViewCore &core, const std::string &path)
{
    const app::PcLoadResult result = m_pcFiles.LoadPcFile(core, path, true);
    switch (result) {
    case app::PcLoadResult::Loaded: {
        const auto [folder, name] = app::splitPcFilePath(path);
        core.setPcFile(folder, name);
        core.refresh();
        return true;
    }
    case app::PcLoadResult::OpenFailed:
    case app::PcLoadResult::NoMemory:
        return false; // shown by LoadPcFile
    case app::PcLoadResult::Rejected:
    case app::PcLoadResult::OtherPlugin:
        break;
    }
    m_messages.printError(m_pcFiles.rejectionMessage(result));
    return false;
}

} // namespace cli
