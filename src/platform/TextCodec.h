#pragma once

#include <QByteArray>
#include <QString>

namespace quillon::platform {

// Every game file, the unit names file and the configuration file are
// Windows-1252 text on every platform; all 256 byte values round-trip.
QString fromCp1252(QByteArrayView bytes);

// Encodes `text` as Windows-1252. Characters that the code page cannot
// hold become '?'; `lossless` (when given) tells whether that happened.
QByteArray toCp1252(QStringView text, bool* lossless = nullptr);

} // namespace quillon::platform
