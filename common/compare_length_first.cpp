#include "compare_length_first.h"

#include <cstring>

int CompareLengthFirst(const char *a, const char *b)
{
    const size_t lengthA = a ? std::strlen(a) : 0;
    const size_t lengthB = b ? std::strlen(b) : 0;
    if (lengthA != lengthB)
        return lengthA < lengthB ? -1 : 1;
    return lengthA == 0 ? 0 : std::memcmp(a, b, lengthA);
}
