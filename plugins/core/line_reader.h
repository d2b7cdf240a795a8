#pragma once

#include <cstdio>
#include <string>

namespace plugin {

// Reads a card file line by line. CR LF and a bare LF both end a line (the files come from a
// FAT card written by the phone or by Windows); a CR elsewhere is data. A line is cut at its
// first NUL byte, as every reader of it stops there anyway.
class LineReader
{
public:
    // Lines of at most 4095 bytes (the line end counted as one byte) arrive whole; a longer
    // physical line arrives as several lines.
    static constexpr size_t kLineBytes = 4095;

    explicit LineReader(std::FILE *file)
        : m_file(file)
    {
    }

    // The next line without its line end; false at the end of the file or on a read error.
    bool readLine(std::string &line) { return readPiece(line, kLineBytes, nullptr); }

    // Up to maxBytes of the current physical line (its line end counted as one byte and not
    // stored). endedLine tells whether the piece reached the line end. False when nothing is
    // left to read or maxBytes is 0.
    bool readPiece(std::string &piece, size_t maxBytes, bool *endedLine);

    // Remembers the position and returns to it (for the two passes of a loader).
    bool savePosition();
    bool restorePosition();

private:
    std::FILE *m_file;
    std::fpos_t m_saved{};
};

} // namespace plugin
