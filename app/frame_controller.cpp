#include "frame_controller.h"

#include "app/string_table.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "platform/sjis_text.h"

#include <algorithm>

namespace app {
namespace {

// The most entries a view holds, whatever the model.
constexpr int EntryCeiling = 1000;
constexpr int MailCeiling = 3000;

bool isDataKind(int kind)
{
    return kind >= KindBookmark && kind <= KindSchedule;
}

} // namespace

const char *viewKindName(int kind)
{
    switch (kind) {
    case KindBookmark:
        return text(TextId::KindBookmark);
    case KindAddress:
        return text(TextId::KindAddress);
    case KindMail:
        return text(TextId::KindMail);
    case KindSchedule:
        return text(TextId::KindSchedule);
    default:
        return "";
    }
}

const char *viewKindSection(int kind)
{
    static const char *const Sections[] = {"Bookmark", "Address", "Mail", "Schedule"};
    return isDataKind(kind) ? Sections[kind - 1] : "";
}

FrameController::FrameController(host::PluginHost &plugins, const host::KindLimitCache &limits,
                                 platform::MessageBoxes &messages, SettingsStore &settings,
                                 Views views)
    : m_plugins(plugins)
    , m_limits(limits)
    , m_messages(messages)
    , m_settings(settings)
    , m_views(views)
{
}

void FrameController::setViewKind(int kind)
{
    if (kind >= KindPicture && kind <= KindSchedule)
        m_kind = kind;
}

views::ViewOperations *FrameController::view(int kind) const
{
    return isDataKind(kind) ? m_views[static_cast<size_t>(kind - 1)] : nullptr;
}

views::ViewOperations *FrameController::activeView() const
{
    return view(m_kind);
}

int FrameController::selectedCount(const views::ViewOperations &view) const
{
    return static_cast<int>(view.selectedRows().size());
}

bool FrameController::isEnabled(int command) const
{
    switch (command) {
    case CmdBookmarkView:
    case CmdAddressView:
    case CmdMailView:
    case CmdScheduleView:
    case CmdBanner:
    case CmdHelp:
    case CmdExit:
    case CmdSelectAll:
    case CmdAbout:
    case CmdExitMenu:
        return true;
    case CmdModelSetting:
        return m_plugins.count() > 1;
    default:
        break;
    }
    const views::ViewOperations *active = activeView();
    return active && isEnabledForKind(command, *active);
}

bool FrameController::isEnabledForKind(int command, const views::ViewOperations &view) const
{
    const int count = view.entryCount();
    const int selected = selectedCount(view);
    const int rows = view.listRowCount();
    switch (command) {
    case CmdOpenPcFile:
    case CmdMainView:
        return true;
    case CmdSaveAs:
    case CmdExport:
        return count > 0;
    case CmdDelete:
        return selected > 0;
    case CmdNewData:
        return m_kind != KindAddress;
    case CmdSave:
        return count > 0 && !view.pcFolder().empty() && !view.pcName().empty();
    case CmdViewItem:
        return (m_kind == KindBookmark && selected == 1) || (m_kind == KindMail && selected >= 1);
    default:
        break;
    }
    const int addressCapacity = m_limits.addressEntryCapacity();
    const int bookmarkCapacity = m_limits.bookmarkCapacity();
    switch (m_kind) {
    case KindBookmark:
        switch (command) {
        case CmdAdd:
            return count < EntryCeiling;
        case CmdEdit:
            return selected >= 1;
        case CmdLoadFromCard:
            return count < EntryCeiling && bookmarkCapacity > 0;
        case CmdSaveToCard:
            return bookmarkCapacity > 0 && rows >= 1;
        }
        break;
    case KindAddress:
        switch (command) {
        case CmdAdd:
            return count > 0 && count < EntryCeiling && count < addressCapacity;
        case CmdEdit:
            return selected >= 1;
        // An import merges as a card load does, under the same limit.
        case CmdLoadFromCard:
        case CmdImport:
            return count < EntryCeiling && count < addressCapacity;
        case CmdSaveToCard:
            return rows >= 1;
        }
        break;
    case KindMail:
        return command == CmdLoadFromCard && count < MailCeiling;
    case KindSchedule:
        switch (command) {
        case CmdAdd:
            return count < EntryCeiling;
        case CmdEdit:
            return selected == 1;
        case CmdLoadFromCard:
        case CmdImport:
            return count < EntryCeiling;
        case CmdSaveToCard:
            return rows >= 1;
        }
        break;
    }
    return false;
}

std::string FrameController::title() const
{
    const std::string application = text(TextId::AppTitle);
    const views::ViewOperations *active = activeView();
    if (!active)
        return application;
    // File names are the system's (UTF-8); the title is Shift_JIS like every text.
    const std::string &name = active->pcName();
    return (name.empty() ? std::string(text(TextId::Untitled)) : platform::utf8ToSjis(name)) + " - "
           + application;
}

std::string FrameController::selectionText(int selected, int total) const
{
    if (!isDataKind(m_kind))
        return {};
    return formatText(TextId::SelectionCount, std::max(total, 0), std::max(selected, 0));
}

std::string FrameController::modelText() const
{
    return m_plugins.currentModelName().value_or(std::string());
}

void FrameController::deleteSelected()
{
    views::ViewOperations *active = activeView();
    if (!active)
        return;
    const std::vector<int> rows = active->selectedRows();
    if (rows.empty())
        return;
    platform::Message question;
    question.text = formatText(TextId::DeleteQuestion, viewKindName(m_kind));
    question.caption = text(TextId::CaptionConfirmation);
    question.icon = platform::MessageIcon::Question;
    question.buttons = platform::MessageButtons::YesNo;
    question.defaultAnswer = platform::MessageAnswer::No;
    if (m_messages.show(question) != platform::MessageAnswer::Yes)
        return;
    for (int row : rows)
        active->deleteEntryAtRow(row);
    active->compact();
    active->refresh();
    if (active->listRowCount() > 0) {
        active->clearSelection();
        active->selectRow(std::max(rows.front() - 1, 0));
    }
}

bool FrameController::runClosingSequence(const FramePlacement &placement, bool zoomed)
{
    for (int kind = KindBookmark; kind <= KindSchedule; ++kind) {
        const views::ViewOperations *data = view(kind);
        if (!data || !data->isModified())
            continue;
        platform::Message question;
        question.text = formatText(TextId::UnsavedAtExit, viewKindName(kind));
        question.caption = text(TextId::CaptionWarning);
        question.icon = platform::MessageIcon::Exclamation;
        question.buttons = platform::MessageButtons::YesNoCancel;
        const platform::MessageAnswer answer = m_messages.show(question);
        if (answer == platform::MessageAnswer::Cancel)
            return false;
        if (answer == platform::MessageAnswer::Yes) {
            m_kind = kind;
            if (!m_save || !m_save(kind))
                return false;
        }
    }
    for (int kind = KindBookmark; kind <= KindSchedule; ++kind) {
        const views::ViewOperations *data = view(kind);
        if (!data || (data->pcFolder() + data->pcName()).empty())
            continue;
        m_settings.writeString(viewKindSection(kind), "Path", data->pcFolder());
        m_settings.writeString(viewKindSection(kind), "Name", data->pcName());
    }
    if (const std::optional<std::string> model = m_plugins.currentModelName())
        m_settings.writeString("Setting", "Plugin", *model);
    writeFramePlacement(m_settings, placement, zoomed);
    return true;
}

} // namespace app
