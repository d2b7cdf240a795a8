#pragma once

/*
 * The interface every model plug-in (Plugins/phone_<model>.pmd) exports, by these names with C
 * linkage, and nothing else.
 *
 * Ownership: every block a function returns comes from calloc and the caller frees it with free.
 * A chain handed to SaveData stays the caller's; the plug-in only reads it.
 *
 * Every function sets the plug-in's last error (GetPluginLastError) to one of the PluginError
 * codes. The plug-in keeps no other state between calls and is not safe for concurrent calls.
 *
 * Loading the plug-in fails when libHandsetKit.so (looked up in the program directory, the
 * directory above Plugins/) is missing or lacks any of its seven exports.
 */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define CELLVANE_PLUGIN_API __attribute__((visibility("default")))

enum PluginError {
    PLUGIN_OK = 0,
    /* bad argument, no such inform table or option entry, or no model name */
    PLUGIN_BAD_ARGUMENT = -1,
    /* address data to be written does not start with the OwnerRecord (SH505i reports it) */
    PLUGIN_NO_OWNER_FIRST = -100,
    /* PIM_DATA.PIM is not in the card file's folder (SH505i) */
    PLUGIN_NO_MANAGEMENT_FILE = -199,
    /* no entry found in the card file, or nothing written */
    PLUGIN_NO_ENTRY = -999,
    /* the card file cannot be opened or created */
    PLUGIN_CANNOT_OPEN = -1000,
    /* the file position cannot be kept, or the data-management file cannot be updated */
    PLUGIN_FILE_POSITION = -1001,
    /* memory cannot be allocated */
    PLUGIN_NO_MEMORY = -9999,
    /* held between a load's counting pass and its parsing pass */
    PLUGIN_LOAD_IN_PROGRESS = -32768
};

/*
 * The model's display name ("DoCoMo SH505i") in a 1025-byte block. Null with -9999 when memory
 * runs out, with -1 when the name is empty.
 */
CELLVANE_PLUGIN_API char *GetSupportModelName(void);

/* The model's code: bytes high to low 'D', a model letter, 0x01, 0x01. */
CELLVANE_PLUGIN_API uint32_t GetPluginCode(void);

/*
 * A copy of inform table type: 1 BookmarkLimits, 2 AddressLimits, 4 ScheduleLimits (index
 * ignored); 201 to 403 the OptionEntry at index of that option list; 2000 to 2003 the
 * CardFileInfo of bookmarks, address book, mail, schedule (index ignored). Null with -1 for any
 * other type, an option list the model lacks, or an index outside the list; null with -9999
 * when memory runs out; 0 on success.
 */
CELLVANE_PLUGIN_API void *GetInformTable(int32_t type, int32_t index);

/*
 * Reads the card file path of kind (1000 vBookmark, 1001 vCard address book, 1002 vMessage
 * mail, 1003 vCalendar schedule) into a DataBlock: the records in file order, chained. Fixed-size
 * records may be followed by unused zero slots; mail records (800 bytes plus body) follow each
 * other without gaps, at any byte offset. Null on failure with -1 (bad argument or kind), -199,
 * -999, -1000, -1001 or -9999; 0 on success.
 */
CELLVANE_PLUGIN_API void *LoadData(int32_t kind, const char *path);

/*
 * Writes the records of kind found along the chain that starts at firstRecord into the card
 * file path, replacing it (CR LF line ends). Returns the last error: 0 on success; -1 for a null
 * chain or path; SH505i -199, -100, -999, -1000 or -1001; the other models -999 for any failure
 * after the file was opened, -1000 when it cannot be created. A failed save leaves no card file;
 * a kind without a writer (mail 1002 among them: mail is read-only) fails with -999 before the
 * file is touched.
 */
CELLVANE_PLUGIN_API int32_t SaveData(int32_t kind, const char *path, const void *firstRecord);

/* The code the last operation left. */
CELLVANE_PLUGIN_API int32_t GetPluginLastError(void);

#ifdef __cplusplus
}
#endif
