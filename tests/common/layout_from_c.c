/* Compiled as C: the record headers must stay usable from C, with the same layout. */
#include "common/data_block.h"
#include "common/data_kind.h"
#include "common/inform_blocks.h"

size_t cellvaneLayoutFromC(int which)
{
    switch (which) {
    case 0:
        return sizeof(AddressRecord);
    case 1:
        return offsetof(AddressRecord, note);
    case 2:
        return sizeof(CardFileInfo);
    case 3:
        return offsetof(OptionEntry, text);
    default:
        return (size_t)KIND_SCHEDULE;
    }
}
