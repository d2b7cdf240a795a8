#pragma once

#include "app/frame_controller.h"
#include "app/model_choice.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QLabel;
class QStackedWidget;

namespace host {
class KindLimitCache;
class PluginHost;
} // namespace host
namespace platform {
class ShellOpener;
}
namespace views {
class DataView;
}

namespace app {

class CMainMenuBar;
class ExchangeFileChooser;
class PcFileChooser;
class ReportPresenter;
class PcFiles;
class CMainToolBar;
class CMobileReBar;
class CMobileView;
class CViewBar;
class CViewPcFileBar;
class ModelSelectDialog;

// What the frame uses of the application.
struct FrameServices
{
    host::PluginHost &plugins;
    host::KindLimitCache &limits;
    platform::MessageBoxes &messages;
    SettingsStore &settings;
    platform::ShellOpener &shell;
    // The program directory, ending with '/'.
    std::string programDirectory;
    // The PC files' dialogs; null for the system's file dialogs.
    PcFileChooser *pcFileChooser = nullptr;
    // The export and import dialogs; null for the system's file dialogs.
    ExchangeFileChooser *exchangeFileChooser = nullptr;
    // Where reports of what was changed on the way go; null for the frame's report dialog.
    ReportPresenter *reportPresenter = nullptr;
};

// The main window: the button bars, one visible view at a time (the picture view or one of the
// four data views, all owned by the frame), the status bar, the File menu and the accelerators.
// Every command goes through executeCommand; the decisions are FrameController's.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainFrame(FrameServices services);
    ~CMainFrame() override;

    FrameController &controller() { return *m_controller; }
    views::DataView *dataView(int kind) const;
    // The PC data files of the views, for the reopening at start-up.
    PcFiles &pcFiles();
    // Where the frame's reports go: FrameServices' presenter, else the frame's own dialog.
    ReportPresenter &reportPresenter();
    CMobileView *pictureView() const { return m_picture; }
    CMainToolBar *viewBar() const { return m_toolBar; }
    QWidget *activeViewWidget() const;

    // Runs a command as its button, menu item or accelerator would.
    void executeCommand(int command);
    // Enables and disables every button, menu item and accelerator by the current rules.
    void updateCommandStates();
    bool isCommandEnabled(int command) const;

    // Shows view kind 0 to 4 with its bars, latched view button and title.
    void showKind(int kind);

    // Opens the PC data file at path (absolute: the view keeps its folder) in the view of its
    // kind, shown, as Ctrl+O opens a chosen file; its messages when it cannot. True when it
    // opened.
    bool openDocument(const std::string &path);
    // Shows the window restored and above the others, for a document another copy handed on.
    void bringToFront();

    // Status-bar parts: 0 the prompt, 1 the model name, 2 the selection count.
    QString statusText(int part) const;
    void setSelectionText(int selected, int total);
    void setModelText();

    // The window placement as stored in section Frame, and its restoration.
    FramePlacement placement() const;
    void applyPlacement(const FramePlacement &placement);

    // The model dialog, for tests that drive it.
    ModelSelectDialog *modelDialog() const { return m_modelDialog; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void createMenu();
    void createAccelerators();
    void createStatusBar(QWidget *area);
    void resetRebarsToMainView();
    void showDataViewBars();
    void switchView(int kind);
    void updateTitle();
    void runModelSetting();
    // Add (new entry) or edit the selection of the current view: one entry in the editor, two
    // or more in the multi-entry editor.
    void editEntries(bool newEntry);
    void editAddresses(bool newEntry);
    void editSchedule(bool newEntry);
    void editBookmarks(bool newEntry);
    // Command 32777: the selected bookmark's URL, or the selected messages in the mail program.
    void viewItem();
    void openHelp();
    void showContextMenu(int kind, const QPoint &globalPosition);
    QAction *commandAction(int command, const QString &text);

    // The memory-card and PC-file commands and the windows they show.
    struct FileCommands;

    FrameServices m_services;
    std::array<views::DataView *, 4> m_views{};
    std::unique_ptr<FrameController> m_controller;
    std::unique_ptr<ModelChoice> m_modelChoice;
    CMobileView *m_picture = nullptr;
    QStackedWidget *m_stack = nullptr;
    CMobileReBar *m_rebar = nullptr;
    CMainMenuBar *m_menuBar = nullptr;
    CViewPcFileBar *m_pcFileBar = nullptr;
    CViewBar *m_viewBar = nullptr;
    CMainToolBar *m_toolBar = nullptr;
    std::array<QLabel *, 3> m_statusParts{};
    ModelSelectDialog *m_modelDialog = nullptr;
    std::vector<QAction *> m_actions;
    std::unique_ptr<FileCommands> m_files;
};

} // namespace app
