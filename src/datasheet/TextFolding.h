#pragma once

#include <QString>

namespace quillon {

// Text compared with case and accents ignored, as the text sort, find and
// the filter see it: "Éclair" and "ECLAIR" both fold to "eclair".
QString FoldedText(const QString& text);

// The text sort's key: the folded text, and for text with accents the
// case-folded text with its accents after a NUL, which decides between names
// that differ only there ("Éclair" stands beside "Eclair", not behind "Zenith").
QString TextSortKey(const QString& text);

} // namespace quillon
