#pragma once

// A text of an imported file as the records hold it: UTF-8 in the file, Shift_JIS (code page
// 932) in the record, cut to what the field and the model allow. What was lost is counted, so
// the importer can report it.

#include <cstddef>
#include <string>
#include <string_view>

namespace exchange {

struct ImportedText
{
    std::string sjis;     // the text as the record takes it
    int replaced = 0;     // characters code page 932 cannot hold, each now one '?'
    size_t fullBytes = 0; // Shift_JIS bytes before the cut

    bool cut() const { return sjis.size() < fullBytes; }
};

// utf8 converted character by character: a character code page 932 cannot hold, and every
// byte that starts no valid UTF-8 sequence, becomes one '?'. The result is then cut to at most
// maxBytes bytes on a Shift_JIS character boundary.
ImportedText importedText(std::string_view utf8, size_t maxBytes);

} // namespace exchange
