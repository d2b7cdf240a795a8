#pragma once

// The changes one entry goes through on its way to another model, each noted in the report
// under the entry's label. Texts in the records are Shift_JIS; the notes UTF-8.

#include "exchange/import_report.h"
#include "exchange/model_tables.h"
#include "views/common/record_fields.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace exchange {

class ConversionFit
{
public:
    ConversionFit(ImportReport &report, const ModelTables &from, const ModelTables &to,
                  std::string labelUtf8)
        : m_report(report)
        , m_from(from)
        , m_to(to)
        , m_label(std::move(labelUtf8))
    {
    }

    void note(std::string utf8) { m_report.add(m_label, std::move(utf8)); }

    // field cut on a character boundary to length bytes, emptied when length is 0 or less (the
    // target has no such field). nameSjis names the field in the notes.
    template<size_t Size>
    void fitText(char (&field)[Size], const char *nameSjis, int32_t length)
    {
        views::setFieldText(field, fittedText(views::fieldText(field), nameSjis, length, Size));
    }
    // text as a field of fieldSize bytes takes it under length.
    std::string fittedText(const std::string &text, const char *nameSjis, int32_t length,
                           size_t fieldSize);

    // value, an index into option list of the source model, as the index of the target's entry
    // of the same name; else the target's first entry (0 when it has no such list), noted when
    // the source named the value.
    int32_t mapOption(int list, int32_t value, const char *nameSjis);

    const ModelTables &to() const { return m_to; }

private:
    ImportReport &m_report;
    const ModelTables &m_from;
    const ModelTables &m_to;
    std::string m_label;
};

} // namespace exchange
