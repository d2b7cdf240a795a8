#include "main_frame.h"

#include "app/about_dialog.h"
#include "app/button_bars.h"
#include "app/card_transfer.h"
#include "app/drive_select_dialog.h"
#include "app/exchange_file_dialogs.h"
#include "app/help_pages.h"
#include "app/import_outcome.h"
#include "app/mobile_rebar.h"
#include "app/mobile_view.h"
#include "app/model_select_dialog.h"
#include "app/palette.h"
#include "app/pc_file_dialogs.h"
#include "app/progress_dialog.h"
#include "app/qt_report_presenter.h"
#include "app/string_table.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "platform/clock.h"
#include "views/address/address_edit_dialog.h"
#include "views/address/address_multi_edit_dialog.h"
#include "views/address/address_view.h"
#include "views/bookmark/bookmark_edit_dialog.h"
#include "views/bookmark/bookmark_edit_rules.h"
#include "views/bookmark/bookmark_multi_edit_dialog.h"
#include "views/bookmark/bookmark_view.h"
#include "views/common/qt_text.h"
#include "views/mail/mail_view.h"
#include "views/schedule/calendar_view.h"
#include "views/schedule/schedule_edit_dialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusTipEvent>

#include <tuple>

namespace app {
namespace {

constexpr int FrameWidth = 640;
constexpr int FrameHeight = 460;
// Where the status parts end: 256, 416 and the bar's width (never below 416).
constexpr int StatusPart0Width = 256;
constexpr int StatusPart1Width = 160;

QString qtText(TextId id)
{
    return views::toQString(text(id));
}

void setBarBackground(QWidget *widget)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, paletteColour(BarColour));
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

} // namespace

struct CMainFrame::FileCommands
{
    FileCommands(QWidget *frame, const FrameServices &services)
        : plugin(services.plugins)
        , progress(clock, frame)
        , chooser(progress, services.settings, services.messages, frame)
        , transfer({plugin, services.limits, services.messages, progress, cursor, chooser})
        , qtFileChooser(frame)
        , qtReportPresenter(frame)
        , reports(services.reportPresenter ? *services.reportPresenter : qtReportPresenter)
        , pcFiles({services.plugins,
                   services.messages,
                   progress,
                   cursor,
                   services.pcFileChooser ? *services.pcFileChooser : qtFileChooser,
                   {},
                   &reports})
        , qtExchangeChooser(frame)
        , exchangeFiles(
              {services.plugins, services.limits, services.messages, reports,
               services.exchangeFileChooser ? *services.exchangeFileChooser : qtExchangeChooser,
               cursor, clock})
    {
    }

    platform::SystemClock clock;
    HostCardPlugin plugin;
    ProgressDialog progress;
    WaitCursor cursor;
    QtCardChooser chooser;
    CardTransfer transfer;
    QtPcFileChooser qtFileChooser;
    QtReportPresenter qtReportPresenter;
    ReportPresenter &reports;
    PcFiles pcFiles;
    QtExchangeFileChooser qtExchangeChooser;
    ExchangeFiles exchangeFiles;
};

