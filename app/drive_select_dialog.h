#pragma once

#include "app/card_roots.h"
#include "app/card_transfer.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QPushButton;

namespace platform {
class MessageBoxes;
}

namespace app {

class SettingsStore;

// Asks for a folder that holds a copy of a card; nothing when the user cancels.
using CardFolderChooser = std::function<std::optional<std::string>(QWidget *parent)>;

// The folder chooser of the desktop.
std::optional<std::string> chooseCardFolderOnDesktop(QWidget *parent);

// The memory-card choice ("ﾒﾓﾘｰｶｰﾄﾞの指定"): a drop-down of the mounted cards (label and mount
// point), then the folders chosen before, then "フォルダを指定..." which asks for another folder
// and adds it to the list. The first entry is selected when it opens.
class DriveSelectDialog : public QDialog
{
    Q_OBJECT

public:
    DriveSelectDialog(std::vector<CardRoot> cards, const std::vector<std::string> &folders,
                      CardFolderChooser chooseFolder, QWidget *parent = nullptr);

    // The root of the entry taken with OK; nothing before that or after Cancel.
    const std::optional<CardRoot> &chosen() const { return m_chosen; }
    // Whether the chosen root is a folder rather than a mounted card.
    bool choseFolder() const { return m_choseFolder; }

    QComboBox *list() const { return m_list; }
    QPushButton *okButton() const { return m_ok; }

    void accept() override;

private:
    void addRoot(const CardRoot &root, bool folder, int position);
    bool askForFolder();
    void entryActivated(int index);

    std::vector<CardRoot> m_roots;
    std::vector<bool> m_isFolder;
    CardFolderChooser m_chooseFolder;
    QComboBox *m_list;
    QPushButton *m_ok = nullptr;
    int m_previous = 0;
    std::optional<CardRoot> m_chosen;
    bool m_choseFolder = false;
};

// CardChooser of the editor: searches the mounted cards behind the drive-search progress
// window, then runs DriveSelectDialog over them and the remembered folders that still exist,
// and remembers a chosen folder. With neither a card nor a remembered folder it asks for a
// folder at once; cancelling that tells the user that no card was found.
class QtCardChooser : public CardChooser
{
public:
    QtCardChooser(ProgressWindow &progress, SettingsStore &settings,
                  platform::MessageBoxes &messages, QWidget *parent);

    // Where the search looks and how a folder is asked for; the real system and the desktop's
    // chooser unless set.
    void setSystem(CardRootSystem system) { m_system = std::move(system); }
    void setFolderChooser(CardFolderChooser chooser) { m_chooseFolder = std::move(chooser); }

    std::optional<CardRoot> chooseCard() override;

private:
    std::vector<CardRoot> searchCards();

    ProgressWindow &m_progress;
    SettingsStore &m_settings;
    platform::MessageBoxes &m_messages;
    QWidget *m_parent;
    CardRootSystem m_system;
    CardFolderChooser m_chooseFolder = chooseCardFolderOnDesktop;
};

} // namespace app
