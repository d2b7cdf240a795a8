#pragma once

#include "app/exchange_files.h"

class QWidget;

namespace app {

// The export and import dialogs: the format's filter, the read-only box hidden; the export
// asks before an existing file is chosen.
class QtExchangeFileChooser : public ExchangeFileChooser
{
public:
    explicit QtExchangeFileChooser(QWidget *parent)
        : m_parent(parent)
    {
    }

    std::optional<std::string> chooseExportPath(const exchange::ExchangeFormat &format,
                                                const std::string &suggestedPath) override;
    std::optional<std::string> chooseImportPath(const exchange::ExchangeFormat &format,
                                                const std::string &folder) override;

private:
    QWidget *m_parent;
};

} // namespace app
