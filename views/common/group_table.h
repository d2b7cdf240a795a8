#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace views {

// Named groups of a view, in order of registration: the address book's groups and the
// bookmark folders. Names are Shift_JIS and compared by length and bytes; a number may appear
// more than once, and lookups take its first entry.
class GroupTable
{
public:
    int count() const { return static_cast<int>(m_numbers.size()); }

    // The number at index, or -1 outside the table.
    int numberAt(int index) const;
    // The name at index, or empty outside the table.
    std::string nameAt(int index) const;
    // The name of the first entry with number, or empty.
    std::string nameOfNumber(int number) const;
    // The number of the first entry named name, or -1.
    int numberOfName(std::string_view name) const;
    // The index of the first entry with number, or -1.
    int indexOfNumber(int number) const;

    void clear();

    // Registers a record's group: name and number as the record holds them. A name that
    // already belongs to another number moves the record to that number (number is updated);
    // an unknown number is added; a known number whose name differs is renamed. Returns true
    // when the table changed.
    bool registerGroup(std::string_view name, int &number);

private:
    std::vector<std::string> m_names;
    std::vector<int> m_numbers;
};

} // namespace views
