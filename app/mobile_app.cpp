#include "mobile_app.h"

#include "app/frame_controller.h"
#include "app/main_frame.h"
#include "app/pc_files.h"
#include "app/splash_window.h"
#include "app/string_table.h"
#include "platform/directory_walk.h"
#include "views/common/data_view.h"
#include "views/mail/mail_subject.h"
#include "views/mail/mail_view.h"

#include <QApplication>
#include <QFont>
#include <QScreen>

#include <filesystem>
#include <utility>

namespace app {
namespace {

// How long a second copy waits for the running one to take its document: that one may still
// be starting.
constexpr int DocumentHandOverMilliseconds = 10000;

} // namespace

CMobileApp::CMobileApp(AppEnvironment environment)
    : m_environment(std::move(environment))
{
}

CMobileApp::~CMobileApp()
{
    // The views go before the plug-ins they were filled from.
    m_frame.reset();
    m_splash.reset();
}

void CMobileApp::useDialogFont()
{
    QFont font(QStringList{"MS PGothic", "IPAPGothic", "Noto Sans CJK JP", "VL PGothic"});
    font.setPixelSize(12);
    QApplication::setFont(font);
}

std::optional<TextId> CMobileApp::checkMachine() const
{
    // Every system this build runs on counts as accepted.
    const int osCode = classifyOperatingSystem({OsVersion::Family::Other, 0, 0, {}});
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return preflightProblem(osCode, 0, 0, 0);
    const QSize size = screen->size();
    return preflightProblem(osCode, size.width(), size.height(), screen->depth());
}

bool CMobileApp::start()
{
    const std::string socket = DocumentChannel::socketPath(
        m_environment.lockDirectory.empty() ? platform::SingleInstanceLock::defaultDirectory()
                                            : m_environment.lockDirectory);
    std::error_code error;
    const std::string document = m_environment.document.empty()
                                     ? std::string()
                                     : std::filesystem::absolute(m_environment.document, error)
                                           .lexically_normal()
                                           .string();
    if (!m_lock.acquire(InstanceLockName, m_environment.lockDirectory)) {
        if (!document.empty())
            DocumentChannel::send(socket, document, DocumentHandOverMilliseconds);
        return false;
    }
    // Documents handed on while start-up still runs (its dialogs run the event loop) wait.
    m_documents.listen(socket, [this](const std::string &path) { openDocument(path); });
    if (!document.empty())
        m_waitingDocuments.push_back(document);
    if (const std::optional<TextId> problem = checkMachine()) {
        m_environment.messages.show(preflightMessage(*problem));
        return false;
    }
    StartupServices services{m_environment.clock,
                             m_environment.settings,
                             m_environment.messages,
                             m_environment.shell,
                             m_codec,
                             m_plugins,
                             m_limits};
    if (!runStartup(m_environment.programDirectory, services, *this))
        return false;
    m_started = true;
    for (const std::string &path : std::exchange(m_waitingDocuments, {}))
        m_frame->openDocument(path);
    return true;
}

void CMobileApp::openDocument(const std::string &path)
{
    if (!m_started) {
        m_waitingDocuments.push_back(path);
        return;
    }
    m_frame->bringToFront();
    m_frame->openDocument(path);
}

void CMobileApp::exit()
{
    platform::removeFilesWithSuffix(views::CMailView::TempFolder(), ".eml");
    m_codec.unbind();
}

void CMobileApp::showSplash()
{
    m_splash = std::make_unique<SplashWindow>(m_environment.programDirectory + "BANNER.BMP");
    m_splash->showNow();
}

void CMobileApp::closeSplash()
{
    m_splash.reset();
}

bool CMobileApp::createFrame()
{
    m_frame = std::make_unique<CMainFrame>(
        FrameServices{m_plugins, m_limits, m_environment.messages, m_environment.settings,
                      m_environment.shell, m_environment.programDirectory});
    static_cast<views::CMailView *>(m_frame->dataView(KindMail))
        ->setCodecs(views::mailCodecsOf(m_codec));
    return m_frame != nullptr;
}

void CMobileApp::reopenPcFiles()
{
    // Silently: a file that has gone or is damaged leaves the view empty, and the remembered
    // names are kept, so the title still shows them.
    for (int kind = KindBookmark; kind <= KindSchedule; ++kind) {
        const std::string section = viewKindSection(kind);
        views::DataView *view = m_frame->dataView(kind);
        view->setPcFile(m_environment.settings.readString(section, "Path", ""),
                        m_environment.settings.readString(section, "Name", ""));
        const std::string path = view->pcFolder() + view->pcName();
        if (!path.empty()) {
            m_frame->pcFiles().LoadPcFile(*view, path, false);
            view->refresh();
        }
    }
}

void CMobileApp::showFrame(const std::optional<FramePlacement> &placement)
{
    if (placement)
        m_frame->applyPlacement(*placement);
    m_frame->show();
    m_frame->repaint();
}

} // namespace app
