// Starts the editor from a program directory with throw-away settings, shows each view in turn
// and saves a picture of the main window per view; then loads a copy of a sample card into the
// address book and saves pictures of the book, its editors and the drive dialog; last the File
// menu and the report of importing VCARD (by default the sample card's address book file).
//   cellvane_screenshots PROGRAM_DIR OUTPUT_DIR SAMPLE_CARD [VCARD]

#include "app/about_dialog.h"
#include "app/card_transfer.h"
#include "app/commands.h"
#include "app/drive_select_dialog.h"
#include "app/exchange_files.h"
#include "app/import_outcome.h"
#include "app/main_frame.h"
#include "app/mobile_app.h"
#include "app/model_select_dialog.h"
#include "app/pc_file_dialogs.h"
#include "app/pc_file_io.h"
#include "app/pc_files.h"
#include "app/progress_dialog.h"
#include "app/qt_settings_store.h"
#include "app/report_dialog.h"
#include "app/report_presenter.h"
#include "app/splash_window.h"
#include "platform/clock.h"
#include "views/address/address_edit_dialog.h"
#include "views/address/address_multi_edit_dialog.h"
#include "views/address/address_tree.h"
#include "views/address/address_view.h"
#include "views/bookmark/bookmark_edit_dialog.h"
#include "views/bookmark/bookmark_edit_rules.h"
#include "views/bookmark/bookmark_multi_edit_dialog.h"
#include "views/bookmark/bookmark_view.h"
#include "views/common/qt_text.h"
#include "views/mail/mail_view.h"
#include "views/schedule/calendar_view.h"
#include "views/schedule/schedule_edit_dialog.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <filesystem>

namespace {

// Start-up must not wait for the splash nor open the help page or message boxes.
class InstantClock : public platform::Clock
{
public:
    int64_t milliseconds() const override { return 0; }
    void sleep(int64_t) override {}
};

class SilentMessages : public platform::MessageBoxes
{
public:
    platform::MessageAnswer show(const platform::Message &message) override
    {
        std::fprintf(stderr, "message: %s\n", views::toQString(message.text).toUtf8().constData());
        return platform::MessageAnswer::Ok;
    }
};

class NoShell : public platform::ShellOpener
{
public:
    bool open(const std::string &) override { return true; }
};

// Each reading a second after the last: the card transfer's progress window, up "long enough",
// closes after its short look.
class SteppingClock : public platform::Clock
{
public:
    int64_t milliseconds() const override { return m_now += 1000; }
    void sleep(int64_t) override {}

private:
    mutable int64_t m_now = 0;
};

// The pictures come from the copy the program chose; nobody is asked.
class FixedCard : public app::CardChooser
{
public:
    explicit FixedCard(app::CardRoot root)
        : m_root(std::move(root))
    {
    }
    std::optional<app::CardRoot> chooseCard() override { return m_root; }

private:
    app::CardRoot m_root;
};

// A copy of a card in the temporary folder, removed again at the end: nothing the program does
// may touch the source tree. Its name is fixed, so the drive dialog's picture shows the same
// folder on every run.
class CardCopy
{
public:
    explicit CardCopy(const std::string &source)
        : m_path(QDir::temp().filePath("cellvane-sample-card").toStdString())
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
        std::filesystem::copy(source, m_path, std::filesystem::copy_options::recursive, error);
        m_made = !error;
        if (error)
            std::fprintf(stderr, "cannot copy %s: %s\n", source.c_str(), error.message().c_str());
    }
    ~CardCopy()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    CardCopy(const CardCopy &) = delete;
    CardCopy &operator=(const CardCopy &) = delete;

    bool made() const { return m_made; }
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
    bool m_made = false;
};

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// Shows a dialog without blocking, lets it lay itself out and saves its picture.
bool grabDialog(QWidget &dialog, const QString &file)
{
    dialog.show();
    settle();
    return dialog.grab().save(file);
}

// The store index of the entry with memoryNumber; -1 when there is none.
int indexOfMemoryNumber(const views::AddressStore &store, int32_t memoryNumber)
{
    for (int index = 0; index < store.RecordCount(); ++index) {
        if (store.record(index) && store.record(index)->memoryNumber == memoryNumber)
            return index;
    }
    return -1;
}

