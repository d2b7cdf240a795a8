#include "codec/handset_kit.h"
#include "codec_fuzzing.h"

// The first two bytes choose the line length and the prefix length (either may be negative).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const int lineLength = static_cast<int8_t>(data[0]);
    const int prefixLength = static_cast<int8_t>(data[1]);
    const auto source = fuzzing::terminatedCopy(data + 2, size - 2);
    fuzzing::sizeThenConvert(
        [&](char *dst) {
            return QuotedPrintableEncode(source.get(), dst, lineLength, prefixLength);
        },
        0);
    return 0;
}
