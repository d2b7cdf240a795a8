#include "conversion_fit.h"

#include "app/string_table.h"
#include "exchange/report_note.h"
#include "platform/sjis_text.h"

namespace exchange {

using app::TextId;

std::string ConversionFit::fittedText(const std::string &text, const char *nameSjis, int32_t length,
                                      size_t fieldSize)
{
    const size_t room = length <= 0 ? 0 : std::min(size_t(length), fieldSize - 1);
    const size_t kept = sjisCutLength(text, room);
    if (kept == text.size())
        return text;
    const std::string name = platform::sjisToUtf8(nameSjis);
    const std::string value = platform::sjisToUtf8(text);
    if (kept == 0 && room == 0)
        note(reportNote(TextId::AddressImportFieldMissing, name.c_str(), value.c_str()));
    else
        note(reportNote(TextId::AddressImportTextCut, name.c_str(), int(kept), value.c_str()));
    return text.substr(0, kept);
}

int32_t ConversionFit::mapOption(int list, int32_t value, const char *nameSjis)
{
    const std::vector<std::string> &sources = m_from.optionList(list);
    const std::vector<std::string> &targets = m_to.optionList(list);
    if (value < 0 || size_t(value) >= sources.size())
        return 0; // a value the source model has no name for means nothing to carry over
    const std::string &source = sources[size_t(value)];
    if (targets.empty() && value == 0)
        return 0; // the default of a choice the target lacks: nothing was chosen
    const auto same = std::find(targets.begin(), targets.end(), source);
    if (same != targets.end())
        return static_cast<int32_t>(same - targets.begin());
    const std::string name = platform::sjisToUtf8(nameSjis);
    if (targets.empty())
        note(reportNote(TextId::AddressImportFieldMissing, name.c_str(),
                        platform::sjisToUtf8(source).c_str()));
    else
        note(reportNote(TextId::ConversionOptionUnmatched, name.c_str(),
                        platform::sjisToUtf8(source).c_str(),
                        platform::sjisToUtf8(targets.front()).c_str()));
    return 0;
}

} // namespace exchange