// The tree open on the group with the given number, its rows listed.
void showGroup(views::CAddressView &view, int group)
{
    QTreeWidget *tree = view.tree();
    for (int top = 0; top < tree->topLevelItemCount(); ++top) {
        QTreeWidgetItem *root = tree->topLevelItem(top);
        if (root->data(0, Qt::UserRole).toInt() != views::AddressTreeGroupRootData)
            continue;
        root->setExpanded(true);
        for (int child = 0; child < root->childCount(); ++child) {
            if (root->child(child)->data(0, Qt::UserRole).toInt() == group)
                tree->setCurrentItem(root->child(child));
        }
    }
}

void selectEntry(views::CAddressView &view, int index)
{
    view.clearSelection();
    for (int row = 0; row < view.store().RowCount(); ++row) {
        if (view.store().rowIndex(row) == index)
            view.selectRow(row);
    }
}

// Loads the view's kind from the card at root through the card transfer, as the load command
// does; false when nothing was added.
bool loadCard(app::CMobileApp &mobile, platform::MessageBoxes &messages, views::DataView &view,
              const app::CardRoot &root)
{
    SteppingClock clock;
    app::HostCardPlugin plugin(mobile.plugins());
    app::ProgressDialog progress(clock, mobile.frame());
    app::WaitCursor busy;
    FixedCard chooser(root);
    app::CardTransfer transfer({plugin, mobile.limits(), messages, progress, busy, chooser});
    if (transfer.loadFromRoot(view, root) > 0)
        return true;
    std::fprintf(stderr, "the sample card did not load\n");
    return false;
}

// The address pictures: the sample card loaded through the card transfer, the editor on one
// entry page by page, the multi-entry editor and the drive dialog offering the card's folder.
bool saveAddressShots(app::CMobileApp &mobile, platform::MessageBoxes &messages,
                      const std::string &sampleCard, const QDir &out)
{
    const CardCopy copy(sampleCard);
    if (!copy.made())
        return false;
    const std::string &card = copy.path();
    app::CMainFrame *frame = mobile.frame();
    frame->executeCommand(app::CmdAddressView);
    auto *view = static_cast<views::CAddressView *>(frame->dataView(app::KindAddress));
    if (!loadCard(mobile, messages, *view, {card, ""}))
        return false;
    // 山田花子 of group 1 (友人), memory number 12; 佐藤一郎, memory number 13, of group 2.
    constexpr int Friends = 1;
    const int hanako = indexOfMemoryNumber(view->store(), 12);
    const int ichiro = indexOfMemoryNumber(view->store(), 13);
    if (hanako < 0 || ichiro < 0) {
        std::fprintf(stderr, "the sample card lacks memory number 12 or 13\n");
        return false;
    }
    showGroup(*view, Friends);
    selectEntry(*view, hanako);
    // The title and the counts of the status bar follow the loaded book.
    frame->executeCommand(app::CmdAddressView);
    // Wide enough for every column of the list.
    frame->resize(1040, frame->height());
    settle();
    bool saved = frame->grab().save(out.filePath("view-address.png"));

    const views::AddressEditSetup setup
        = views::currentAddressEditSetup(mobile.limits(), mobile.plugins(), messages);
    AddressRecord buffer{};
    view->store().GetRecord(hanako, buffer);
    views::AddressEditDialog editor(buffer, false, setup, view->store().groups(),
                                    views::takenElsewhereIn(view->store(), hanako), frame);
    const char *const pages[]
        = {"address-edit-basic.png", "address-edit-phone.png", "address-edit-mail.png",
           "address-edit-postal.png", "address-edit-other.png"};
    for (int page = 0; page < editor.tabs()->count(); ++page) {
        editor.tabs()->setCurrentIndex(page);
        saved &= grabDialog(editor, out.filePath(pages[page]));
    }
    editor.reject();

    views::AddressMultiEditDialog multi(view->store(), {hanako, ichiro}, setup, frame);
    saved &= grabDialog(multi, out.filePath("address-multi-edit.png"));
    multi.reject();

    // The dialog as it opens with the card's copy remembered and no card mounted.
    app::DriveSelectDialog drives({}, {card}, nullptr, frame);
    saved &= grabDialog(drives, out.filePath("drive-dialog.png"));
    drives.reject();
    return saved;
}

