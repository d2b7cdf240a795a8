/*
 * A model plug-in for the host's tests. Its model name is its own file name without the
 * extension, so one build copied under several names gives several models. Built in variants:
 * OMIT_LAST_ERROR leaves out GetPluginLastError; ODD_TABLES answers limit tables with a wrong
 * version and a size too small for their words.
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#define EXPORT __attribute__((visibility("default")))

static int lastError;

static const char *ownPath(void)
{
    Dl_info info;
    if (!dladdr((void *)&ownPath, &info) || !info.dli_fname)
        return "";
    return info.dli_fname;
}

static void baseName(char *out, size_t size)
{
    const char *path = ownPath();
    const char *slash = strrchr(path, '/');
    const char *name = slash ? slash + 1 : path;
    size_t length = strcspn(name, ".");
    if (length >= size)
        length = size - 1;
    memcpy(out, name, length);
    out[length] = 0;
}

EXPORT char *GetSupportModelName(void)
{
    char *block = calloc(1025, 1);
    if (!block) {
        lastError = -9999;
        return NULL;
    }
    baseName(block, 1025);
    lastError = 0;
    return block;
}

EXPORT uint32_t GetPluginCode(void)
{
    /* A code of its own per name, as every real model has. */
    char name[256];
    baseName(name, sizeof name);
    uint32_t hash = 2166136261u;
    for (const char *c = name; *c; ++c)
        hash = (hash ^ (unsigned char)*c) * 16777619u;
    return hash;
}

static void *limitTable(int type, uint32_t size, int32_t capacity)
{
    unsigned char *block = calloc(size, 1);
    if (!block)
        return NULL;
#ifdef ODD_TABLES
    const uint32_t header[3] = {0x10001, 24, (uint32_t)type};
#else
    const uint32_t header[3] = {0x10000, size, (uint32_t)type};
#endif
    memcpy(block, header, sizeof header);
    memcpy(block + 24, &capacity, sizeof capacity);
    return block;
}

EXPORT void *GetInformTable(int type, int index)
{
    (void)index;
    void *table = NULL;
    switch (type) {
    case 1:
        table = limitTable(1, 60, 50);
        break;
    case 2:
        table = limitTable(2, 144, 750);
        break;
    case 4:
        table = limitTable(4, 128, 1000);
        break;
    default:
        break;
    }
    lastError = table ? 0 : -1;
    return table;
}

EXPORT void *LoadData(int kind, const char *path)
{
    (void)kind;
    (void)path;
    lastError = -999;
    return NULL;
}

EXPORT int SaveData(int kind, const char *path, void *block)
{
    (void)kind;
    (void)path;
    (void)block;
    lastError = -999;
    return lastError;
}

#ifndef OMIT_LAST_ERROR
EXPORT int GetPluginLastError(void)
{
    return lastError;
}
#endif
