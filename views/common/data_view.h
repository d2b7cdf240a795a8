#pragma once

#include "app/string_table.h"
#include "platform/user_interaction.h"
#include "views/common/listed_store.h"
#include "views/common/view_operations.h"

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

// A column of the entry list: Shift_JIS heading and width in pixels.
struct ListColumn
{
    const char *heading;
    int width;
};

// The part every data view shares: the report-style entry list (several rows selectable,
// full-row selection, each row carrying its store index as Qt::UserRole data), the PC file
// names, the new-data question and the count report. Each kind adds its store, its columns,
// its row texts and its side panel.
class DataView : public QWidget, public ViewOperations
{
    Q_OBJECT

public:
    // Answers the frame's save of a kind to its PC file: 2 when the save was cancelled.
    using PcFileSave = std::function<int(int viewKind)>;

    DataView(int viewKind, app::TextId kindName, NewDataQuestionStyle style,
             QWidget *parent = nullptr);

    // The message boxes for the view's questions and the frame's PC-file save. Without a save
    // function, Yes to the new-data question counts as a cancelled save, so nothing is lost.
    void setServices(platform::MessageBoxes *messages, PcFileSave save);

    const char *kindName() const;
    bool isModified() const override;
    void setModified(bool modified);

    int viewKind() const override { return m_viewKind; }
    int listRowCount() const override;
    std::vector<int> selectedRows() const override;
    void clearSelection() override;
    void selectRow(int row) override;
    void selectAllRows() override;
    // Asks first when there is unsaved data; then clearData(), empties the PC file names,
    // clears the unsaved flag and refresh()es.
    bool newData() override;
    const std::string &pcFolder() const override { return m_pcFolder; }
    const std::string &pcName() const override { return m_pcName; }
    void setPcFile(const std::string &folder, const std::string &name) override;

    QTreeWidget *list() const { return m_list; }

signals:
    // Emitted when the selection or the rows change: selected rows and rows in the list.
    void selectionChanged(int selected, int total);
    // A right click in the list, at the global position.
    void contextMenuRequested(const QPoint &globalPosition);

protected:
    // Empties the kind's store and its own tables, for newData().
    virtual void clearData() = 0;

    void setColumns(const std::vector<ListColumn> &columns);
    // Places side (a tree or folder list) to the left of the list.
    void setSidePanel(QWidget *side, int width);
    // The kind's store, whose rows the list shows and whose selection follows the user's;
    // given once by each kind's constructor, before anything else of the list is used.
    void setListedStore(ListedStore &store);
    // Shows the store's rows as they stand (texts, store indexes, selection, the sort column's
    // arrow), then the count report. The selection signal is not emitted.
    void showListedRows();
    void reportSelection();

private:
    int m_viewKind;
    app::TextId m_kindName;
    NewDataQuestionStyle m_style;
    QTreeWidget *m_list;
    std::string m_pcFolder;
    std::string m_pcName;
    platform::MessageBoxes *m_messages = nullptr;
    PcFileSave m_save;
    ListedStore *m_listed = nullptr;
};

} // namespace views
