#pragma once

#include "common/data_kind.h"
#include "common/inform_blocks.h"
#include "common/sjis_literal.h"
#include "views/address/address_store.h"

#include <cstring>
#include <map>
#include <string>
#include <vector>

// An address record with memory number and name, no group, every other field empty.
inline AddressRecord addressRecord(int32_t memoryNumber, const char *name = "")
{
    AddressRecord record{};
    record.header.version = RECORD_VERSION_ADDRESS;
    record.header.size = sizeof(AddressRecord);
    record.header.kind = KIND_ADDRESS;
    record.memoryNumber = memoryNumber;
    record.groupNumber = -1;
    std::strncpy(record.name, name, sizeof record.name - 1);
    return record;
}

// The address limits of three phones, as their plug-ins answer them.
inline AddressLimits sh505iLimits()
{
    AddressLimits limits{};
    limits.capacity = 750;
    limits.numbersBelowCapacity = 1;
    limits.nameLength = 32;
    limits.readingLength = 32;
    limits.phoneSlots = 3;
    limits.phoneLength = 24;
    limits.mailSlots = 1;
    limits.mailLength = 50;
    limits.postalCodeLength = 0;
    limits.postalAddressLength = 0;
    limits.noteLength = 60;
    limits.phoneIconChoice = 1;
    return limits;
}

inline AddressLimits p505iLimits()
{
    AddressLimits limits{};
    limits.capacity = 800;
    limits.nameLength = 24;
    limits.readingLength = 10;
    limits.phoneSlots = 3;
    limits.phoneLength = 24;
    limits.mailSlots = 3;
    limits.mailLength = 50;
    limits.noteLength = 50;
    limits.phoneIconChoice = 1;
    limits.mailIconChoice = 1;
    limits.phoneIlluminationChoice = 1;
    limits.mailIlluminationChoice = 1;
    return limits;
}

inline AddressLimits n505iLimits()
{
    AddressLimits limits{};
    limits.capacity = 1000;
    limits.nameLength = 20;
    limits.readingLength = 18;
    limits.phoneSlots = 4;
    limits.phoneLength = 24;
    limits.mailSlots = 3;
    limits.mailLength = 50;
    limits.postalCodeLength = 8;
    limits.postalAddressLength = 93;
    limits.noteLength = 100;
    limits.phoneIconChoice = 1;
    limits.mailIconChoice = 1;
    return limits;
}

// The SO505i keeps no note.
inline AddressLimits so505iLimits()
{
    AddressLimits limits{};
    limits.capacity = 1000;
    limits.nameLength = 20;
    limits.readingLength = 18;
    limits.phoneSlots = 3;
    limits.phoneLength = 24;
    limits.mailSlots = 3;
    limits.mailLength = 50;
    limits.postalAddressLength = 128;
    limits.noteLength = 0;
    limits.phoneIconChoice = 1;
    limits.mailIconChoice = 1;
    return limits;
}

// Option names of a made-up model: two phone icons, two mail icons, three illumination colours.
inline views::OptionName fakeOptionNames()
{
    return [](int list, int index) -> std::optional<std::string> {
        static const std::map<int, std::vector<std::string>> lists = {
            {INFORM_PHONE_ICONS, {sjis("携帯"), sjis("自宅")}},
            {INFORM_MAIL_ICONS, {"PC", sjis("携帯ﾒｰﾙ")}},
            {INFORM_ILLUMINATIONS, {sjis("ﾚｯﾄﾞ"), sjis("ﾌﾞﾙｰ"), sjis("ｸﾞﾘｰﾝ")}},
        };
        const auto found = lists.find(list);
        if (found == lists.end() || index < 0 || size_t(index) >= found->second.size())
            return std::nullopt;
        return found->second[size_t(index)];
    };
}
