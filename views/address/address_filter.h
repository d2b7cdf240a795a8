#pragma once

#include "common/records.h"

namespace views {

// The AddressFilter codes: what the address list shows.
//   0        every entry
//   1        entries with an empty reading
//   2, 3, 4  readings beginning with an ASCII symbol, a Latin letter, a digit
//   5 - 14   readings beginning with a half-width katakana of the rows ｱ, ｶ, ｻ, ﾀ, ﾅ, ﾊ, ﾏ, ﾔ,
//            ﾗ, ﾜ (first byte only: ｶﾞ counts as ｶ; small kana, ｰ and full-width text belong
//            to no row)
//   15 - 24  memory numbers 100 * (code - 15) to 100 * (code - 14) - 1
//   -1       entries without a group
//   -2 - g   entries of group g
constexpr int AddressFilterAll = 0;
constexpr int AddressFilterNoReading = 1;
constexpr int AddressFilterFirstRange = 15;
constexpr int AddressFilterLastRange = 24;
constexpr int AddressFilterNoGroup = -1;

// The filter code of group number (0 or above).
constexpr int AddressFilterOfGroup(int group)
{
    return -2 - group;
}

// Whether record is listed under filter. The owner's own entry (memory number 99999) never is;
// an unknown code lists nothing.
bool PassesAddressFilter(int filter, const AddressRecord &record);

} // namespace views
