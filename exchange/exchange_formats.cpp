#include "exchange_formats.h"

#include "common/sjis_literal.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

namespace exchange {
namespace {

const ExchangeFormat Formats[] = {
    {1, sjis("ﾌﾞｯｸﾏｰｸ ﾌｧｲﾙ (*.html *.htm)"), "*.html *.htm", ".html", false},
    {2, sjis("vCard ﾌｧｲﾙ (*.vcf)"), "*.vcf", ".vcf", true},
    {3, sjis("mbox ﾌｧｲﾙ (*.mbox)"), "*.mbox", ".mbox", false},
    {4, sjis("iCalendar ﾌｧｲﾙ (*.ics)"), "*.ics", ".ics", true},
};

// The extensions each format is read under besides its own.
constexpr std::pair<const char *, int> OtherExtensions[] = {{".htm", 1}};

} // namespace

const ExchangeFormat *exportFormatOf(int viewKind)
{
    if (viewKind < 1 || viewKind > static_cast<int>(std::size(Formats)))
        return nullptr;
    return &Formats[viewKind - 1];
}

const ExchangeFormat *importFormatOf(int viewKind)
{
    const ExchangeFormat *format = exportFormatOf(viewKind);
    return format && format->imports ? format : nullptr;
}

int exchangeKindOfPath(const std::string &path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    for (const ExchangeFormat &format : Formats) {
        if (extension == format.extension)
            return format.viewKind;
    }
    for (const auto &[other, kind] : OtherExtensions) {
        if (extension == other)
            return kind;
    }
    return 0;
}

} // namespace exchange
