#include "exchange_file_dialogs.h"

#include "app/pc_file_dialogs.h"
#include "app/string_table.h"
#include "exchange/exchange_formats.h"
#include "views/common/qt_text.h"

namespace app {

std::optional<std::string>
QtExchangeFileChooser::chooseExportPath(const exchange::ExchangeFormat &format,
                                        const std::string &suggestedPath)
{
    return runFileDialog(m_parent, {.title = views::toQString(text(TextId::ExportDialogTitle)),
                                    .filter = views::toQString(format.description),
                                    .defaultSuffix = QString::fromLatin1(format.extension + 1),
                                    .save = true,
                                    .startFile = suggestedPath});
}

std::optional<std::string>
QtExchangeFileChooser::chooseImportPath(const exchange::ExchangeFormat &format,
                                        const std::string &folder)
{
    return runFileDialog(m_parent, {.title = views::toQString(text(TextId::ImportDialogTitle)),
                                    .filter = views::toQString(format.description),
                                    .defaultSuffix = QString::fromLatin1(format.extension + 1),
                                    .startFolder = folder});
}

} // namespace app
