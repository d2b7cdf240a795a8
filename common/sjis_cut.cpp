#include "sjis_cut.h"

bool isSjisLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

size_t sjisCutLength(std::string_view text, size_t maxBytes)
{
    size_t kept = 0;
    while (kept < text.size()) {
        const size_t width = isSjisLeadByte(static_cast<unsigned char>(text[kept])) ? 2 : 1;
        if (kept + width > text.size() || kept + width > maxBytes)
            break;
        kept += width;
    }
    return kept;
}

std::string_view sjisCut(std::string_view text, size_t maxBytes)
{
    return text.substr(0, sjisCutLength(text, maxBytes));
}
