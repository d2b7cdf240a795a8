#pragma once

#include <optional>
#include <string>

namespace app {

// How the file dialogs offer the PC data file of a view kind: the filter's description and
// pattern, and the extension a name typed without one gets.
struct PcFileDialogKind
{
    const char *description; // Shift_JIS, "ｱﾄﾞﾚｽ帳ﾃﾞｰﾀ (*.apc)"
    const char *pattern;     // "*.apc"
    // ".apc": lower case like the pattern, so that a saved file shows in the dialog's list
    const char *extension;
};

// The dialog kind of view kind 1 to 4 (bookmarks, address book, mail, schedule); null for
// another kind.
const PcFileDialogKind *pcFileDialogKind(int viewKind);

// path as chosen in a file dialog, with extension (".apc") added when its file name has none
// (a name ending in a dot has an empty one, and keeps it).
std::string withExtension(const std::string &path, const char *extension);
// withExtension with the kind's extension.
std::string withPcFileExtension(const std::string &path, const PcFileDialogKind &kind);

// The view kind (1 bookmarks, 2 address book, 3 mail, 4 schedule) of the PC data file at path
// by the type text of its header ("BPC", "APC", "MPC", "CPC"); nothing when the file cannot be
// read or starts otherwise.
std::optional<int> pcFileKind(const std::string &path);

} // namespace app
