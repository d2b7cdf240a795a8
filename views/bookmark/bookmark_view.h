#pragma once

#include "views/bookmark/bookmark_store.h"
#include "views/common/data_view.h"

namespace platform {
class ShellOpener;
}

namespace views {

// The bookmark view: one list of title, URL and folder mirroring the BookmarkStore, which holds
// the records, the folders, the rows and their selection.
class CBookMarkView : public DataView
{
    Q_OBJECT

public:
    explicit CBookMarkView(QWidget *parent = nullptr);

    BookmarkStore &store() { return m_store; }
    const BookmarkStore &store() const { return m_store; }
    // Shows the store as it stands now: rows, selection, sort arrow and the count report. Call
    // after changing the store directly (an edit).
    void showStore();
    // Hands the first selected row's URL to the web browser when it is a web address; 0 when
    // nothing was handed over, else 1.
    int OpenBookmarkUrl(platform::ShellOpener &shell);

    int entryCount() const override;
    void deleteEntryAtRow(int row) override;
    void compact() override;
    // RefreshAllRows, then showStore().
    void refresh() override;

    int entryCeiling() const override { return BookmarkStore::Ceiling; }
    int mergeCardBlock(const void *first) override;
    void *buildCardChain() override;

signals:
    // A double click in the list: the frame edits the selection (command 1012).
    void editRequested();

protected:
    void clearData() override;

private:
    void headerClicked(int column);

    BookmarkStore m_store;
};

} // namespace views
