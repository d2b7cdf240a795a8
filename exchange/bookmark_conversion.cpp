#include "exchange/conversion_fit.h"
#include "exchange/kind_conversions.h"

#include "common/sjis_literal.h"
#include "platform/sjis_text.h"

namespace exchange {

std::vector<BookmarkRecord> convertBookmarks(const std::vector<BookmarkRecord> &records,
                                             const ModelTables &from, const ModelTables &to,
                                             ImportReport &report)
{
    std::vector<BookmarkRecord> converted = records;
    for (BookmarkRecord &record : converted) {
        ConversionFit fit(report, from, to, platform::sjisToUtf8(views::fieldText(record.title)));
        fit.fitText(record.title, sjis("ﾀｲﾄﾙ"), to.bookmark.titleLength);
        fit.fitText(record.url, "URL", to.bookmark.urlLength);
    }
    return converted;
}

} // namespace exchange
