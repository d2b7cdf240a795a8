#include "bookmark_multi_edit_dialog.h"

#include "app/string_table.h"
#include "common/sjis_literal.h"
#include "views/bookmark/bookmark_edit_rules.h"
#include "views/bookmark/bookmark_store.h"
#include "views/common/dialog_buttons.h"
#include "views/common/qt_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace views {

BookmarkMultiEditDialog::BookmarkMultiEditDialog(BookmarkStore &store, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
    , m_folder(new QComboBox(this))
{
    setWindowTitle(toQString(sjis("ﾌﾞｯｸﾏｰｸ - 編集(複数選択)")));
    m_folder->addItem(toQString(sjis("変更しない")), -1);
    for (const ChoiceItem &item : bookmarkFolderItems(store))
        m_folder->addItem(toQString(item.text), item.value);
    // The drop-down list is half the usual height.
    m_folder->setMaxVisibleItems(std::max(m_folder->maxVisibleItems() / 2, 1));

    auto *layout = new QVBoxLayout(this);
    auto *fields = new QFormLayout;
    fields->addRow(toQString(sjis("ﾌｫﾙﾀﾞ")), m_folder);
    layout->addLayout(fields);
    auto *note = new QLabel(toQString(sjis("選択中の全てのﾌﾞｯｸﾏｰｸの設定を変更します。")), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addWidget(okCancelButtons(this));
    setMinimumWidth(320);
}

void BookmarkMultiEditDialog::accept()
{
    applyBookmarkFolder(m_store, m_folder->currentIndex());
    QDialog::accept();
}

} // namespace views
