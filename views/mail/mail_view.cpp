#include "mail_view.h"

#include "views/common/qt_text.h"
#include "views/mail/mail_open.h"

#include <QDateTime>
#include <QHeaderView>
#include <QListWidget>
#include <QStandardPaths>
#include <QTreeWidget>

namespace views {
namespace {

constexpr int FolderListWidth = 64;

} // namespace

CMailView::CMailView(QWidget *parent)
    : DataView(3, app::TextId::KindMail,
               {platform::MessageIcon::Warning, platform::MessageAnswer::Cancel}, parent)
    , m_store(m_core.store())
    , m_folders(new QListWidget(this))
    , m_exportFolder(TempFolder())
{
    setObjectName("MailView");
    setCore(m_core);
    for (int folder : {MailStore::Inbox, MailStore::Outbox, MailStore::Trash})
        m_folders->addItem(toQString(MailViewCore::boxName(folder)));
    setSidePanel(m_folders, FolderListWidth);
    connect(m_folders, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != m_store.folder()) {
            m_store.ChooseFolder(row);
            showColumns();
            showListedRows();
            list()->setFocus();
        }
    });

    QHeaderView *header = list()->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    connect(header, &QHeaderView::sectionClicked, this, &CMailView::headerClicked);
    connect(list(), &QTreeWidget::itemDoubleClicked, this, [this] { emit openRequested(); });
    chooseFolder(MailStore::Inbox);
    showColumns();
    showListedRows();
}

std::string CMailView::TempFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation).toStdString()
           + "/mtemp/";
}

void CMailView::setCodecs(MailCodecs codecs)
{
    m_store.setCodecs(std::move(codecs));
    showListedRows();
}

void CMailView::setExportFolder(std::string folder)
{
    m_exportFolder = std::move(folder);
}

void CMailView::chooseFolder(int folder)
{
    if (folder >= MailStore::Inbox && folder <= MailStore::Trash)
        m_folders->setCurrentRow(folder);
}

void CMailView::OpenSelected(platform::ShellOpener &shell, platform::MessageBoxes &messages)
{
    OpenSelectedMessages(m_store, m_exportFolder,
                         static_cast<uint64_t>(QDateTime::currentSecsSinceEpoch()), shell,
                         messages);
}

void CMailView::showColumns()
{
    const std::vector<ListColumn> columns = m_core.columns();
    list()->setColumnCount(static_cast<int>(columns.size()));
    setColumns(columns);
}

void CMailView::headerClicked(int column)
{
    m_store.SetSortColumn(column);
    showListedRows();
}

} // namespace views
