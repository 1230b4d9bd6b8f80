#pragma once

#include <QByteArray>
#include <QString>

namespace quillon::sound {

constexpr int SoundFileHeaderSize = 24;
constexpr int WaveHeaderSize = 44;

// The 44-byte RIFF/WAVE header for a sound file of `soundFileLength` bytes:
// mono, 16 bits, 22050 samples per second, data size L - 24.
QByteArray WaveHeader(qint64 soundFileLength);

// True when a list text names a sound file (ends in ".MEL", case ignored).
bool NamesSoundFile(QStringView listText);

enum class WaveResult { Written, SoundMissing, SoundTooShort, WriteFailed };

// Writes the temporary wave file from scratch (truncated): the header, then
// the sound file's bytes from offset 24 on, unchanged.
WaveResult ConvertSoundToWave(const QString& soundPath, const QString& wavePath);

} // namespace quillon::sound
