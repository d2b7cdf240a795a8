#pragma once

#include "app/commands.h"
#include "app/settings_store.h"
#include "app/startup.h"
#include "platform/user_interaction.h"
#include "views/common/view_operations.h"

#include <array>
#include <functional>
#include <string>

namespace host {
class KindLimitCache;
class PluginHost;
} // namespace host

namespace app {

// The main frame's decisions, free of widgets: the current view kind, which commands are
// enabled, the window title and status texts, the delete command and the closing sequence.
class FrameController
{
public:
    // The frame's save of a view kind to its PC file (the save-as dialog first): true when the
    // data were written.
    using PcFileSave = std::function<bool(int viewKind)>;

    // The four views in kind order (bookmarks, address book, mail, schedule).
    using Views = std::array<views::ViewOperations *, 4>;

    FrameController(host::PluginHost &plugins, const host::KindLimitCache &limits,
                    platform::MessageBoxes &messages, SettingsStore &settings, Views views);

    void setPcFileSave(PcFileSave save) { m_save = std::move(save); }

    int viewKind() const { return m_kind; }
    void setViewKind(int kind);
    // The data view of the current kind; null for the picture view.
    views::ViewOperations *activeView() const;
    views::ViewOperations *view(int kind) const;

    bool isEnabled(int command) const;

    // "<file name or 無題> - Cellvane" for a data view, "Cellvane" for the picture view.
    std::string title() const;
    // "<total> 件中 <selected> 件選択" for a data view (negative numbers shown as 0), empty for
    // the picture view.
    std::string selectionText(int selected, int total) const;
    // The current model's name, empty when it cannot be had.
    std::string modelText() const;

    // The delete command: asks, deletes the selected entries, compacts and refreshes, then
    // selects the row before the first deleted one.
    void deleteSelected();

    // Offers to save each kind with unsaved data, then writes the settings. False, with the
    // window to stay open and nothing written, when the user cancelled a question or a save
    // that was asked for did not happen (its dialog cancelled, or the write failed): closing
    // then would lose the data.
    bool runClosingSequence(const FramePlacement &placement, bool zoomed);

    // The help page of the current kind (kind + 1).
    int helpPage() const { return m_kind + 1; }

private:
    bool isEnabledForKind(int command, const views::ViewOperations &view) const;
    int selectedCount(const views::ViewOperations &view) const;

    host::PluginHost &m_plugins;
    const host::KindLimitCache &m_limits;
    platform::MessageBoxes &m_messages;
    SettingsStore &m_settings;
    Views m_views;
    PcFileSave m_save;
    int m_kind = KindPicture;
};

// The Shift_JIS display name of view kind 1 to 4; empty for another kind.
const char *viewKindName(int kind);
// The settings section of view kind 1 to 4.
const char *viewKindSection(int kind);

} // namespace app
