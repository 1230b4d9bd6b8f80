#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace quillon::samplegame {

// Little-endian writers: the game's files are little-endian on every platform.
inline void appendU8(QByteArray& out, int value) {
    out.append(char(value & 0xFF));
}

inline void appendU16(QByteArray& out, int value) {
    appendU8(out, value);
    appendU8(out, value >> 8);
}

inline void appendU32(QByteArray& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        appendU8(out, int(value >> shift));
}

inline void putU16(QByteArray& out, int offset, int value) {
    out[offset] = char(value & 0xFF);
    out[offset + 1] = char((value >> 8) & 0xFF);
}

inline void putU32(QByteArray& out, int offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[offset + i] = char((value >> (8 * i)) & 0xFF);
}

// Every text we generate uses only characters on which Windows-1252 and
// Latin-1 agree, so the Latin-1 bytes are the Windows-1252 bytes.
inline QByteArray toGameText(const QString& text) {
    return text.toLatin1();
}

// Writes through QSaveFile, creating the folder, so a failure leaves nothing
// half-written.
bool writeGameFile(const QString& path, const QByteArray& bytes);

} // namespace quillon::samplegame