CMainFrame::CMainFrame(FrameServices services)
    : m_services(std::move(services))
{
    setWindowIcon(QIcon(bitmapPicture(128)));
    auto *area = new QWidget(this);
    setBarBackground(area);
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);

    m_rebar = new CMobileReBar(area);
    m_menuBar = new CMainMenuBar(m_rebar);
    m_pcFileBar = new CViewPcFileBar(m_rebar);
    m_viewBar = new CViewBar(m_rebar);
    m_pcFileBar->hide();
    m_viewBar->hide();
    m_toolBar = new CMainToolBar(area);
    m_stack = new QStackedWidget(area);
    grid->addWidget(m_rebar, 0, 0, 1, 2);
    grid->addWidget(m_toolBar, 1, 0, 2, 1);
    grid->addWidget(m_stack, 1, 1);
    createStatusBar(area);
    grid->addWidget(m_statusParts[0]->parentWidget(), 2, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
    setCentralWidget(area);

    m_picture = new CMobileView(m_services.programDirectory + "FIRST.BMP", m_stack);
    auto *addresses = new views::CAddressView(m_stack);
    addresses->setModelTables(&m_services.limits, &m_services.plugins);
    connect(addresses, &views::CAddressView::editRequested, this,
            [this] { executeCommand(CmdEdit); });
    auto *bookmarks = new views::CBookMarkView(m_stack);
    connect(bookmarks, &views::CBookMarkView::editRequested, this,
            [this] { executeCommand(CmdEdit); });
    auto *mails = new views::CMailView(m_stack);
    connect(mails, &views::CMailView::openRequested, this, [this] { executeCommand(CmdViewItem); });
    auto *schedule = new views::CCalendarView(m_stack);
    schedule->setModelTables(&m_services.limits, &m_services.plugins);
    connect(schedule, &views::CCalendarView::editRequested, this,
            [this] { executeCommand(CmdEdit); });
    connect(schedule, &views::CCalendarView::addRequested, this,
            [this] { executeCommand(CmdAdd); });
    m_views = {bookmarks, addresses, mails, schedule};
    m_stack->addWidget(m_picture);
    m_files = std::make_unique<FileCommands>(this, m_services);
    const auto saveAs = [this](int kind) {
        return m_files->pcFiles.Save(*dataView(kind), false) == PcSaveResult::Saved;
    };
    for (views::DataView *view : m_views) {
        m_stack->addWidget(view);
        view->setServices(&m_services.messages, saveAs);
        view->refresh();
        connect(view, &views::DataView::selectionChanged, this, [this](int selected, int total) {
            setSelectionText(selected, total);
            updateCommandStates();
        });
        const int kind = view->viewKind();
        connect(view, &views::DataView::contextMenuRequested, this,
                [this, kind](const QPoint &position) { showContextMenu(kind, position); });
    }

    m_controller = std::make_unique<FrameController>(
        m_services.plugins, m_services.limits, m_services.messages, m_services.settings,
        FrameController::Views{m_views[0], m_views[1], m_views[2], m_views[3]});
    m_modelChoice = std::make_unique<ModelChoice>(
        m_services.plugins, m_services.messages,
        FrameController::Views{m_views[0], m_views[1], m_views[2], m_views[3]});
    m_controller->setPcFileSave(saveAs);
    m_modelDialog = new ModelSelectDialog(*m_modelChoice, m_services.plugins, this);

    for (CMobileDialogBar *bar :
         std::initializer_list<CMobileDialogBar *>{m_menuBar, m_pcFileBar, m_viewBar, m_toolBar})
        connect(bar, &CMobileDialogBar::commandTriggered, this, &CMainFrame::executeCommand);

    createMenu();
    createAccelerators();
    setMinimumSize(FrameWidth, FrameHeight);
    resize(FrameWidth, FrameHeight);
    resetRebarsToMainView();
    m_stack->setCurrentWidget(m_picture);
    setModelText();
    updateTitle();
    updateCommandStates();
}

CMainFrame::~CMainFrame() = default;

PcFiles &CMainFrame::pcFiles()
{
    return m_files->pcFiles;
}

ReportPresenter &CMainFrame::reportPresenter()
{
    return m_files->reports;
}

views::DataView *CMainFrame::dataView(int kind) const
{
    return kind >= KindBookmark && kind <= KindSchedule ? m_views[static_cast<size_t>(kind - 1)]
                                                        : nullptr;
}

QWidget *CMainFrame::activeViewWidget() const
{
    return m_stack->currentWidget();
}

QAction *CMainFrame::commandAction(int command, const QString &text)
{
    for (QAction *action : m_actions) {
        if (action->data().toInt() == command)
            return action;
    }
    auto *action = new QAction(text, this);
    action->setData(command);
    action->setStatusTip(views::toQString(textOfId(command)));
    connect(action, &QAction::triggered, this, [this, command] { executeCommand(command); });
    m_actions.push_back(action);
    return action;
}