// The mail pictures: the sample card's messages in the inbox with their decoded subjects, then
// the trash after two of them were deleted as the frame's delete does it.
bool saveMailShots(app::CMobileApp &mobile, platform::MessageBoxes &messages,
                   const std::string &sampleCard, const QDir &out)
{
    const CardCopy copy(sampleCard);
    app::CMainFrame *frame = mobile.frame();
    frame->executeCommand(app::CmdMailView);
    auto *view = static_cast<views::CMailView *>(frame->dataView(app::KindMail));
    if (!copy.made() || !loadCard(mobile, messages, *view, {copy.path(), ""}))
        return false;
    view->clearSelection();
    view->selectRow(0);
    frame->executeCommand(app::CmdMailView);
    frame->resize(1040, frame->height());
    settle();
    bool saved = frame->grab().save(out.filePath("view-mail-inbox.png"));

    for (int row : {1, 3})
        view->deleteEntryAtRow(row);
    view->compact();
    view->refresh();
    view->chooseFolder(views::MailStore::Trash);
    view->selectRow(0);
    settle();
    saved &= frame->grab().save(out.filePath("view-mail-trash.png"));
    return saved;
}

// The bookmark pictures: the sample card's bookmarks with their folders, the editor on one of
// them and the multi-bookmark editor. SH505i cards carry no folders, so the bookmarks are read
// with the P505i plug-in, whose cards do; the model is set back afterwards.
bool saveBookmarkShots(app::CMobileApp &mobile, platform::MessageBoxes &messages,
                       const std::string &sampleCard, const QDir &out)
{
    const CardCopy copy(sampleCard);
    app::CMainFrame *frame = mobile.frame();
    frame->executeCommand(app::CmdBookmarkView);
    auto *view = static_cast<views::CBookMarkView *>(frame->dataView(app::KindBookmark));
    const std::optional<std::string> model = mobile.plugins().currentModelName();
    const auto useModel = [&mobile](const std::string &name) {
        const bool chosen = mobile.plugins().selectByModelName(name);
        mobile.limits().refill(mobile.plugins());
        return chosen;
    };
    bool loaded = copy.made() && useModel("DoCoMo P505i")
                  && loadCard(mobile, messages, *view, {copy.path(), ""});
    loaded &= model && useModel(*model);
    if (!loaded)
        return false;
    view->clearSelection();
    view->selectRow(1);
    frame->executeCommand(app::CmdBookmarkView);
    frame->resize(720, frame->height());
    settle();
    bool saved = frame->grab().save(out.filePath("view-bookmark-folders.png"));

    const BookmarkLimits limits = views::readBookmarkLimits(mobile.limits());
    views::BookmarkEditDialog editor(view->store(), false, limits, &messages, frame);
    saved &= grabDialog(editor, out.filePath("bookmark-edit.png"));
    editor.reject();
    view->selectRow(2);
    views::BookmarkMultiEditDialog multi(view->store(), frame);
    saved &= grabDialog(multi, out.filePath("bookmark-multi-edit.png"));
    multi.reject();
    return saved;
}

