#include "address_view.h"

#include "views/address/address_edit_rules.h"
#include "views/address/address_tree.h"
#include "views/common/choice_lists.h"
#include "views/common/qt_text.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace views {
namespace {

constexpr int TreeWidth = 112;

int itemData(const QTreeWidgetItem *item)
{
    return item->data(0, Qt::UserRole).toInt();
}

QTreeWidgetItem *treeItem(const AddressTreeNode &node)
{
    auto *item = new QTreeWidgetItem(QStringList{toQString(node.text)});
    item->setData(0, Qt::UserRole, node.data);
    return item;
}

std::optional<int> filterOfItem(const QTreeWidgetItem *item)
{
    const QTreeWidgetItem *parent = item->parent();
    return AddressFilterOfNode(parent ? std::optional<int>(itemData(parent)) : std::nullopt,
                               itemData(item));
}

} // namespace

CAddressView::CAddressView(QWidget *parent)
    : DataView(2, app::TextId::KindAddress,
               {platform::MessageIcon::Question, platform::MessageAnswer::No}, parent)
    , m_store(m_core.store())
    , m_tree(new QTreeWidget(this))
{
    setObjectName("AddressView");
    setCore(m_core);
    QHeaderView *header = list()->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    connect(header, &QHeaderView::sectionClicked, this, &CAddressView::headerClicked);
    connect(list(), &QTreeWidget::itemDoubleClicked, this, [this] { emit editRequested(); });

    m_tree->setHeaderHidden(true);
    buildTree();
    setSidePanel(m_tree, TreeWidth);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &CAddressView::treeSelectionChanged);
    connect(m_tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *item) {
        if (item == m_groupRoot && rebuildGroupNodes())
            showListedRows();
    });
    showListedRows();
}

void CAddressView::buildTree()
{
    for (const AddressTreeBranch &branch : AddressTreeNodes()) {
        QTreeWidgetItem *top = treeItem(branch.node);
        for (const AddressTreeNode &child : branch.children)
            top->addChild(treeItem(child));
        m_tree->addTopLevelItem(top);
        if (branch.node.data == AddressTreeGroupRootData)
            m_groupRoot = top;
    }
    selectFilterNode();
}

bool CAddressView::rebuildGroupNodes()
{
    const QSignalBlocker blocker(m_tree);
    qDeleteAll(m_groupRoot->takeChildren());
    for (const AddressTreeNode &node : AddressGroupNodes(m_store.groups()))
        m_groupRoot->addChild(treeItem(node));
    // The store drops a group filter whose group is gone; the tree follows it.
    const bool fellBack = m_store.RebuildGroupTree();
    selectFilterNode();
    return fellBack;
}

void CAddressView::selectFilterNode()
{
    const QSignalBlocker blocker(m_tree);
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if (filterOfItem(*it) == m_store.filter()) {
            m_tree->setCurrentItem(*it);
            return;
        }
    }
}

void CAddressView::treeSelectionChanged()
{
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item)
        return;
    const std::optional<int> filter = filterOfItem(item);
    if (!filter || *filter == m_store.filter())
        return;
    m_store.setFilter(*filter);
    showListedRows();
}

void CAddressView::headerClicked(int column)
{
    m_store.SetSortColumn(column);
    m_store.RefreshGroupColumn();
    showListedRows();
}

std::vector<int> CAddressView::selectedIndexes() const
{
    std::vector<int> indexes;
    for (int row : m_store.selectedRows())
        indexes.push_back(m_store.rowIndex(row));
    return indexes;
}

void CAddressView::showStore()
{
    rebuildGroupNodes();
    showListedRows();
}

} // namespace views
