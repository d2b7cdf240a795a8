#include "import_outcome.h"

#include "app/commands.h"
#include "app/frame_controller.h"
#include "app/string_table.h"
#include "views/address/address_view_core.h"

namespace app {

const views::GroupTable *importGroupsOf(const views::ViewCore &core)
{
    // Each kind has exactly one core class, so the kind tells the class.
    if (core.viewKind() != KindAddress)
        return nullptr;
    return &static_cast<const views::AddressViewCore &>(core).store().groups();
}

std::string importErrorText(exchange::ViewImportError error, int viewKind,
                            const std::string &shownPath)
{
    switch (error) {
    case exchange::ViewImportError::NotCalendar:
        return formatText(TextId::ImportNotCalendar, shownPath.c_str());
    case exchange::ViewImportError::UnsupportedVersion:
        return formatText(TextId::ImportUnsupportedVersion, shownPath.c_str());
    case exchange::ViewImportError::NotForKind:
        return formatText(TextId::ImportNotForKind, viewKindName(viewKind));
    case exchange::ViewImportError::None:
        break;
    }
    return {};
}

std::string importSummaryText(const exchange::ViewImport &imported, const std::string &shownPath)
{
    std::string summary
        = formatText(TextId::ImportAdded, shownPath.c_str(), imported.read, imported.added);
    if (imported.added < imported.read)
        summary += "\n" + formatText(TextId::ImportNotAllAdded, imported.read - imported.added);
    return summary;
}

} // namespace app
