#include "address_filter.h"

#include "common/sjis_literal.h"

#include <iterator>
#include <string_view>

namespace views {
namespace {

// The first bytes of the reading that codes 2 to 14 take, in code order.
constexpr const char *ReadingRows[] = {
    "!\"#$%&'()=-~^|`@{[+;*:}]<,>.?/_\\",
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "0123456789",
    sjis("ｱｲｳｴｵ"),
    sjis("ｶｷｸｹｺ"),
    sjis("ｻｼｽｾｿ"),
    sjis("ﾀﾁﾂﾃﾄ"),
    sjis("ﾅﾆﾇﾈﾉ"),
    sjis("ﾊﾋﾌﾍﾎ"),
    sjis("ﾏﾐﾑﾒﾓ"),
    sjis("ﾔﾕﾖ"),
    sjis("ﾗﾘﾙﾚﾛ"),
    sjis("ﾜｦﾝ"),
};
constexpr int FirstReadingRow = 2;
constexpr int ReadingRowCount = static_cast<int>(std::size(ReadingRows));

bool readingBeginsWithRow(const AddressRecord &record, int row)
{
    const char first = record.reading[0];
    // The terminator is no member of any row.
    return first != '\0'
           && std::string_view(ReadingRows[row]).find(first) != std::string_view::npos;
}

} // namespace

bool PassesAddressFilter(int filter, const AddressRecord &record)
{
    if (record.memoryNumber == OWNER_MEMORY_NUMBER)
        return false;
    if (filter == AddressFilterAll)
        return true;
    if (filter == AddressFilterNoReading)
        return record.reading[0] == '\0';
    if (filter >= FirstReadingRow && filter < FirstReadingRow + ReadingRowCount)
        return readingBeginsWithRow(record, filter - FirstReadingRow);
    if (filter >= AddressFilterFirstRange && filter <= AddressFilterLastRange) {
        const int low = 100 * (filter - AddressFilterFirstRange);
        return record.memoryNumber >= low && record.memoryNumber < low + 100;
    }
    if (filter == AddressFilterNoGroup)
        return record.groupNumber == -1;
    if (filter < AddressFilterNoGroup)
        return record.groupNumber == -2 - filter;
    return false;
}

} // namespace views
