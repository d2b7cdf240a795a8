#pragma once

#include "views/common/data_view.h"
#include "views/mail/mail_view_core.h"

class QListWidget;

namespace platform {
class ShellOpener;
}

namespace views {

// The mail view: the folder list ("受信箱", "送信箱", "ゴミ箱") beside the message list of the
// chosen folder. Both mirror the MailStore of its MailViewCore, which holds the messages, the
// folder on show, the rows and their selection. Mail is read from the card only and never edited
// here.
class CMailView : public DataView
{
    Q_OBJECT

public:
    explicit CMailView(QWidget *parent = nullptr);

    // The per-user folder of exported messages: the cache location's "mtemp/".
    static std::string TempFolder();

    MailStore &store() { return m_core.store(); }
    const MailStore &store() const { return m_core.store(); }
    QListWidget *folderList() const { return m_folders; }

    // The subject decoders; until given, subjects show as stored.
    void setCodecs(MailCodecs codecs);
    // Where exported messages go (ends with '/'); TempFolder() unless changed.
    void setExportFolder(std::string folder);
    // Chooses folder 0 to 2 in the folder list and shows it.
    void chooseFolder(int folder);
    // Exports every selected message and hands it to the desktop's mail program
    // (OpenSelectedMessages).
    void OpenSelected(platform::ShellOpener &shell, platform::MessageBoxes &messages);

signals:
    // A double click on a message: the frame opens the selection (command 32777).
    void openRequested();

private:
    void showColumns();
    void headerClicked(int column);

    MailViewCore m_core;
    MailStore &m_store;
    QListWidget *m_folders;
    std::string m_exportFolder;
};

} // namespace views
