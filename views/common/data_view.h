#pragma once

#include "app/string_table.h"
#include "platform/user_interaction.h"
#include "views/common/record_store.h"
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

// The part every data view shares: a store of its kind's records, the report-style entry list
// (several rows selectable, full-row selection, each row carrying its store index), the PC file
// names and the unsaved flag. Each kind adds its columns, its row texts and its side panel.
class DataView : public QWidget, public ViewOperations
{
    Q_OBJECT

public:
    // Answers the frame's save of a kind to its PC file: 2 when the save was cancelled.
    using PcFileSave = std::function<int(int viewKind)>;

    DataView(int viewKind, uint32_t dataKind, app::TextId kindName, NewDataQuestionStyle style,
             QWidget *parent = nullptr);

    // The message boxes for the view's questions and the frame's PC-file save. Without a save
    // function, Yes to the new-data question counts as a cancelled save, so nothing is lost.
    void setServices(platform::MessageBoxes *messages, PcFileSave save);

    RecordStore &store() { return m_store; }
    const RecordStore &store() const { return m_store; }
    const char *kindName() const;
    void setModified(bool modified) { m_modified = modified; }

    int viewKind() const override { return m_viewKind; }
    int entryCount() const override;
    int listRowCount() const override;
    std::vector<int> selectedRows() const override;
    void clearSelection() override;
    void selectRow(int row) override;
    void selectAllRows() override;
    bool newData() override;
    void deleteEntryAtRow(int row) override;
    void compact() override;
    void refresh() override;
    const std::string &pcFolder() const override { return m_pcFolder; }
    const std::string &pcName() const override { return m_pcName; }
    void setPcFile(const std::string &folder, const std::string &name) override;
    bool isModified() const override { return m_modified; }

    QTreeWidget *list() const { return m_list; }

signals:
    // Emitted when the selection or the rows change: selected rows and rows in the list.
    void selectionChanged(int selected, int total);
    // A right click in the list, at the global position.
    void contextMenuRequested(const QPoint &globalPosition);

protected:
    // The texts of the columns for store index; called for listed records only.
    virtual std::vector<std::string> rowTexts(int index) const = 0;
    // Whether store index appears in the list under the view's current filter.
    virtual bool isListed(int index) const;
    // Called after newData() emptied the store, for the kind's own tables.
    virtual void dataCleared() {}

    void setColumns(const std::vector<ListColumn> &columns);
    // Places side (a tree or folder list) to the left of the list.
    void setSidePanel(QWidget *side, int width);

private:
    void reportSelection();

    int m_viewKind;
    app::TextId m_kindName;
    NewDataQuestionStyle m_style;
    RecordStore m_store;
    QTreeWidget *m_list;
    std::string m_pcFolder;
    std::string m_pcName;
    bool m_modified = false;
    platform::MessageBoxes *m_messages = nullptr;
    PcFileSave m_save;
};

} // namespace views
