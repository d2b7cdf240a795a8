#pragma once

#include <string_view>

// A Japanese text written readably (UTF-8) in the source and its Shift_JIS bytes, which the
// build produces: cellvane_sjis_texts(target) collects every sjis("...") of the target's sources
// into the generated sjis_texts.h.
struct SjisLiteral
{
    std::string_view utf8;
    const char *bytes;
};

#include "sjis_texts.h"

// The Shift_JIS bytes of a text written as sjis("...") in a source of this target. Evaluated
// while compiling: a text missing from the generated table (a target not registered, a text
// put together from several literals) does not compile.
consteval const char *sjis(std::string_view utf8)
{
    for (const SjisLiteral &text : kSjisTexts) {
        if (text.utf8 == utf8)
            return text.bytes;
    }
    throw "sjis(): text not in this target's generated table";
}
