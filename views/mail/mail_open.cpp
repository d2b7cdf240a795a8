#include "mail_open.h"

#include "app/string_table.h"
#include "platform/user_interaction.h"
#include "views/mail/mail_export.h"
#include "views/mail/mail_store.h"

namespace views {
namespace {

void warn(platform::MessageBoxes &messages, std::string text)
{
    messages.show({std::move(text), app::text(app::TextId::CaptionWarning),
                   platform::MessageIcon::Warning, platform::MessageButtons::Ok, std::nullopt});
}

} // namespace

int OpenSelectedMessages(const MailStore &store, const std::string &folder, uint64_t seconds,
                         platform::ShellOpener &shell, platform::MessageBoxes &messages)
{
    int opened = 0;
    for (int row : store.selectedRows()) {
        const int index = store.rowIndex(row);
        if (!store.record(index))
            continue;
        const MailExportResult exported = ExportMailText(folder, seconds, store.text(index));
        if (exported.path.empty()) {
            warn(messages, app::formatText(app::TextId::TempFileFailed, exported.error));
            continue;
        }
        if (!shell.open("file://" + exported.path)) {
            warn(messages, app::text(app::TextId::NoMailProgram));
            continue;
        }
        ++opened;
    }
    return opened;
}

} // namespace views
