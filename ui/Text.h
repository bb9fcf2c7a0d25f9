// The engine keeps its texts in UTF-8; Qt wants QString.
#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace tavorin::ui {

inline QString qs(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }
inline std::string toUtf8(const QString& text) { return text.toUtf8().toStdString(); }

} // namespace tavorin::ui
