#include "pc_file_dialogs.h"

#include "app/pc_file_kinds.h"
#include "app/string_table.h"
#include "views/common/qt_text.h"

#include <QFileDialog>

namespace app {
namespace {

std::optional<std::string> runDialog(QWidget *parent, int viewKind, const std::string &start,
                                     QFileDialog::AcceptMode mode)
{
    const PcFileDialogKind *kind = pcFileDialogKind(viewKind);
    if (!kind)
        return std::nullopt;
    QFileDialog dialog(
        parent, views::toQString(
                    text(mode == QFileDialog::AcceptOpen ? TextId::MenuOpen : TextId::MenuSaveAs)));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    // The description carries its pattern, "ｱﾄﾞﾚｽ帳ﾃﾞｰﾀ (*.apc)", as Qt's filters do.
    dialog.setNameFilter(views::toQString(kind->description));
    // So that the overwrite question asks about the file really written.
    dialog.setDefaultSuffix(QString::fromLatin1(kind->extension + 1));
    if (!start.empty())
        dialog.selectFile(QString::fromStdString(start));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

} // namespace

std::optional<std::string> QtPcFileChooser::chooseOpenPath(int viewKind,
                                                           const std::string &initialName)
{
    return runDialog(m_parent, viewKind, initialName, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtPcFileChooser::chooseSavePath(int viewKind,
                                                           const std::string &initialPath)
{
    return runDialog(m_parent, viewKind, initialPath, QFileDialog::AcceptSave);
}

} // namespace app
