#pragma once

#include "common/inform_blocks.h"

#include <QDialog>

class QComboBox;

namespace platform {
class MessageBoxes;
}

namespace views {

class BookmarkStore;
class SjisLineEdit;

// "ﾌﾞｯｸﾏｰｸ - 新規作成" / "ﾌﾞｯｸﾏｰｸ - 編集": title, URL and folder of one bookmark, a new one
// (URL "http://") or the first selected row's. The edits take at most the model's title and
// URL lengths in bytes; the title has the focus. OK with an empty URL shows
// "URLは必ず入力してください。" and stays open; otherwise it hands the bookmark to the store
// (applyBookmarkEdit) and closes.
class BookmarkEditDialog : public QDialog
{
    Q_OBJECT

public:
    BookmarkEditDialog(BookmarkStore &store, bool newMode, const BookmarkLimits &limits,
                       platform::MessageBoxes *messages, QWidget *parent = nullptr);

    SjisLineEdit *titleEdit() const { return m_title; }
    SjisLineEdit *urlEdit() const { return m_url; }
    QComboBox *folderList() const { return m_folder; }

    void accept() override;

private:
    BookmarkStore &m_store;
    bool m_newMode;
    platform::MessageBoxes *m_messages;
    SjisLineEdit *m_title;
    SjisLineEdit *m_url;
    QComboBox *m_folder;
};

// Runs the editor on a new bookmark, or on the first selected row's (nothing happens in edit
// mode without a selection). True when OK stored the bookmark.
bool EditBookmark(BookmarkStore &store, bool newMode, const BookmarkLimits &limits,
                  platform::MessageBoxes *messages, QWidget *parent = nullptr);

} // namespace views
