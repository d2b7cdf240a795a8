#pragma once

#include "app/pc_file_io.h"
#include "app/progress_window.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace host {
class PluginHost;
}
namespace platform {
class MessageBoxes;
}
namespace views {
class ViewOperations;
}

namespace app {

class ReportPresenter;

// The file dialogs of the PC data files; nothing when the user cancels. Paths are the system's.
class PcFileChooser
{
public:
    virtual ~PcFileChooser() = default;
    // The file to open for view kind 1 to 4, the dialog starting at initialName.
    virtual std::optional<std::string> chooseOpenPath(int viewKind, const std::string &initialName)
        = 0;
    // The file to save as, the dialog starting at initialPath and asking before it lets the
    // user choose an existing file.
    virtual std::optional<std::string> chooseSavePath(int viewKind, const std::string &initialPath)
        = 0;
};

struct PcFileServices
{
    host::PluginHost &plugins;
    platform::MessageBoxes &messages;
    ProgressWindow &progress;
    BusyPointer &busy;
    PcFileChooser &chooser;
    // The write(2) of the saves; tests give one that fails.
    WriteBytes write = {};
    // Shows what the conversion of another model's file changed; without it a message box
    // gives the summary alone.
    ReportPresenter *reports = nullptr;
};

// What LoadPcFile answers.
enum class PcLoadResult {
    Loaded = -1,
    Rejected = 0,   // not a file of the view's kind, or damaged
    OpenFailed = 1, // the file could not be opened or read
    NoMemory = 2,   // no memory for the file's bytes
    OtherPlugin = 3 // written under another plug-in than the current one
};

// What Save answers. Saved also when the view had nothing to write.
enum class PcSaveResult { Saved, Failed, Cancelled };

// The PC data files of the four views: the open command (1008), save as (1009) and save
// (32778), the saves of the closing sequence and of the new-data question, and the reading of
// the remembered files at start-up. A view is reached only through its ViewOperations; its PC
// file names are the folder (ending with '/') and the file name. Every message goes through the
// message boxes.
class PcFiles
{
public:
    explicit PcFiles(PcFileServices services);

    // Reads the file at path whole and hands it to the view (ViewOperations::loadPcImage) under
    // the current plug-in's code. With show, a file that cannot be opened or read, or no memory
    // for it, is reported with the file and the system's error; the rejections are the caller's
    // to report (rejectionMessage()). An empty path is rejected, a file longer than any PC file
    // can be is rejected unread. The view changes only when the file was loaded. Whenever bytes
    // were read, loadedPluginCode() becomes the code stored in the file (else 0).
    PcLoadResult LoadPcFile(views::ViewOperations &view, const std::string &path, bool show);
    uint32_t loadedPluginCode() const { return m_loadedPluginCode; }

    // The message for a result of LoadPcFile other than Loaded and OpenFailed/NoMemory's own:
    // for OtherPlugin the model of the plug-in that wrote the file (by loadedPluginCode()), or
    // that the data belong to no installed plug-in; otherwise that the file is damaged or not
    // this program's.
    std::string rejectionMessage(PcLoadResult result) const;

    // Command 1008: asks first when the view holds unsaved data, lets the user choose a file
    // (a name without extension gets the kind's), reads it behind the progress window and on
    // success makes it the view's file. True when the view took the file. A file of another
    // installed model is refused, then offered for conversion into the current model: the
    // converted entries then fill the view as unsaved data without a file name (its folder
    // kept), so that no save writes over the other model's file.
    bool Open(views::ViewOperations &view);
    // Open without the dialog: the file at path (a document the program was started with), after
    // the same question. True when the view took the file.
    bool OpenPath(views::ViewOperations &view, const std::string &path);
    // The view kind of the PC data file at path, by its header; nothing, with the message why,
    // when it cannot be read or is no PC data file.
    std::optional<int> DocumentKind(const std::string &path);

    // Commands 1009 (overwrite false) and 32778 (overwrite true), and the saves of the closing
    // sequence and the new-data question (overwrite false). With overwrite the view's file is
    // written without a dialog; otherwise the save-as dialog starts at it (a name without
    // extension gets the kind's). The file is replaced only by a complete image: on failure
    // the previous file stays as it was, the failure is shown with the file and the system's
    // error, and the view's names and unsaved flag are unchanged. On success the view is clean
    // and names the file. Cancelled when the dialog was cancelled or there is no file to write.
    PcSaveResult Save(views::ViewOperations &view, bool overwrite);

private:
    // Whether view may take another file: it holds no unsaved data, or the user says so.
    bool mayReplace(views::ViewOperations &view);
    // Reads path into view behind the progress window; on success the view names the file.
    bool read(views::ViewOperations &view, const std::string &path);
    // LoadPcFile, the bytes read left in file.
    PcLoadResult load(views::ViewOperations &view, const std::string &path, bool show,
                      PcFileBytes &file);
    // After the refusal of path, whose bytes are given, as another model's file: the question,
    // and on Yes the conversion. True when the view took the converted entries.
    bool offerConversion(views::ViewOperations &view, const std::string &path,
                         const std::vector<unsigned char> &bytes);
    PcSaveResult write(views::ViewOperations &view, const std::string &path);

    PcFileServices m_services;
    uint32_t m_loadedPluginCode = 0;
};

// path split into the view's PC file names: the folder with its trailing '/' and the name.
std::pair<std::string, std::string> splitPcFilePath(const std::string &path);

} // namespace app
