#pragma once

#include <cstdint>

// The six functions every model plug-in exports by name, as the host calls them. Every block a
// plug-in returns comes from calloc and is the caller's to free; a block handed to SaveData
// stays the caller's.
extern "C" {
// The model's display name, NUL-terminated; null on failure.
using GetSupportModelNameFn = char *(*)();
// The constant code that identifies the plug-in in PC data files.
using GetPluginCodeFn = uint32_t (*)();
// A copy of inform table type (limit table, option entry index, card-file description); null
// when the model has no such table or entry.
using GetInformTableFn = void *(*)(int type, int index);
// The records of one card file as a data block; null on failure.
using LoadDataFn = void *(*)(int kind, const char *path);
// Writes the chain starting at block into the card file path; returns the plug-in's error code.
using SaveDataFn = int (*)(int kind, const char *path, void *block);
// The code of the plug-in's last operation, 0 for success.
using GetPluginLastErrorFn = int (*)();
}