// The schedule pictures: the sample card's entries loaded through the card transfer, the entry
// on the 15th at 09:00 clicked in the list (the calendar moves to its day, today stays marked)
// and the editor on that entry, page by page.
bool saveScheduleShots(app::CMobileApp &mobile, platform::MessageBoxes &messages,
                       const std::string &sampleCard, const QDir &out)
{
    const CardCopy copy(sampleCard);
    app::CMainFrame *frame = mobile.frame();
    frame->executeCommand(app::CmdScheduleView);
    auto *view = static_cast<views::CCalendarView *>(frame->dataView(app::KindSchedule));
    if (!copy.made() || !loadCard(mobile, messages, *view, {copy.path(), ""}))
        return false;
    int chosen = -1;
    for (int row = 0; row < view->store().RowCount(); ++row) {
        const ScheduleRecord *record = view->store().record(view->store().rowIndex(row));
        if (record && std::string(record->start) == "20261215T000000Z")
            chosen = row;
    }
    if (chosen < 0) {
        std::fprintf(stderr, "the sample card lacks the entry of 15 December\n");
        return false;
    }
    view->clearSelection();
    view->selectRow(chosen);
    emit view->list()->itemClicked(view->list()->topLevelItem(chosen), 0);
    frame->executeCommand(app::CmdScheduleView);
    frame->resize(1040, 680);
    settle();
    bool saved = frame->grab().save(out.filePath("view-schedule.png"));

    platform::SystemClock clock;
    const views::ScheduleEditSetup setup
        = views::currentScheduleEditSetup(mobile.limits(), mobile.plugins(), messages, clock);
    ScheduleRecord record{};
    view->store().GetRecord(view->store().rowIndex(view->store().selectedRows().at(0)), record,
                            view->calendarDate());
    views::ScheduleEditDialog editor(record, false, setup, frame);
    const char *const pages[] = {"schedule-edit-times.png", "schedule-edit-alarm.png"};
    for (int page = 0; page < editor.tabs()->count(); ++page) {
        editor.tabs()->setCurrentIndex(page);
        saved &= grabDialog(editor, out.filePath(pages[page]));
    }
    editor.reject();
    return saved;
}

// Saves a picture of each import report instead of waiting for its OK.
class GrabbedReports : public app::ReportPresenter
{
public:
    GrabbedReports(QWidget *parent, QString file)
        : m_parent(parent)
        , m_file(std::move(file))
    {
    }
    void showReport(const std::string &summary, const exchange::ImportReport &report) override
    {
        app::ReportDialog dialog(summary, report, m_parent);
        m_saved = grabDialog(dialog, m_file);
    }
    bool saved() const { return m_saved; }

private:
    QWidget *m_parent;
    QString m_file;
    bool m_saved = false;
};

// The import dialog answered with one file; nothing is exported.
class FixedExchangeFile : public app::ExchangeFileChooser
{
public:
    explicit FixedExchangeFile(std::string path)
        : m_path(std::move(path))
    {
    }
    std::optional<std::string> chooseExportPath(const exchange::ExchangeFormat &,
                                                const std::string &) override
    {
        return std::nullopt;
    }
    std::optional<std::string> chooseImportPath(const exchange::ExchangeFormat &,
                                                const std::string &) override
    {
        return m_path;
    }

private:
    std::string m_path;
};

// The exchange pictures: the File menu over the emptied address book, then the report of
// importing vCard into it as the import command does, and the book it leaves.
bool saveExchangeShots(app::CMobileApp &mobile, platform::MessageBoxes &messages,
                       const std::string &vCard, const QDir &out)
{
    app::CMainFrame *frame = mobile.frame();
    frame->executeCommand(app::CmdAddressView);
    views::DataView *view = frame->dataView(app::KindAddress);
    view->setModified(false);
    view->newData();
    frame->executeCommand(app::CmdAddressView);
    QMenu *file = frame->menuBar()->actions().at(0)->menu();
    file->popup(frame->mapToGlobal(QPoint(0, 0)));
    settle();
    bool saved = file->grab().save(out.filePath("file-menu.png"));
    file->close();

    GrabbedReports reports(frame, out.filePath("import-report.png"));
    FixedExchangeFile chooser(vCard);
    app::WaitCursor busy;
    platform::SystemClock clock;
    app::ExchangeFiles files(
        {mobile.plugins(), mobile.limits(), messages, reports, chooser, busy, clock});
    files.importInto(*view, app::importGroupsOf(view->core()));
    frame->executeCommand(app::CmdAddressView);
    settle();
    saved &= reports.saved();
    saved &= frame->grab().save(out.filePath("view-address-imported.png"));
    return saved;
}

// Every question answered Yes, nothing else shown.
class YesMessages : public platform::MessageBoxes
{
public:
    platform::MessageAnswer show(const platform::Message &message) override
    {
        return message.buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok
                                                               : platform::MessageAnswer::Yes;
    }
};

