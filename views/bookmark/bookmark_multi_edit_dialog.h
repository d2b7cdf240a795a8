#pragma once

#include <QDialog>

class QComboBox;

namespace views {

class BookmarkStore;

// "ﾌﾞｯｸﾏｰｸ - 編集(複数選択)": one folder for every selected bookmark. The list starts on
// "変更しない", then "なし" and the folders; OK applies the choice (applyBookmarkFolder) before
// the dialog closes, Cancel changes nothing.
class BookmarkMultiEditDialog : public QDialog
{
    Q_OBJECT

public:
    explicit BookmarkMultiEditDialog(BookmarkStore &store, QWidget *parent = nullptr);

    QComboBox *folderList() const { return m_folder; }

    void accept() override;

private:
    BookmarkStore &m_store;
    QComboBox *m_folder;
};

} // namespace views
