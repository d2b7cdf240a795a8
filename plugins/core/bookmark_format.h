#pragma once

#include <span>

namespace plugin {

// The lines of a written vBookmark, in order, between "BEGIN:VBKM" + "VERSION:1.0" and
// "END:VBKM". Each step names the record field it writes.
enum class BookmarkLine {
    Text,               // format as it stands
    Url,                // %s with the URL
    Title,              // %s with the title; emptyFormat for an empty title
    TitleQuotedPrinted, // format is the property name, the title follows quoted-printable on
                        // its own (the name counts nothing towards the line width);
                        // emptyFormat for an empty title
    FolderNumber,       // %d; values outside 0 .. limit written as 0
    FolderName,         // %s with the folder name
    Env,                // the ENV part: the URL as an Internet shortcut
};

struct BookmarkLineStep
{
    BookmarkLine line;
    const char *format = nullptr;
    const char *emptyFormat = nullptr;
    int limit = 0;
};

// A model's vBookmark format: its folder properties and written lines.
struct BookmarkFormat
{
    // Loading.
    const char *folderNumberProperty = nullptr; // "X-GNO:"; null: none
    bool negativeFolderAsZero = false;
    const char *folderNameProperty = nullptr; // "X-GN" (followed by ':' or ';'); null: none
    // Writing.
    bool envShortcutOnlyForEmptyUrl = false; // an empty URL gives "[InternetShortcut]" alone
    std::span<const BookmarkLineStep> lines = {};
};

} // namespace plugin