void CMainFrame::createMenu()
{
    QMenu *file = menuBar()->addMenu(qtText(TextId::FileMenu));
    file->addAction(commandAction(CmdNewData, qtText(TextId::MenuNew)));
    file->addSeparator();
    file->addAction(commandAction(CmdOpenPcFile, qtText(TextId::MenuOpen)));
    file->addAction(commandAction(CmdSaveAs, qtText(TextId::MenuSaveAs)));
    file->addAction(commandAction(CmdSave, qtText(TextId::MenuSave)));
    file->addSeparator();
    // Their prompts have no resource number to share with the command.
    for (const auto &[command, label, prompt] :
         {std::tuple{CmdExport, TextId::MenuExport, TextId::PromptExport},
          std::tuple{CmdImport, TextId::MenuImport, TextId::PromptImport}}) {
        QAction *action = commandAction(command, qtText(label));
        action->setStatusTip(qtText(prompt));
        file->addAction(action);
    }
    // Linux desktops have no window menu: the about item closes the File menu instead.
    file->addSeparator();
    file->addAction(commandAction(CmdAbout, qtText(TextId::AboutMenuItem)));
    file->addSeparator();
    file->addAction(commandAction(CmdExitMenu, qtText(TextId::MenuExit)));
    connect(file, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
}

void CMainFrame::createAccelerators()
{
    struct Accelerator
    {
        int command;
        QKeySequence keys;
    };
    const Accelerator accelerators[] = {
        {CmdHelp, QKeySequence(Qt::CTRL | Qt::Key_H)},
        {CmdOpenPcFile, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {CmdAdd, QKeySequence(Qt::CTRL | Qt::Key_I)},
        {CmdEdit, QKeySequence(Qt::CTRL | Qt::Key_E)},
        {CmdDelete, QKeySequence(Qt::Key_Delete)},
        {CmdNewData, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {CmdSelectAll, QKeySequence(Qt::CTRL | Qt::Key_A)},
        {CmdViewItem, QKeySequence(Qt::CTRL | Qt::Key_L)},
        {CmdSave, QKeySequence(Qt::CTRL | Qt::Key_S)},
    };
    for (const Accelerator &accelerator : accelerators) {
        QAction *action = commandAction(accelerator.command, QString());
        action->setShortcut(accelerator.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

void CMainFrame::createStatusBar(QWidget *area)
{
    auto *bar = new QWidget(area);
    bar->setObjectName("StatusBar");
    setBarBackground(bar);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(2);
    for (size_t part = 0; part < m_statusParts.size(); ++part) {
        auto *label = new QLabel(bar);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setObjectName(QString("StatusPart%1").arg(part));
        m_statusParts[part] = label;
        layout->addWidget(label, part == 2 ? 1 : 0);
    }
    m_statusParts[0]->setFixedWidth(StatusPart0Width);
    m_statusParts[1]->setFixedWidth(StatusPart1Width);
}

void CMainFrame::resetRebarsToMainView()
{
    m_rebar->deleteAllBands();
    m_rebar->addBand(m_menuBar, false);
}

void CMainFrame::showDataViewBars()
{
    m_rebar->deleteAllBands();
    m_rebar->addBand(m_menuBar, false);
    m_rebar->addBand(m_pcFileBar, true);
    m_rebar->addBand(m_viewBar, true);
}

void CMainFrame::switchView(int kind)
{
    QWidget *target = kind == KindPicture ? static_cast<QWidget *>(m_picture) : dataView(kind);
    if (target && target != m_stack->currentWidget())
        m_stack->setCurrentWidget(target);
}

void CMainFrame::showKind(int kind)
{
    if (kind < KindPicture || kind > KindSchedule)
        return;
    const bool changed
        = m_stack->currentWidget()
          != (kind == KindPicture ? static_cast<QWidget *>(m_picture) : dataView(kind));
    m_controller->setViewKind(kind);
    if (kind == KindPicture) {
        if (changed)
            resetRebarsToMainView();
    } else {
        showDataViewBars();
    }
    switchView(kind);
    m_toolBar->latchView(kind);
    updateTitle();
    if (views::DataView *view = dataView(kind))
        setSelectionText(static_cast<int>(view->selectedRows().size()), view->listRowCount());
    else
        setSelectionText(0, 0);
    updateCommandStates();
}

void CMainFrame::updateTitle()
{
    setWindowTitle(views::toQString(m_controller->title()));
}

bool CMainFrame::isCommandEnabled(int command) const
{
    return m_controller->isEnabled(command);
}

void CMainFrame::updateCommandStates()
{
    for (QAction *action : m_actions)
        action->setEnabled(isCommandEnabled(action->data().toInt()));
    for (CMobileDialogBar *bar :
         std::initializer_list<CMobileDialogBar *>{m_menuBar, m_pcFileBar, m_viewBar, m_toolBar}) {
        for (BitmapButton *button : bar->buttons())
            button->setEnabled(isCommandEnabled(button->command()));
    }
}

void CMainFrame::executeCommand(int command)
{
    if (!isCommandEnabled(command))
        return;
    views::ViewOperations *active = m_controller->activeView();
    switch (command) {
    case CmdBookmarkView:
    case CmdAddressView:
    case CmdMailView:
    case CmdScheduleView:
        showKind(command - CmdBookmarkView + KindBookmark);
        break;
    case CmdMainView:
        showKind(KindPicture);
        break;
    case CmdModelSetting:
        runModelSetting();
        break;
    case CmdBanner:
        m_services.shell.open(bannerPageUrl(m_services.programDirectory));
        break;
    case CmdHelp:
        openHelp();
        break;
    case CmdExit:
    case CmdExitMenu:
        close();
        break;
    case CmdAbout:
        AboutDialog(this).exec();
        break;
    case CmdDelete:
        m_controller->deleteSelected();
        break;
    case CmdSelectAll:
        if (active)
            active->selectAllRows();
        break;
    case CmdNewData:
        if (active)
            active->newData();
        updateTitle();
        break;
    case CmdLoadFromCard:
        if (active && m_files->transfer.loadFromCard(*active) > 0)
            updateTitle();
        break;
    case CmdSaveToCard:
        if (active)
            m_files->transfer.saveToCard(*active);
        break;
    case CmdOpenPcFile:
        if (active)
            m_files->pcFiles.Open(*active);
        updateTitle();
        break;
    case CmdSaveAs:
    case CmdSave:
        if (active)
            m_files->pcFiles.Save(*active, command == CmdSave);
        updateTitle();
        break;
    case CmdExport:
        if (views::DataView *view = dataView(m_controller->viewKind()))
            m_files->exchangeFiles.exportView(view->core());
        break;
    case CmdImport:
        if (views::DataView *view = dataView(m_controller->viewKind()))
            m_files->exchangeFiles.importInto(*view, importGroupsOf(view->core()));
        break;
    case CmdAdd:
    case CmdEdit:
        editEntries(command == CmdAdd);
        break;
    case CmdViewItem:
        viewItem();
        break;
    default:
        break;
    }
    updateCommandStates();
}

void CMainFrame::editEntries(bool newEntry)
{
    switch (m_controller->viewKind()) {
    case KindAddress:
        editAddresses(newEntry);
        break;
    case KindSchedule:
        editSchedule(newEntry);
        break;
    case KindBookmark:
        editBookmarks(newEntry);
        break;
    default:
        break;
    }
    updateTitle();
}

void CMainFrame::editSchedule(bool newEntry)
{
    auto *view = static_cast<views::CCalendarView *>(dataView(KindSchedule));
    const views::ScheduleEditSetup setup = views::currentScheduleEditSetup(
        m_services.limits, m_services.plugins, m_services.messages, m_files->clock);
    views::EditSchedule(view->store(), view->calendarDate(), setup, newEntry, this);
    view->showStore();
}

void CMainFrame::editAddresses(bool newEntry)
{
    auto *view = static_cast<views::CAddressView *>(dataView(KindAddress));
    const views::AddressEditSetup setup = views::currentAddressEditSetup(
        m_services.limits, m_services.plugins, m_services.messages);
    const std::vector<int> selected = view->selectedIndexes();
    if (!newEntry && selected.size() >= 2)
        views::RunMultiEdit(view->store(), selected, setup, this);
    else
        views::EditAddress(view->store(), setup, newEntry, this);
    view->showStore();
}

void CMainFrame::editBookmarks(bool newEntry)
{
    auto *view = static_cast<views::CBookMarkView *>(dataView(KindBookmark));
    views::BookmarkStore &store = view->store();
    if (!newEntry && store.selectedRows().size() >= 2)
        views::BookmarkMultiEditDialog(store, this).exec();
    else
        views::EditBookmark(store, newEntry, views::readBookmarkLimits(m_services.limits),
                            &m_services.messages, this);
    view->showStore();
}

void CMainFrame::viewItem()
{
    switch (m_controller->viewKind()) {
    case KindBookmark:
        static_cast<views::CBookMarkView *>(dataView(KindBookmark))
            ->OpenBookmarkUrl(m_services.shell);
        break;
    case KindMail:
        static_cast<views::CMailView *>(dataView(KindMail))
            ->OpenSelected(m_services.shell, m_services.messages);
        break;
    default:
        break;
    }
}

void CMainFrame::runModelSetting()
{
    const int chosen = m_modelDialog->choose();
    if (applyModelChoice(chosen, m_services.plugins, m_services.limits)) {
        // The address rows show the new model's icon names, and its limits apply.
        dataView(KindAddress)->refresh();
        dataView(KindSchedule)->refresh();
        setModelText();
    }
}

void CMainFrame::openHelp()
{
    m_services.shell.open(helpPageUrl(m_services.programDirectory, m_controller->helpPage()));
}

void CMainFrame::showContextMenu(int kind, const QPoint &globalPosition)
{
    if (kind != m_controller->viewKind())
        return;
    QMenu menu(this);
    auto add = [&](int command, TextId label) {
        QAction *action = menu.addAction(qtText(label));
        action->setEnabled(isCommandEnabled(command));
        connect(action, &QAction::triggered, this, [this, command] { executeCommand(command); });
    };
    add(CmdAdd, TextId::ContextAdd);
    menu.addSeparator();
    add(CmdEdit, TextId::ContextEdit);
    add(CmdDelete, TextId::ContextDelete);
    if (kind == KindBookmark || kind == KindMail) {
        menu.addSeparator();
        add(CmdViewItem, kind == KindBookmark ? TextId::ContextOpenUrl : TextId::ContextOpenMail);
    }
    menu.exec(globalPosition);
}

QString CMainFrame::statusText(int part) const
{
    return part >= 0 && part < 3 ? m_statusParts[static_cast<size_t>(part)]->text() : QString();
}

void CMainFrame::setSelectionText(int selected, int total)
{
    m_statusParts[2]->setText(views::toQString(m_controller->selectionText(selected, total)));
}

void CMainFrame::setModelText()
{
    m_statusParts[1]->setText(views::toQString(m_controller->modelText()));
}

FramePlacement CMainFrame::placement() const
{
    const QRect normal = normalGeometry();
    FramePlacement stored;
    // The show states of the stored format: 1 normal, 2 minimised, 3 maximised.
    stored.swcmd = isMaximized() ? 3 : isMinimized() ? 2 : 1;
    stored.left = normal.x();
    stored.top = normal.y();
    stored.width = normal.width();
    stored.height = normal.height();
    return stored;
}

void CMainFrame::applyPlacement(const FramePlacement &stored)
{
    move(stored.left, stored.top);
    resize(stored.width, stored.height);
}

bool CMainFrame::openDocument(const std::string &path)
{
    const std::optional<int> kind = m_files->pcFiles.DocumentKind(path);
    if (!kind)
        return false;
    showKind(*kind);
    const bool opened = m_files->pcFiles.OpenPath(*dataView(*kind), path);
    updateTitle();
    updateCommandStates();
    return opened;
}

void CMainFrame::bringToFront()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (m_controller->runClosingSequence(placement(), isMaximized())) {
        event->accept();
        return;
    }
    // A save during the questions may have made another kind current: show that one.
    showKind(m_controller->viewKind());
    event->ignore();
}

bool CMainFrame::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        m_statusParts[0]->setText(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

} // namespace app
