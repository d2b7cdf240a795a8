#pragma once

#include "app/card_transfer.h"
#include "app/pc_files.h"
#include "cli/cli_messages.h"
#include "cli/cli_options.h"
#include "host/codec_binding.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace app {
class SettingsStore;
}
namespace views {
class ViewCore;
}

namespace cli {

// Where cellvane-cli runs: the program directory (ending with '/') holding libHandsetKit.so
// and Plugins/, the editor's settings, and the two output streams.
struct CliEnvironment
{
    std::string programDirectory;
    const app::SettingsStore &settings;
    std::ostream &out;
    std::ostream &err;
};

// The editor's machinery without widgets for one command: the codec library, the plug-ins, the
// current model's limits, the card transfer and the PC files, all speaking through CliMessages.
class CliSession
{
public:
    CliSession(const CliEnvironment &environment, bool answerYes);
    CliSession(const CliSession &) = delete;
    CliSession &operator=(const CliSession &) = delete;

    // Binds the codec library and the plug-ins as the editor's start-up does and makes current
    // the plug-in model names (see matchModel), or without it the model of the editor's
    // settings (Setting/Plugin), else the first. A failure is printed: the editor's start-up
    // message (ExitFailure), or an unknown or ambiguous model with the models there are
    // (ExitUsage).
    ExitStatus start(const std::optional<std::string> &model);
    // The plug-in index of the model wanted names (see matchModel); nothing, with the unknown
    // or ambiguous model and the models there are printed, when none is found.
    std::optional<int> modelIndex(const std::string &wanted);

    // An empty core of viewKind (1 to 4) on the current model, as the editor's view of the kind.
    std::unique_ptr<views::ViewCore> makeCore(int viewKind) const;

    // Opens the PC file at path into core as the editor's open does, the core then naming it.
    // False when it was not taken, with the editor's message printed.
    bool openPcFile(views::ViewCore &core, const std::string &path);

    host::PluginHost &plugins() { return m_plugins; }
    const host::KindLimitCache &limits() const { return m_limits; }
    app::CardPlugin &plugin() { return m_plugin; }
    CliMessages &messages() { return m_messages; }
    app::CardTransfer &transfer() { return m_transfer; }
    app::PcFiles &pcFiles() { return m_pcFiles; }
    std::ostream &out() { return m_environment.out; }
    std::ostream &err() { return m_environment.err; }

private:
    const CliEnvironment &m_environment;
    host::CodecBinding m_codec;
    host::PluginHost m_plugins;
    host::KindLimitCache m_limits;
    CliMessages m_messages;
    SilentProgress m_progress;
    SilentBusyPointer m_busy;
    NoCardChooser m_cardChooser;
    NoPcFileChooser m_pcFileChooser;
    app::HostCardPlugin m_plugin;
    app::CardTransfer m_transfer;
    app::PcFiles m_pcFiles;
};

} // namespace cli
