#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// Where one kind of data lies on a memory card, taken from the plug-in's CardFileInfo. Texts
// are in the card's notation: backslashes from the card's root.
struct CardLocation
{
    std::string extension; // ".VCF"
    std::string folder;    // "\SD_PIM\"
    std::string pattern;   // "\SD_PIM\PIM%05d", exactly one integer conversion
    int highestNumber = 0;
    bool filePerEntry = false;
};

// The location in a CardFileInfo block of the given type (2000 to 2003). Nothing when the block
// is null, its kind is not type, its size is too small for the layout, a text runs to the end of
// its field, or the pattern is not a file-name pattern with exactly one integer conversion (which
// would make formatting unsafe).
std::optional<CardLocation> cardLocation(const void *cardFileInfo, int type);

// Card names compare without regard to ASCII letter case, as the card's FAT does: a card
// copied to disk keeps whatever case the copier gave its names.
bool sameCardName(std::string_view a, std::string_view b);
bool endsWithCardName(std::string_view name, std::string_view suffix);

// The platform path of cardPath (card notation, from the card's root) below root. Each
// component that exists is taken as the file system spells it: the exact name first, else
// the first entry equal ignoring case, in the order the file system lists them; components
// that do not exist are kept as written. "." and ".." are dropped, so the path stays below
// root. A trailing separator in cardPath gives a trailing '/'.
std::string resolveCardPath(const std::string &root, std::string_view cardPath);

// One folder of a card walk: its sub-folders, each walked in turn, then its card files, all in
// the order the file system lists them.
struct CardFolder
{
    std::string path; // ends with '/'
    std::vector<CardFolder> subFolders;
    std::vector<std::string> files; // names within path
};

// Walks folder (ending with '/'): every sub-folder but "." and "..", then every regular file
// whose name ends with extension ignoring case. Symbolic links to folders are not followed,
// so a copy of a card holding one cannot loop. An unreadable folder has no entries.
CardFolder walkCardFolder(const std::string &folder, std::string_view extension);

// The card files in tree and all its sub-folders.
int countCardFiles(const CardFolder &tree);

// A new card file: its platform path and its name and extension as messages show them.
struct CardFileName
{
    std::string path;      // resolved folder + stem + extension
    std::string stem;      // "PIM00002"
    std::string extension; // ".VCF"
};

// The first number from 1 to the highest whose name (pattern formatted with it) is free: no
// entry of that name, with any extension or none, in any letter case. Numbers are shared
// across kinds and gaps are filled first; 0 is never used. Nothing when every number is taken.
std::optional<CardFileName> freeCardFileName(const std::string &root, const CardLocation &location);

} // namespace app
