#include "view_export.h"

#include "exchange/bookmark_html_export.h"
#include "exchange/ical_export.h"
#include "exchange/mbox_export.h"
#include "exchange/vcard_export.h"
#include "views/address/address_view_core.h"
#include "views/bookmark/bookmark_view_core.h"
#include "views/mail/mail_view_core.h"
#include "views/schedule/schedule_view_core.h"

namespace exchange {

std::string exportOfView(const views::ViewCore &core, const views::OptionName &optionName,
                         int64_t nowUtcSeconds)
{
    // Each kind has exactly one core class, so the kind tells the class.
    switch (core.viewKind()) {
    case 1:
        return exportBookmarkHtml(static_cast<const views::BookmarkViewCore &>(core).store());
    case 2:
        return exportVCard3(static_cast<const views::AddressViewCore &>(core).store(), optionName);
    case 3:
        return exportMbox(static_cast<const views::MailViewCore &>(core).store());
    default:
        return exportICalendar(static_cast<const views::ScheduleViewCore &>(core).store(),
                               optionName, nowUtcSeconds);
    }
}

} // namespace exchange
