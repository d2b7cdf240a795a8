#pragma once

#include <iosfwd>

namespace views {
class ViewCore;
}

namespace cli {

// Writes the entries of core as the kind's list shows them, one tab-separated UTF-8 line each
// in the list's order, after a line of the column headings; a tab or line break inside a value
// becomes a space. Mail lists the messages of the inbox, the outbox and the trash in turn, each
// box in its own order, with the box's name first and then the trash's columns (which hold
// those of the other boxes); this leaves the trash on show.
void writeListing(views::ViewCore &core, std::ostream &out);

} // namespace cli
