#pragma once

#include "app/string_table.h"
#include "platform/user_interaction.h"
#include "views/common/view_core.h"

#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace views {

// How a view asks its new-data question: its icon and the button Enter presses.
struct NewDataQuestionStyle
{
    platform::MessageIcon icon;
    platform::MessageAnswer defaultAnswer;
};

// The part every data view shares: the report-style entry list (several rows selectable,
// full-row selection, each row carrying its store index as Qt::UserRole data), the new-data
// question and the count report. The data operations are the kind's ViewCore's, followed by
// showStore(); each kind adds its core, its side panel and how it shows its store.
class DataView : public QWidget, public ViewOperations
{
    Q_OBJECT

public:
    // The frame's save of a kind to its PC file: true when the data were written.
    using PcFileSave = std::function<bool(int viewKind)>;

    DataView(int viewKind, app::TextId kindName, NewDataQuestionStyle style,
             QWidget *parent = nullptr);

    // The message boxes for the view's questions and the frame's PC-file save. Without a save
    // function, Yes to the new-data question counts as a save that did not happen, so nothing
    // is lost.
    void setServices(platform::MessageBoxes *messages, PcFileSave save);

    const char *kindName() const;
    bool isModified() const override { return m_core->isModified(); }
    void setModified(bool modified) override { m_core->setModified(modified); }

    int viewKind() const override { return m_viewKind; }
    int entryCount() const override { return m_core->entryCount(); }
    int listRowCount() const override;
    std::vector<int> selectedRows() const override;
    void clearSelection() override;
    void selectRow(int row) override;
    void selectAllRows() override;
    // Asks first when there is unsaved data (Yes saves, and a save that did not happen keeps
    // the data); then the core's newData() and showStore().
    bool newData() override;
    void deleteEntryAtRow(int row) override { m_core->deleteEntryAtRow(row); }
    void compact() override { m_core->compact(); }
    void refresh() override;
    const std::string &pcFolder() const override { return m_core->pcFolder(); }
    const std::string &pcName() const override { return m_core->pcName(); }
    void setPcFile(const std::string &folder, const std::string &name) override
    {
        m_core->setPcFile(folder, name);
    }
    int entryCeiling() const override { return m_core->entryCeiling(); }
    int mergeCardBlock(const void *first) override;
    void *buildCardChain() override { return m_core->buildCardChain(); }
    std::vector<unsigned char> buildPcImage(uint32_t pluginCode) const override
    {
        return m_core->buildPcImage(pluginCode);
    }
    int loadPcImage(const void *image, size_t size, uint32_t pluginCode) override;

    // Shows the store as it stands now: rows, selection, sort arrow, the kind's side panel and
    // the count report. Call after changing the store directly (an edit).
    virtual void showStore() { showListedRows(); }

    QTreeWidget *list() const { return m_list; }
    // The kind's core, for what works on its store directly (the exports).
    const ViewCore &core() const { return *m_core; }

signals:
    // Emitted when the selection or the rows change: selected rows and rows in the list.
    void selectionChanged(int selected, int total);
    // A right click in the list, at the global position.
    void contextMenuRequested(const QPoint &globalPosition);

protected:
    void setColumns(const std::vector<ListColumn> &columns);
    // Places side (a tree or folder list) to the left of the list.
    void setSidePanel(QWidget *side, int width);
    // The kind's core, whose store's rows the list shows and whose selection follows the
    // user's; given once by each kind's constructor, before anything else of the view is used.
    void setCore(ViewCore &core);
    // Shows the store's rows as they stand (texts, store indexes, selection, the sort column's
    // arrow), then the count report. The selection signal is not emitted.
    void showListedRows();
    void reportSelection();

private:
    int m_viewKind;
    app::TextId m_kindName;
    NewDataQuestionStyle m_style;
    QTreeWidget *m_list;
    platform::MessageBoxes *m_messages = nullptr;
    PcFileSave m_save;
    ViewCore *m_core = nullptr;
};

} // namespace views
