#pragma once

// The files of today's programs each view kind is written to and read from, told apart by
// their extension.

#include <string>

namespace exchange {

struct ExchangeFormat
{
    int viewKind;            // 1 bookmarks, 2 address book, 3 mail, 4 schedule
    const char *description; // Shift_JIS, the file dialog's filter: "vCard ﾌｧｲﾙ (*.vcf)"
    const char *pattern;     // "*.vcf"
    const char *extension;   // ".vcf", added to a name typed without one
    bool imports;            // whether the kind's view reads the format too
};

// The format view kind 1 to 4 is exported to; null for another kind.
const ExchangeFormat *exportFormatOf(int viewKind);

// The format view kind imports, or null when the kind imports none.
const ExchangeFormat *importFormatOf(int viewKind);

// The view kind whose format the extension of path names, letter case ignored (".html" and
// ".htm" both the bookmark file); 0 for none.
int exchangeKindOfPath(const std::string &path);

} // namespace exchange
