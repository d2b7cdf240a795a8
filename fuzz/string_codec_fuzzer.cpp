#include "codec/handset_kit.h"
#include "codec_fuzzing.h"

// Built once per codec: STRING_CODEC names the function, OUTPUT_EXTRA the bytes it writes
// beyond its returned count (the terminator where the count leaves it out).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto source = fuzzing::terminatedCopy(data, size);
    fuzzing::sizeThenConvert([&](char *dst) { return STRING_CODEC(source.get(), dst); },
                             OUTPUT_EXTRA);
    return 0;
}
