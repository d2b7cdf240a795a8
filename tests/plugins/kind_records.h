#pragma once

#include "address_book_fixture.h"
#include "tests/support/first_differing_line.h"

#include "common/data_block.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace testing_support {

// Fixed-size records of any kind through a card folder's plug-in: saved chained in order and
// loaded back in chain order.
template<typename Record>
int32_t saveRecords(CardFolder &folder, int32_t kind, const std::string &path,
                    std::vector<Record> records)
{
    for (size_t i = 1; i < records.size(); ++i)
        ChainRecords(&records[i - 1], &records[i]);
    return folder.plugin().saveData(kind, path.c_str(), records.empty() ? nullptr : records.data());
}

template<typename Record>
std::vector<Record> loadRecords(CardFolder &folder, int32_t kind, const std::string &path)
{
    auto block = takeBlock<Record>(folder.plugin().loadData(kind, path.c_str()));
    std::vector<Record> records;
    for (const void *record = block.get(); record; record = RecordLink(record, RECORD_LINK_NEXT)) {
        records.push_back(*static_cast<const Record *>(record));
        if (records.size() > 1000000)
            break;
    }
    return records;
}

template<size_t N>
void putText(char (&field)[N], const std::string &text)
{
    std::string kept = text.substr(0, N - 1);
    std::fill(field, field + N, '\0');
    std::copy(kept.begin(), kept.end(), field);
}

// The lines of a CR LF text.
inline std::vector<std::string> textLines(const std::string &text)
{
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
        at = end == std::string::npos ? text.size() : end + 2;
    }
    return lines;
}

} // namespace testing_support
