#pragma once

#include "platform/sjis_text.h"

#include <QString>

#include <string>

namespace views {

// Shift_JIS text becomes Unicode only here, at the widget boundary.
inline QString toQString(const std::string &sjis)
{
    return QString::fromStdString(platform::sjisToUtf8(sjis));
}

inline QString toQString(const char *sjis)
{
    return toQString(std::string(sjis ? sjis : ""));
}

inline std::string fromQString(const QString &text)
{
    return platform::utf8ToSjis(text.toStdString());
}

} // namespace views
