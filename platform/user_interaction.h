#pragma once

#include <optional>
#include <string>

namespace platform {

// Message boxes, file dialogs and the hand-over of documents to the desktop go through these
// interfaces, so that the logic that uses them runs in tests with scripted answers. Every text
// is Shift_JIS; an implementation converts at the window boundary.

enum class MessageIcon { None, Information, Warning, Error, Question, Exclamation };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct Message
{
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    // The button that Enter presses; Ok/Yes when not given.
    std::optional<MessageAnswer> defaultAnswer;
};

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // Shows the message modally and returns the button pressed; closing the box without a
    // button counts as Cancel for Yes/No/Cancel, as No for Yes/No and as Ok for Ok.
    virtual MessageAnswer show(const Message &message) = 0;
};

class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // Asks for an existing file to open; nothing when the user cancels. filter is a
    // description followed by patterns, for example "Address book (*.apc)".
    virtual std::optional<std::string> openFile(const std::string &title, const std::string &filter,
                                                const std::string &directory)
        = 0;
    // Asks for a file name to save under; nothing when the user cancels.
    virtual std::optional<std::string> saveFile(const std::string &title, const std::string &filter,
                                                const std::string &directory)
        = 0;
};

class ShellOpener
{
public:
    virtual ~ShellOpener() = default;
    // Hands a URL (file:, http:, mailto:) to the program the desktop associates with it.
    // False when the desktop has no program for it; a missing page shows whatever the desktop
    // shows.
    virtual bool open(const std::string &url) = 0;
};

} // namespace platform
