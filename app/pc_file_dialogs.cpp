#include "pc_file_dialogs.h"

#include "app/pc_file_kinds.h"
#include "app/string_table.h"
#include "views/common/qt_text.h"

#include <QFileDialog>

namespace app {
namespace {

std::optional<std::string> runPcFileDialog(QWidget *parent, int viewKind, const std::string &start,
                                           bool save)
{
    const PcFileDialogKind *kind = pcFileDialogKind(viewKind);
    if (!kind)
        return std::nullopt;
    return runFileDialog(
        parent, {.title = views::toQString(text(save ? TextId::MenuSaveAs : TextId::MenuOpen)),
                 .filter = views::toQString(kind->description),
                 .defaultSuffix = QString::fromLatin1(kind->extension + 1),
                 .save = save,
                 .startFile = start});
}

} // namespace

std::optional<std::string> runFileDialog(QWidget *parent, const FileDialogSetup &setup)
{
    QFileDialog dialog(parent, setup.title);
    dialog.setAcceptMode(setup.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(setup.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilter(setup.filter);
    dialog.setDefaultSuffix(setup.defaultSuffix);
    // selectFile() of a folder would put the folder's name in the name box: a folder is set.
    if (!setup.startFile.empty())
        dialog.selectFile(QString::fromStdString(setup.startFile));
    else if (!setup.startFolder.empty())
        dialog.setDirectory(QString::fromStdString(setup.startFolder));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> QtPcFileChooser::chooseOpenPath(int viewKind,
                                                           const std::string &initialName)
{
    return runPcFileDialog(m_parent, viewKind, initialName, false);
}

std::optional<std::string> QtPcFileChooser::chooseSavePath(int viewKind,
                                                           const std::string &initialPath)
{
    return runPcFileDialog(m_parent, viewKind, initialPath, true);
}

} // namespace app
