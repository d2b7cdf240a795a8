#pragma once

#include "app/pc_file_io.h"
#include "app/progress_window.h"

#include <optional>
#include <string>

namespace exchange {
struct ExchangeFormat;
}
namespace host {
class KindLimitCache;
class PluginHost;
} // namespace host
namespace platform {
class MessageBoxes;
class WallClock;
} // namespace platform
namespace views {
class GroupTable;
class ViewCore;
class ViewOperations;
} // namespace views

namespace app {

class ReportPresenter;

// The file dialogs of the files of today's programs; nothing when the user cancels. Paths are
// the system's.
class ExchangeFileChooser
{
public:
    virtual ~ExchangeFileChooser() = default;
    // The file to export to in format, the dialog filtering by the format's description,
    // starting at suggestedPath and asking before it lets the user choose an existing file.
    virtual std::optional<std::string> chooseExportPath(const exchange::ExchangeFormat &format,
                                                        const std::string &suggestedPath)
        = 0;
    // The existing file to import in format, the dialog starting in folder (the working
    // folder when empty).
    virtual std::optional<std::string> chooseImportPath(const exchange::ExchangeFormat &format,
                                                        const std::string &folder)
        = 0;
};

struct ExchangeFileServices
{
    host::PluginHost &plugins;
    const host::KindLimitCache &limits;
    platform::MessageBoxes &messages;
    ReportPresenter &reports;
    ExchangeFileChooser &chooser;
    BusyPointer &busy;
    // The iCalendar export's time stamp.
    const platform::WallClock &clock;
    // The write(2) of the exports; tests give one that fails.
    WriteBytes write = {};
};

// The editor's export (1030) and import (1031) commands: the files of today's programs
// (exchange/exchange_formats.h) written from and merged into the views, under the current
// model's option names, limits and plug-ins. Every message goes through the message boxes,
// what an import changed through the report presenter.
class ExchangeFiles
{
public:
    explicit ExchangeFiles(ExchangeFileServices services);

    // Command 1030: lets the user choose a file (the dialog starting at the view's PC file with
    // the format's extension in place of its own, or, for a view without a file, at the kind's
    // name with it; a name typed without extension gets the format's) and writes every entry of
    // core to it. The file is replaced only by the complete export: on failure it stays as it
    // was and the failure is shown with the file and the system's error. Success is told with
    // the count. The view is not changed. True when the file was written; false too for a kind
    // with no format, a cancelled dialog or a chosen path without a file name.
    bool exportView(const views::ViewCore &core);

    // Command 1031: lets the user choose a file of the view's import format and merges its
    // entries into view as a card load does (exchange::importIntoView, the address book's
    // entries filed under groups). A file that cannot be read, or that the import refuses, is
    // told in a message box and leaves the view unchanged; a file with nothing to take says so
    // (with the report when the import noted why); else the report presenter shows how many
    // entries were read and added and what was changed on the way. Added entries leave the view
    // unsaved, its PC file names kept, for the user to save. True when entries were added.
    bool importInto(views::ViewOperations &view, const views::GroupTable *groups);

private:
    ExchangeFileServices m_services;
};

} // namespace app
