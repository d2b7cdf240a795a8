#include "mail_view.h"

#include "common/sjis_literal.h"
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

// Heading and width of each cell kind, in MailCell order.
const ListColumn CellColumns[] = {
    {sjis("状態"), 80},  {sjis("送信者"), 210}, {sjis("宛先"), 210},
    {sjis("日時"), 160}, {sjis("件名"), 340},
};

} // namespace

CMailView::CMailView(QWidget *parent)
    : DataView(3, app::TextId::KindMail,
               {platform::MessageIcon::Warning, platform::MessageAnswer::Cancel}, parent)
    , m_folders(new QListWidget(this))
    , m_exportFolder(TempFolder())
{
    setObjectName("MailView");
    setListedStore(m_store);
    for (const char *name : {sjis("受信箱"), sjis("送信箱"), sjis("ゴミ箱")})
        m_folders->addItem(toQString(name));
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
    std::vector<ListColumn> columns;
    for (MailCell cell : m_store.columns())
        columns.push_back(CellColumns[static_cast<size_t>(cell)]);
    list()->setColumnCount(static_cast<int>(columns.size()));
    setColumns(columns);
}

void CMailView::headerClicked(int column)
{
    m_store.SetSortColumn(column);
    showListedRows();
}

int CMailView::entryCount() const
{
    return m_store.RecordCount();
}

void CMailView::deleteEntryAtRow(int row)
{
    m_store.MarkRowDeleted(row);
}

void CMailView::compact()
{
    m_store.Purge();
}

void CMailView::refresh()
{
    m_store.Rebuild();
    showListedRows();
}

int CMailView::mergeCardBlock(const void *first)
{
    const int added = m_store.AddRecords(first, false, true, true);
    showListedRows();
    return added;
}

void CMailView::clearData()
{
    m_store.ResetData();
}

} // namespace views
