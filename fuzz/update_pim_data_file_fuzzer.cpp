#include "codec/handset_kit.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

// The input is a management file as found on a card; its first byte chooses the data file
// number and whether the template marks the slot used. After a successful update the chain of
// used slots must be consistent.
namespace {

const std::string &workDirectory()
{
    static const std::string directory = [] {
        char pattern[] = "/tmp/cellvane-fuzz-XXXXXX";
        if (!mkdtemp(pattern))
            std::abort();
        return std::string(pattern);
    }();
    return directory;
}

unsigned word(const std::vector<unsigned char> &file, size_t offset)
{
    return (file[offset] << 8) | file[offset + 1];
}

void checkChain(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> file(std::istreambuf_iterator<char>(in), {});
    const unsigned count = word(file, 0);
    if (file.size() < 16 + 128 * static_cast<size_t>(count))
        std::abort();
    unsigned previous = 0;
    unsigned used = 0;
    for (unsigned k = 1; k <= count; ++k) {
        const size_t at = 16 + 128 * static_cast<size_t>(k - 1);
        if (word(file, at + 2) != k)
            std::abort();
        if (word(file, at) == 0)
            continue;
        if (word(file, at + 4) != previous)
            std::abort();
        if (previous && word(file, 16 + 128 * static_cast<size_t>(previous - 1) + 6) != k)
            std::abort();
        previous = k;
        ++used;
    }
    if (previous && word(file, 16 + 128 * static_cast<size_t>(previous - 1) + 6) != 0)
        std::abort();
    if (word(file, 2) != used)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const std::string management = workDirectory() + "/PIM_DATA.PIM";
    const std::string dataFile
        = workDirectory() + "/PIM" + std::to_string(data[0] % 64 + 1) + ".VCF";
    std::ofstream(management, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(data + 1), static_cast<std::streamsize>(size - 1));
    std::ofstream(dataFile, std::ios::trunc) << "BEGIN:VCARD\r\nEND:VCARD\r\n";
    unsigned char slotTemplate[128] = {};
    slotTemplate[1] = data[0] & 0x80 ? 0 : 2;
    if (UpdatePIMDataFile(management.c_str(), dataFile.c_str(), slotTemplate) == 1)
        checkChain(management);
    std::remove(dataFile.c_str());
    return 0;
}
