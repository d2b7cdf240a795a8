#include "contact_type.h"

#include "platform/sjis_text.h"

#include <array>
#include <string>

namespace exchange {
namespace {

struct TypeWords
{
    std::string_view type;
    std::vector<std::string_view> words; // UTF-8, as they appear in the icon names
};

// Compared in UTF-8: in Shift_JIS the second byte of a character may look like a Latin letter.
const std::array<TypeWords, 5> &typeWords()
{
    static const std::array<TypeWords, 5> table = {{
        {"HOME", {"自宅", "家１", "家２", "実家"}},
        {"WORK", {"会社", "勤務先", "仕事"}},
        {"CELL", {"携帯", "i-mode", "iモード", "PHS", "ＰＨＳ"}},
        {"FAX", {"FAX", "ＦＡＸ"}},
        {"PAGER", {"クイックキャスト"}},
    }};
    return table;
}

} // namespace

std::vector<std::string_view> contactTypesOf(std::string_view iconName)
{
    const std::string name = platform::sjisToUtf8(iconName);
    std::vector<std::string_view> types;
    for (const TypeWords &entry : typeWords()) {
        for (std::string_view word : entry.words) {
            if (name.find(word) != std::string::npos) {
                types.push_back(entry.type);
                break;
            }
        }
    }
    return types;
}

} // namespace exchange
