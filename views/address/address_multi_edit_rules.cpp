#include "address_multi_edit_rules.h"

#include "common/sjis_cut.h"
#include "views/address/address_edit_slots.h"
#include "views/common/choice_lists.h"

namespace views {

AddressMultiChange wantedChanges(int groupPosition, int32_t groupNumber, int32_t phoneIllumination,
                                 int32_t mailIllumination, const GroupTable &groups)
{
    AddressMultiChange change;
    if (groupPosition > 0)
        change.group = AddressGroupChange{groupNumber, groupNameOf(groups, groupNumber)};
    if (phoneIllumination != NoChange)
        change.phoneIllumination = phoneIllumination;
    if (mailIllumination != NoChange)
        change.mailIllumination = mailIllumination;
    return change;
}

void applyMultiChange(AddressRecord &record, const AddressMultiChange &change)
{
    if (change.group) {
        record.groupNumber = change.group->number;
        copySjisField(record.groupName, change.group->name);
    }
    if (change.phoneIllumination)
        setIllumination(record, PhoneSlots, *change.phoneIllumination);
    if (change.mailIllumination)
        setIllumination(record, MailSlots, *change.mailIllumination);
}

} // namespace views
