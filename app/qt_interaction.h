#pragma once

#include "platform/user_interaction.h"

class QWidget;

namespace app {

// Message boxes as Qt message boxes; texts converted from Shift_JIS at this boundary.
class QtMessageBoxes : public platform::MessageBoxes
{
public:
    // Boxes are owned by parent when one is given.
    void setParent(QWidget *parent) { m_parent = parent; }
    platform::MessageAnswer show(const platform::Message &message) override;

private:
    QWidget *m_parent = nullptr;
};

// File dialogs as Qt's own.
class QtFileDialogs : public platform::FileDialogs
{
public:
    void setParent(QWidget *parent) { m_parent = parent; }
    std::optional<std::string> openFile(const std::string &title, const std::string &filter,
                                        const std::string &directory) override;
    std::optional<std::string> saveFile(const std::string &title, const std::string &filter,
                                        const std::string &directory) override;

private:
    QWidget *m_parent = nullptr;
};

// Hands URLs to the desktop's default handler.
class DesktopShellOpener : public platform::ShellOpener
{
public:
    bool open(const std::string &url) override;
};

} // namespace app
