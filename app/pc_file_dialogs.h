#pragma once

#include "app/pc_files.h"

#include <QString>

class QWidget;

namespace app {

// The PC data files' open and save-as dialogs: the kind's filter, the read-only box hidden;
// save as asks before an existing file is chosen.
class QtPcFileChooser : public PcFileChooser
{
public:
    explicit QtPcFileChooser(QWidget *parent)
        : m_parent(parent)
    {
    }

    std::optional<std::string> chooseOpenPath(int viewKind,
                                              const std::string &initialName) override;
    std::optional<std::string> chooseSavePath(int viewKind,
                                              const std::string &initialPath) override;

private:
    QWidget *m_parent;
};

// A file dialog of the program's files: its title and one filter, a description carrying its
// patterns ("ｱﾄﾞﾚｽ帳ﾃﾞｰﾀ (*.apc)"), the read-only box hidden. Paths are the system's.
struct FileDialogSetup
{
    QString title = {};
    QString filter = {};
    // The extension without its dot that a name typed without one gets, so that the overwrite
    // question of a save asks about the file really written.
    QString defaultSuffix = {};
    bool save = false; // a save asks before an existing file is chosen; an open takes only one
    std::string startFile = {};   // the file the dialog starts at; empty for none
    std::string startFolder = {}; // without a start file, the folder it starts in; empty for none
};

// Runs the dialog; the chosen file, or nothing when the user cancels.
std::optional<std::string> runFileDialog(QWidget *parent, const FileDialogSetup &setup);

} // namespace app
