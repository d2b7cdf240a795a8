#pragma once

#include "platform/file_time.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace handsetkit {

// The card's data-management file: a 16-byte header, then one 128-byte slot per data-file
// number k at 16 + 128 * (k - 1). Numbers are 16-bit big-endian.
constexpr size_t kPimHeaderSize = 16;
constexpr size_t kPimSlotSize = 128;

using PimHeader = std::array<uint8_t, kPimHeaderSize>;
using PimSlot = std::array<uint8_t, kPimSlotSize>;

uint16_t readBigEndian16(const uint8_t *bytes);
void writeBigEndian16(uint8_t *bytes, uint16_t value);

// The slot number of a data file: in its name without folder and extension, the first digit
// 1-9 starts a decimal number. Nothing when there is no such digit or the number exceeds the
// 16-bit slot range.
std::optional<uint16_t> pimDataFileNumber(std::string_view path);

// The header of a newly created file for data file n.
PimHeader newPimHeader(uint16_t n);

// The slot describing a data file: kind marker, template words and texts from the 128-byte
// template, the file's time stamp and name. Chain links are left 0. Nothing when the time
// stamp does not fit its text fields.
std::optional<PimSlot> buildPimSlot(const uint8_t *slotTemplate, const platform::LocalTime &stamp);

// Puts target into slot n of slots (slots[k - 1] is slot k, n <= slots.size()) and relinks the
// chain of used slots: every slot gets its own number, every used slot the numbers of the used
// slots before and after it, every free slot a previous of 0. Returns the count of used slots.
uint16_t registerPimSlot(std::vector<PimSlot> &slots, uint16_t n, const PimSlot &target);

} // namespace handsetkit
