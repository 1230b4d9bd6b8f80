#pragma once

#include <QByteArray>
#include <QString>

namespace quillon::platform {

// Every game file, the unit names file and the configuration file are
// Windows-1252 text on every platform; all 256 byte values round-trip.
QString fromCp1252(QByteArrayView bytes);
// The same into `text`, whose room is reused from one call to the next.
void fromCp1252(QByteArrayView bytes, QString& text);

// Encodes `text` as Windows-1252. Characters that the code page cannot
// hold become '?'; `lossless` (when given) tells whether that happened. Whatever reaches a game
// file is checked with unencodableCp1252() first.
QByteArray toCp1252(QStringView text, bool* lossless = nullptr);

// The characters of `text` that Windows-1252 cannot hold, each once, in the
// order they first appear; empty when the whole text can be stored.
QString unencodableCp1252(QStringView text);

} // namespace quillon::platform
