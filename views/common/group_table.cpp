#include "group_table.h"

namespace views {
namespace {

constexpr size_t NotFound = static_cast<size_t>(-1);

template<typename Value>
size_t firstIndexOf(const std::vector<Value> &values, const auto &wanted)
{
    for (size_t i = 0; i < values.size(); ++i) {
        if (values[i] == wanted)
            return i;
    }
    return NotFound;
}

} // namespace

int GroupTable::numberAt(int index) const
{
    return index >= 0 && index < count() ? m_numbers[static_cast<size_t>(index)] : -1;
}

std::string GroupTable::nameAt(int index) const
{
    return index >= 0 && index < count() ? m_names[static_cast<size_t>(index)] : std::string();
}

std::string GroupTable::nameOfNumber(int number) const
{
    const size_t index = firstIndexOf(m_numbers, number);
    return index == NotFound ? std::string() : m_names[index];
}

int GroupTable::numberOfName(std::string_view name) const
{
    const size_t index = firstIndexOf(m_names, name);
    return index == NotFound ? -1 : m_numbers[index];
}

int GroupTable::indexOfNumber(int number) const
{
    const size_t index = firstIndexOf(m_numbers, number);
    return index == NotFound ? -1 : static_cast<int>(index);
}

void GroupTable::clear()
{
    m_names.clear();
    m_numbers.clear();
}

bool GroupTable::registerGroup(std::string_view name, int &number)
{
    if (number == -1 && name.empty())
        return false;
    // A name may be registered under -1, so "found" is told by the index, not by the number.
    const size_t named = firstIndexOf(m_names, name);
    const size_t numbered = firstIndexOf(m_numbers, number);
    if (numbered == NotFound) {
        if (named != NotFound) {
            number = m_numbers[named];
            return false;
        }
        m_names.emplace_back(name);
        m_numbers.push_back(number);
        return true;
    }
    const std::string &current = m_names[numbered];
    if (firstIndexOf(m_names, current) == numbered) {
        if (current == name)
            return false;
        if (named != NotFound) {
            number = m_numbers[named];
            return false;
        }
    }
    m_names[numbered] = std::string(name);
    return true;
}

} // namespace views
