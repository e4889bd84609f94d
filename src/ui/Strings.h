// The program's own texts: messages, captions and labels of the windows.
#pragma once

#include <QString>

namespace kw::str {

inline const QString kProductTitle = QStringLiteral("Kestrelway");

}  // namespace kw::str
