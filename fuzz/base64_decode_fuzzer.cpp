#include "codec/handset_kit.h"
#include "codec_fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto source = fuzzing::terminatedCopy(data, size);
    fuzzing::sizeThenConvert([&](char *dst) { return Base64Decode(source.get(), dst); }, 0);
    return 0;
}
