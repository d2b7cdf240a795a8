#pragma once

// What the editor and cellvane-cli decide alike about an import of a file of today's programs
// into a view (exchange/view_import.h): the groups it files entries under, and the texts that
// tell how it went. Texts are Shift_JIS; shownPath is the file as the user is shown it.

#include "exchange/view_import.h"

#include <string>

namespace views {
class GroupTable;
class ViewCore;
} // namespace views

namespace app {

// The address book's groups for an import into core; null for another kind.
const views::GroupTable *importGroupsOf(const views::ViewCore &core);

// The message of a failed import into a view of viewKind; empty for ViewImportError::None.
std::string importErrorText(exchange::ViewImportError error, int viewKind,
                            const std::string &shownPath);

// What an import that read entries did: how many were read and added, and on a second line,
// when the view did not take every one, how many it left out.
std::string importSummaryText(const exchange::ViewImport &imported, const std::string &shownPath);

} // namespace app
