#pragma once

#include <cstdint>
#include <string>

namespace platform {
class MessageBoxes;
class ShellOpener;
} // namespace platform

namespace views {

class MailStore;

// Open selected: every selected message of store, from the first row to the last, is exported
// to folder (ExportMailText, with seconds as the time of this call) and handed to the
// desktop's mail program. A file that cannot be written shows TextId::TempFileFailed with the
// error number, a message no program takes TextId::NoMailProgram (both warnings); either way
// the next message follows. Returns the number of messages handed over.
int OpenSelectedMessages(const MailStore &store, const std::string &folder, uint64_t seconds,
                         platform::ShellOpener &shell, platform::MessageBoxes &messages);

} // namespace views
