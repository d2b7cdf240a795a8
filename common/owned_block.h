#pragma once

// Ownership of a block that crossed a library boundary: calloc'd by its producer, freed by its
// receiver with free. C++ only.

#include <cstdlib>
#include <memory>

struct FreeBlock
{
    void operator()(void *block) const { std::free(block); }
};

template<typename T = void>
using OwnedBlock = std::unique_ptr<T, FreeBlock>;
