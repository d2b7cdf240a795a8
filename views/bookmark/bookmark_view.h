#pragma once

#include "views/bookmark/bookmark_view_core.h"
#include "views/common/data_view.h"

namespace platform {
class ShellOpener;
}

namespace views {

// The bookmark view: one list of title, URL and folder mirroring the BookmarkStore of its
// BookmarkViewCore, which holds the records, the folders, the rows and their selection.
class CBookMarkView : public DataView
{
    Q_OBJECT

public:
    explicit CBookMarkView(QWidget *parent = nullptr);

    BookmarkStore &store() { return m_core.store(); }
    const BookmarkStore &store() const { return m_core.store(); }
    // Hands the first selected row's URL to the web browser when it is a web address; 0 when
    // nothing was handed over, else 1.
    int OpenBookmarkUrl(platform::ShellOpener &shell);

signals:
    // A double click in the list: the frame edits the selection (command 1012).
    void editRequested();

private:
    void headerClicked(int column);

    BookmarkViewCore m_core;
    BookmarkStore &m_store;
};

} // namespace views
