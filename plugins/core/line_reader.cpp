#include "line_reader.h"

namespace plugin {

bool LineReader::readPiece(std::string &piece, size_t maxBytes, bool *endedLine)
{
    piece.clear();
    if (endedLine)
        *endedLine = false;
    if (maxBytes == 0)
        return false;
    bool readAny = false;
    size_t taken = 0;
    while (taken < maxBytes) {
        int c = std::getc(m_file);
        if (c == EOF)
            break;
        readAny = true;
        if (c == '\r') {
            const int after = std::getc(m_file);
            if (after == '\n')
                c = '\n';
            else if (after != EOF)
                std::ungetc(after, m_file);
        }
        ++taken;
        if (c == '\n') {
            if (endedLine)
                *endedLine = true;
            break;
        }
        piece.push_back(static_cast<char>(c));
    }
    const size_t nul = piece.find('\0');
    if (nul != std::string::npos)
        piece.resize(nul);
    return readAny;
}

bool LineReader::savePosition()
{
    return std::fgetpos(m_file, &m_saved) == 0;
}

bool LineReader::restorePosition()
{
    return std::fsetpos(m_file, &m_saved) == 0;
}

} // namespace plugin
