#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace fuzzing {

// The fuzzer's bytes as a NUL-terminated string in a block of exactly that size, so that any
// read past the terminator is caught.
inline std::unique_ptr<char[]> terminatedCopy(const uint8_t *data, size_t size)
{
    auto text = std::make_unique<char[]>(size + 1);
    for (size_t i = 0; i < size; ++i)
        text[i] = static_cast<char>(data[i]);
    text[size] = '\0';
    return text;
}

// Sizes, converts into a block of exactly the announced size plus extra, and checks that both
// calls agree.
template<typename Convert>
void sizeThenConvert(Convert convert, size_t extra)
{
    const int size = convert(nullptr);
    if (size < 0)
        std::abort();
    auto output = std::make_unique<char[]>(static_cast<size_t>(size) + extra);
    if (convert(output.get()) != size)
        std::abort();
}

} // namespace fuzzing
