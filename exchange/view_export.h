#pragma once

// A view's entries in the format of today's programs its kind goes to (exchange_formats.h).

#include "views/common/choice_lists.h"

#include <cstdint>
#include <string>

namespace views {
class ViewCore;
}

namespace exchange {

// Every entry of core: the address book as vCard 3.0, the schedule as iCalendar 2.0 stamped
// nowUtcSeconds, mail as mbox, bookmarks as a Netscape bookmark file. optionName names the
// current model's icons and alarm choices.
std::string exportOfView(const views::ViewCore &core, const views::OptionName &optionName,
                         int64_t nowUtcSeconds);

} // namespace exchange
