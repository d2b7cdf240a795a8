#include "jis_code.h"

namespace handsetkit {
namespace {

bool isShiftJisTrail(uint8_t b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

} // namespace

bool isJisByte(unsigned b)
{
    return b >= 0x21 && b <= 0x7E;
}

bool isShiftJisLead(uint8_t b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

BytePair jisToShiftJis(uint8_t row, uint8_t cell)
{
    if (!isJisByte(row) || !isJisByte(cell))
        return {};
    unsigned trail;
    if (row & 1)
        trail = cell <= 0x5F ? cell + 0x1Fu : cell + 0x20u;
    else
        trail = cell + 0x7Eu;
    unsigned lead = ((row - 0x21u) >> 1) + 0x81u;
    if (lead > 0x9F)
        lead += 0x40;
    return {static_cast<uint8_t>(lead), static_cast<uint8_t>(trail)};
}

BytePair shiftJisToJis(uint8_t lead, uint8_t trail)
{
    if (!isShiftJisLead(lead) || !isShiftJisTrail(trail))
        return {};
    const unsigned k = lead < 0xA0 ? lead - 0x81u : lead - 0xC1u;
    unsigned row;
    unsigned cell;
    if (trail >= 0x9F) {
        row = 2 * k + 0x22;
        cell = trail - 0x7Eu;
    } else {
        row = 2 * k + 0x21;
        cell = trail <= 0x7E ? trail - 0x1Fu : trail - 0x20u;
    }
    if (!isJisByte(row) || !isJisByte(cell))
        return {};
    return {static_cast<uint8_t>(row), static_cast<uint8_t>(cell)};
}

} // namespace handsetkit
