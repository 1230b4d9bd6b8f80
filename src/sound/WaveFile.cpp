#include "sound/WaveFile.h"

#include "platform/Files.h"

#include <QtEndian>
#include <algorithm>

namespace quillon::sound {

namespace {

void AppendUInt32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void AppendUInt16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

} // namespace

QByteArray WaveHeader(qint64 soundFileLength) {
    const quint32 dataSize = quint32(std::max<qint64>(soundFileLength - SoundFileHeaderSize, 0));
    QByteArray header;
    header.reserve(WaveHeaderSize);
    header.append("RIFF");
    AppendUInt32(header, 36 + dataSize);
    header.append("WAVEfmt ");
    AppendUInt32(header, 16);    // fmt chunk size
    AppendUInt16(header, 1);     // PCM
    AppendUInt16(header, 1);     // mono
    AppendUInt32(header, 22050); // samples per second
    AppendUInt32(header, 44100); // bytes per second
    AppendUInt16(header, 2);     // block align
    AppendUInt16(header, 16);    // bits per sample
    header.append("data");
    AppendUInt32(header, dataSize);
    return header;
}

bool NamesSoundFile(QStringView listText) {
    return listText.trimmed().endsWith(u".MEL", Qt::CaseInsensitive);
}

WaveResult ConvertSoundToWave(const QString& soundPath, const QString& wavePath) {
    const std::optional<QByteArray> sound = platform::readWholeFile(soundPath);
    if (!sound)
        return WaveResult::SoundMissing;
    // Without its own header the file holds nothing playable.
    if (sound->size() < SoundFileHeaderSize)
        return WaveResult::SoundTooShort;
    // A new file each time: no bytes of an earlier, longer sound remain.
    const QByteArray wave = WaveHeader(sound->size()) + sound->sliced(SoundFileHeaderSize);
    return platform::writeWholeFile(wavePath, wave) ? WaveResult::Written : WaveResult::WriteFailed;
}

} // namespace quillon::sound
