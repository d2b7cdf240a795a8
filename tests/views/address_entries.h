#pragma once

#include "common/records.h"

#include <algorithm>
#include <cstring>
#include <string>

// Address entries for the store and view tests.
struct Entry
{
    AddressRecord record{};

    explicit Entry(int memoryNumber, const std::string &name = "")
    {
        record.header = {RECORD_VERSION_ADDRESS, sizeof(AddressRecord), 1001, 0, 0};
        record.memoryNumber = memoryNumber;
        record.groupNumber = -1;
        put(record.name, name);
    }
    Entry &reading(const std::string &text)
    {
        put(record.reading, text);
        return *this;
    }
    Entry &group(int number, const std::string &name)
    {
        record.groupNumber = number;
        put(record.groupName, name);
        return *this;
    }
    Entry &phone(const std::string &number, int icon = 0)
    {
        put(record.phones[0].number, number);
        record.phones[0].icon = icon;
        return *this;
    }
    Entry &mail(const std::string &address, int icon = 0)
    {
        put(record.mails[0].address, address);
        record.mails[0].icon = icon;
        return *this;
    }
    operator const AddressRecord &() const { return record; }

private:
    template<size_t N>
    static void put(char (&field)[N], const std::string &text)
    {
        std::memset(field, 0, N);
        std::memcpy(field, text.data(), std::min(text.size(), N - 1));
    }
};