// The report of converting the schedule as the P505i would have saved it, opened under the
// current SH505i with the conversion accepted, and the schedule it leaves.
bool saveConversionShots(app::CMobileApp &mobile, const QDir &out)
{
    host::PluginHost &plugins = mobile.plugins();
    const int current = plugins.currentIndex();
    if (!plugins.selectByModelName("DoCoMo P505i"))
        return false;
    const uint32_t p505iCode = plugins.getPluginCode();
    plugins.select(current);

    app::CMainFrame *frame = mobile.frame();
    frame->executeCommand(app::CmdScheduleView);
    views::DataView *view = frame->dataView(app::KindSchedule);
    const std::vector<unsigned char> image = view->buildPcImage(p505iCode);
    const QTemporaryDir folder;
    const std::string path = folder.filePath("p505i.cpc").toStdString();
    if (app::replaceFile(path, image) != 0)
        return false;
    view->setModified(false);

    YesMessages yes;
    GrabbedReports reports(frame, out.filePath("conversion-report.png"));
    platform::SystemClock clock;
    app::ProgressDialog progress(clock, frame);
    app::WaitCursor busy;
    app::QtPcFileChooser chooser(frame);
    app::PcFiles files({plugins, yes, progress, busy, chooser, {}, &reports});
    bool saved = files.OpenPath(*view, path);
    frame->executeCommand(app::CmdScheduleView);
    settle();
    saved &= reports.saved();
    saved &= frame->grab().save(out.filePath("view-schedule-converted.png"));
    view->setModified(false); // nothing to offer for saving at the end
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s PROGRAM_DIR OUTPUT_DIR SAMPLE_CARD [VCARD]\n", argv[0]);
        return 2;
    }
    app::CMobileApp::useDialogFont();
    QTemporaryDir scratch;
    app::QtSettingsStore settings(scratch.filePath("settings.ini").toStdString());
    settings.writeInt("Setting", "FirstBoot", 0);
    settings.writeString("Setting", "Plugin", "DoCoMo SH505i");
    SilentMessages messages;
    NoShell shell;
    InstantClock clock;
    std::string programDirectory = QDir(argv[1]).absolutePath().toStdString() + "/";
    app::CMobileApp mobile(
        {settings, messages, shell, clock, programDirectory, scratch.path().toStdString(), {}});
    if (!mobile.start())
        return 1;
    app::CMainFrame *frame = mobile.frame();
    const QDir out(argv[2]);
    struct Shot
    {
        int command;
        const char *file;
    };
    const Shot shots[] = {{app::CmdMainView, "main-window.png"},
                          {app::CmdBookmarkView, "view-bookmark.png"},
                          {app::CmdMailView, "view-mail.png"},
                          {app::CmdScheduleView, "view-schedule.png"}};
    bool saved = true;
    for (const Shot &shot : shots) {
        frame->executeCommand(shot.command);
        settle();
        saved &= frame->grab().save(out.filePath(shot.file));
    }
    frame->executeCommand(app::CmdMainView);
    // The model dialog as the user sees it, then closed without a change.
    QTimer::singleShot(0, frame, [&] {
        settle();
        saved &= frame->modelDialog()->grab().save(out.filePath("model-dialog.png"));
        frame->modelDialog()->reject();
    });
    frame->executeCommand(app::CmdModelSetting);
    app::AboutDialog about(frame);
    about.show();
    settle();
    saved &= about.grab().save(out.filePath("about.png"));
    saved &= app::SplashWindow(programDirectory + "BANNER.BMP")
                 .grab()
                 .save(out.filePath("splash.png"));
    saved &= saveAddressShots(mobile, messages, argv[3], out);
    saved &= saveMailShots(mobile, messages, argv[3], out);
    saved &= saveBookmarkShots(mobile, messages, argv[3], out);
    saved &= saveScheduleShots(mobile, messages, argv[3], out);
    saved &= saveExchangeShots(
        mobile, messages, argc == 5 ? argv[4] : std::string(argv[3]) + "/SD_PIM/PIM00001.VCF", out);
    saved &= saveConversionShots(mobile, out);
    mobile.exit();
    return saved ? 0 : 1;
}
