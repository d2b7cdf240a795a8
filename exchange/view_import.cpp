#include "view_import.h"

#include "exchange/ical_import.h"
#include "exchange/vcard_import.h"
#include "views/address/address_edit_rules.h"
#include "views/common/choice_lists.h"
#include "views/common/view_operations.h"
#include "views/schedule/schedule_edit_rules.h"

#include <algorithm>

namespace exchange {
namespace {

ViewImportError errorOf(IcalImportError error)
{
    switch (error) {
    case IcalImportError::None:
        return ViewImportError::None;
    case IcalImportError::NotCalendar:
        return ViewImportError::NotCalendar;
    case IcalImportError::UnsupportedVersion:
        return ViewImportError::UnsupportedVersion;
    }
    return ViewImportError::NotCalendar;
}

// Whether the view counts record as one of its entries: not the owner's own address entry,
// which a merge puts in place of the stored one.
bool countsAsEntry(const AddressRecord &record)
{
    return record.memoryNumber != OWNER_MEMORY_NUMBER;
}
bool countsAsEntry(const ScheduleRecord &)
{
    return true;
}

template<typename Record>
void merge(views::ViewOperations &view, const std::vector<Record> &records, ViewImport &result)
{
    result.read
        = static_cast<int>(std::count_if(records.begin(), records.end(), [](const Record &record) {
              return countsAsEntry(record);
          }));
    if (records.empty())
        return;
    view.clearSelection();
    result.added = view.mergeCardBlock(records.data());
    if (result.added > 0)
        view.refresh();
}

} // namespace

ViewImport importIntoView(views::ViewOperations &view, std::string_view bytes,
                          const ImportModel &model)
{
    ViewImport result;
    switch (view.viewKind()) {
    case 2: {
        AddressImport imported
            = importVCardAddresses(bytes, {views::readAddressLimits(model.limits),
                                           views::pluginOptionName(model.plugins), model.groups});
        result.report = std::move(imported.report);
        merge(view, imported.records, result);
        return result;
    }
    case 4: {
        ScheduleImport imported = importICalendar(bytes, views::readScheduleLimits(model.limits),
                                                  views::pluginOptionName(model.plugins));
        result.error = errorOf(imported.error);
        result.report = std::move(imported.report);
        merge(view, imported.records, result);
        return result;
    }
    default:
        result.error = ViewImportError::NotForKind;
        return result;
    }
}

} // namespace exchange
