#pragma once

#include <cstdint>

namespace handsetkit {

// A double-byte character as its two bytes; {0, 0} stands for "no such character".
struct BytePair
{
    uint8_t first = 0;
    uint8_t second = 0;
};

// A byte of a JIS X 0208 row or cell.
bool isJisByte(unsigned b);

bool isShiftJisLead(uint8_t b);

// JIS X 0208 row and cell (both 0x21-0x7E) to the Shift_JIS pair; {0, 0} for any other input.
BytePair jisToShiftJis(uint8_t row, uint8_t cell);

// Shift_JIS pair to JIS X 0208 row and cell; {0, 0} when the pair has no code in 0x2121-0x7E7E
// (vendor and user-defined characters among them).
BytePair shiftJisToJis(uint8_t lead, uint8_t trail);

} // namespace handsetkit
