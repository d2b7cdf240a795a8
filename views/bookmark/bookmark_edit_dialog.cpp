#include "bookmark_edit_dialog.h"

#include "app/string_table.h"
#include "common/sjis_literal.h"
#include "platform/user_interaction.h"
#include "views/bookmark/bookmark_edit_rules.h"
#include "views/bookmark/bookmark_store.h"
#include "views/common/dialog_buttons.h"
#include "views/common/qt_text.h"
#include "views/common/record_fields.h"
#include "views/common/sjis_edits.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace views {

BookmarkEditDialog::BookmarkEditDialog(BookmarkStore &store, bool newMode,
                                       const BookmarkLimits &limits,
                                       platform::MessageBoxes *messages, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
    , m_newMode(newMode)
    , m_messages(messages)
    , m_title(new SjisLineEdit(this))
    , m_url(new SjisLineEdit(this))
    , m_folder(new QComboBox(this))
{
    setWindowTitle(toQString(newMode ? sjis("ﾌﾞｯｸﾏｰｸ - 新規作成") : sjis("ﾌﾞｯｸﾏｰｸ - 編集")));
    BookmarkRecord record{};
    store.GetRecord(newMode ? -1 : store.firstSelectedIndex(), record);

    m_title->setByteLimit(limits.titleLength);
    m_title->setSjisText(fieldText(record.title));
    m_url->setByteLimit(limits.urlLength);
    m_url->setInputMethodOff(true);
    m_url->setSjisText(fieldText(record.url));
    const std::vector<ChoiceItem> folders = bookmarkFolderItems(store);
    for (const ChoiceItem &item : folders)
        m_folder->addItem(toQString(item.text), item.value);
    m_folder->setCurrentIndex(std::max(positionOfValue(folders, record.folderNumber), 0));

    auto *layout = new QVBoxLayout(this);
    auto *fields = new QFormLayout;
    fields->addRow(toQString(sjis("ﾀｲﾄﾙ")), m_title);
    fields->addRow("URL", m_url);
    fields->addRow(toQString(sjis("ﾌｫﾙﾀﾞ")), m_folder);
    layout->addLayout(fields);
    layout->addWidget(okCancelButtons(this));
    setMinimumWidth(420);
    // The title is typed first; the desktop's input method picks its own mode.
    m_title->setFocus();
}

void BookmarkEditDialog::accept()
{
    const std::optional<BookmarkRecord> record = editedBookmark(
        m_store, m_title->sjisText(), m_url->sjisText(), m_folder->currentData().toInt());
    if (!record) {
        if (m_messages)
            m_messages->show({app::text(app::TextId::UrlRequired), app::text(app::TextId::AppTitle),
                              platform::MessageIcon::Warning, platform::MessageButtons::Ok,
                              std::nullopt});
        return;
    }
    applyBookmarkEdit(m_store, *record, m_newMode);
    QDialog::accept();
}

bool EditBookmark(BookmarkStore &store, bool newMode, const BookmarkLimits &limits,
                  platform::MessageBoxes *messages, QWidget *parent)
{
    if (!newMode && store.selectedRows().empty())
        return false;
    BookmarkEditDialog dialog(store, newMode, limits, messages, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace views
