#pragma once

// A file of today's programs merged into a view as a card load merges: the address book takes
// vCard files, the schedule iCalendar files (exchange_formats.h).

#include "exchange/import_report.h"

#include <string_view>

namespace host {
class KindLimitCache;
class PluginHost;
} // namespace host
namespace views {
class GroupTable;
class ViewOperations;
} // namespace views

namespace exchange {

enum class ViewImportError {
    None,
    NotForKind,         // the view's kind imports no format
    NotCalendar,        // a schedule import of a file that holds no iCalendar object
    UnsupportedVersion, // an iCalendar object of another version than 2.0
};

struct ViewImport
{
    ViewImportError error = ViewImportError::None;
    int read = 0;  // entries the file gave for the model, counted as the view counts them
    int added = 0; // of them, entries the view took (not duplicates, below its limit)
    ImportReport report;
};

// The current model the entries are fitted to, and the address book's groups (null for none).
struct ImportModel
{
    const host::KindLimitCache &limits;
    const host::PluginHost &plugins;
    const views::GroupTable *groups = nullptr;
};

// Reads bytes as the view kind's format and merges the entries into view as a card load does
// (view.mergeCardBlock: duplicates skipped, the view's limit, memory numbers another entry
// holds renumbered), the selection cleared first and the view refreshed when any was added. On an
// error the view is unchanged.
ViewImport importIntoView(views::ViewOperations &view, std::string_view bytes,
                          const ImportModel &model);

} // namespace exchange
