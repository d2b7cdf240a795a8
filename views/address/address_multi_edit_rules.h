#pragma once

// What the address book's multi edit changes in every selected record: the group and the
// illumination colours, each only when the user chose a change.

#include "common/records.h"

#include <cstdint>
#include <optional>
#include <string>

namespace views {

class GroupTable;

// The value every choice list of the multi edit starts on: "変更しない".
constexpr int32_t NoChange = -1;

struct AddressGroupChange
{
    int32_t number; // -1: no group
    std::string name;
};

struct AddressMultiChange
{
    std::optional<AddressGroupChange> group;
    std::optional<int32_t> phoneIllumination;
    std::optional<int32_t> mailIllumination;

    bool wanted() const { return group || phoneIllumination || mailIllumination; }
};

// The changes the three lists ask for: a group change when the group list is beyond its first
// item "変更しない" (groupNumber -1 for "なし", the name from groups); an illumination change
// when that list's value is not NoChange.
AddressMultiChange wantedChanges(int groupPosition, int32_t groupNumber, int32_t phoneIllumination,
                                 int32_t mailIllumination, const GroupTable &groups);

// Applies change to record: group number and name, the illumination bytes.
void applyMultiChange(AddressRecord &record, const AddressMultiChange &change);

} // namespace views
