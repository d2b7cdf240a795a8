#include "drive_select_dialog.h"

#include "app/settings_store.h"
#include "app/string_table.h"
#include "platform/user_interaction.h"
#include "views/common/dialog_buttons.h"
#include "views/common/qt_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QVBoxLayout>

#include <filesystem>

namespace app {
namespace {

constexpr int DialogWidth = 360;

QString qtText(TextId id)
{
    return views::toQString(text(id));
}

// File-system names are UTF-8 already; labels and paths need no Shift_JIS round.
QString entryText(const CardRoot &root)
{
    const QString path = QString::fromStdString(root.path);
    if (root.label.empty())
        return " " + path;
    return " " + QString::fromStdString(root.label) + " (" + path + ")";
}

bool isFolder(const std::string &path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

} // namespace

std::optional<std::string> chooseCardFolderOnDesktop(QWidget *parent)
{
    const QString folder
        = QFileDialog::getExistingDirectory(parent, qtText(TextId::DriveSelectTitle));
    if (folder.isEmpty())
        return std::nullopt;
    return folder.toStdString();
}

DriveSelectDialog::DriveSelectDialog(std::vector<CardRoot> cards,
                                     const std::vector<std::string> &folders,
                                     CardFolderChooser chooseFolder, QWidget *parent)
    : QDialog(parent)
    , m_chooseFolder(std::move(chooseFolder))
    , m_list(new QComboBox(this))
{
    setWindowTitle(qtText(TextId::DriveSelectTitle));
    auto *layout = new QVBoxLayout(this);
    auto *prompt = new QLabel(qtText(TextId::DriveSelectText), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    layout->addWidget(m_list);
    QDialogButtonBox *buttons = views::okCancelButtons(this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);
    setFixedWidth(DialogWidth);

    for (const CardRoot &card : cards)
        addRoot(card, false, static_cast<int>(m_roots.size()));
    for (const std::string &folder : folders)
        addRoot({folder, ""}, true, static_cast<int>(m_roots.size()));
    m_list->addItem(qtText(TextId::DriveSelectFolder));
    m_list->setCurrentIndex(0);
    connect(m_list, &QComboBox::activated, this, &DriveSelectDialog::entryActivated);
}

void DriveSelectDialog::addRoot(const CardRoot &root, bool folder, int position)
{
    m_roots.insert(m_roots.begin() + position, root);
    m_isFolder.insert(m_isFolder.begin() + position, folder);
    m_list->insertItem(position, entryText(root));
}

bool DriveSelectDialog::askForFolder()
{
    const std::optional<std::string> folder
        = m_chooseFolder ? m_chooseFolder(this) : std::optional<std::string>();
    if (!folder || folder->empty())
        return false;
    int position = -1;
    for (size_t i = 0; i < m_roots.size(); ++i) {
        if (m_isFolder[i] && m_roots[i].path == *folder)
            position = static_cast<int>(i);
    }
    if (position < 0) {
        // The newest folder leads the folders, after the mounted cards.
        position = static_cast<int>(std::count(m_isFolder.begin(), m_isFolder.end(), false));
        addRoot({*folder, ""}, true, position);
    }
    m_list->setCurrentIndex(position);
    m_previous = position;
    return true;
}

void DriveSelectDialog::entryActivated(int index)
{
    if (index != static_cast<int>(m_roots.size())) {
        m_previous = index;
        return;
    }
    if (!askForFolder())
        m_list->setCurrentIndex(m_previous);
}

void DriveSelectDialog::accept()
{
    if (m_list->currentIndex() == static_cast<int>(m_roots.size()) && !askForFolder())
        return;
    const int index = m_list->currentIndex();
    if (index < 0 || index >= static_cast<int>(m_roots.size())) {
        m_chosen.reset();
    } else {
        m_chosen = m_roots[static_cast<size_t>(index)];
        m_choseFolder = m_isFolder[static_cast<size_t>(index)];
    }
    QDialog::accept();
}

QtCardChooser::QtCardChooser(ProgressWindow &progress, SettingsStore &settings,
                             platform::MessageBoxes &messages, QWidget *parent)
    : m_progress(progress)
    , m_settings(settings)
    , m_messages(messages)
    , m_parent(parent)
{
}

std::vector<CardRoot> QtCardChooser::searchCards()
{
    m_progress.open(TextId::DriveSearchTitle, TextId::DriveSearchText);
    bool started = false;
    std::vector<CardRoot> cards = findCardRoots(m_system, [&](int position, int count) {
        if (!started) {
            m_progress.start(count);
            started = true;
        }
        m_progress.setPos(position);
    });
    m_progress.finish();
    return cards;
}

std::optional<CardRoot> QtCardChooser::chooseCard()
{
    const std::vector<CardRoot> cards = searchCards();
    std::vector<std::string> folders = rememberedCardFolders(m_settings);
    std::erase_if(folders, [](const std::string &folder) { return !isFolder(folder); });
    if (cards.empty() && folders.empty()) {
        // A list holding only the folder entry would be one question too many.
        const std::optional<std::string> folder
            = m_chooseFolder ? m_chooseFolder(m_parent) : std::optional<std::string>();
        if (!folder || folder->empty()) {
            platform::Message message;
            message.text = text(TextId::NoValidDrive);
            message.caption = text(TextId::CaptionError);
            message.icon = platform::MessageIcon::Warning;
            m_messages.show(message);
            return std::nullopt;
        }
        rememberCardFolder(m_settings, *folder);
        return CardRoot{*folder, ""};
    }
    DriveSelectDialog dialog(cards, folders, m_chooseFolder, m_parent);
    if (dialog.exec() != QDialog::Accepted || !dialog.chosen())
        return std::nullopt;
    if (dialog.choseFolder())
        rememberCardFolder(m_settings, dialog.chosen()->path);
    return dialog.chosen();
}

} // namespace app
