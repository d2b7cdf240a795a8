#pragma once

#include "app/pc_files.h"

class QWidget;

namespace app {

// The PC data files' open and save-as dialogs: the kind's filter, the read-only box hidden;
// save as asks before an existing file is chosen.
class QtPcFileChooser : public PcFileChooser
{
public:
    explicit QtPcFileChooser(QWidget *parent)
        : m_parent(parent)
    {
    }

    std::optional<std::string> chooseOpenPath(int viewKind,
                                              const std::string &initialName) override;
    std::optional<std::string> chooseSavePath(int viewKind,
                                              const std::string &initialPath) override;

private:
    QWidget *m_parent;
};

} // namespace app
