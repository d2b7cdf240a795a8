#include "qt_interaction.h"

#include "views/common/qt_text.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace app {
namespace {

using platform::MessageAnswer;

QMessageBox::Icon toIcon(platform::MessageIcon icon)
{
    switch (icon) {
    case platform::MessageIcon::Information:
        return QMessageBox::Information;
    case platform::MessageIcon::Warning:
    case platform::MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case platform::MessageIcon::Error:
        return QMessageBox::Critical;
    case platform::MessageIcon::Question:
        return QMessageBox::Question;
    case platform::MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toButton(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    case MessageAnswer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

MessageAnswer QtMessageBoxes::show(const platform::Message &message)
{
    QMessageBox box(toIcon(message.icon), views::toQString(message.caption),
                    views::toQString(message.text), QMessageBox::NoButton, m_parent);
    switch (message.buttons) {
    case platform::MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case platform::MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case platform::MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    if (message.defaultAnswer)
        box.setDefaultButton(toButton(*message.defaultAnswer));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        break;
    }
    switch (message.buttons) {
    case platform::MessageButtons::YesNo:
        return MessageAnswer::No;
    case platform::MessageButtons::YesNoCancel:
        return MessageAnswer::Cancel;
    case platform::MessageButtons::Ok:
        break;
    }
    return MessageAnswer::Ok;
}

std::optional<std::string> QtFileDialogs::openFile(const std::string &title,
                                                   const std::string &filter,
                                                   const std::string &directory)
{
    const QString chosen = QFileDialog::getOpenFileName(
        m_parent, views::toQString(title), views::toQString(directory), views::toQString(filter));
    if (chosen.isEmpty())
        return std::nullopt;
    return views::fromQString(chosen);
}

std::optional<std::string> QtFileDialogs::saveFile(const std::string &title,
                                                   const std::string &filter,
                                                   const std::string &directory)
{
    const QString chosen = QFileDialog::getSaveFileName(
        m_parent, views::toQString(title), views::toQString(directory), views::toQString(filter));
    if (chosen.isEmpty())
        return std::nullopt;
    return views::fromQString(chosen);
}

bool DesktopShellOpener::open(const std::string &url)
{
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

} // namespace app
