#pragma once

// The notes of an ImportReport, written from the program's string table.

#include "app/string_table.h"

#include <string>

namespace exchange {

// The text of id (Shift_JIS in the table) in UTF-8, printf-style filled with the arguments;
// %s arguments are UTF-8 text.
std::string reportNote(app::TextId id, ...);

} // namespace exchange
