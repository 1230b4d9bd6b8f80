#include "platform/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace quillon::platform {

QString fromCp1252(QByteArrayView bytes) {
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

QByteArray toCp1252(QStringView text, bool* lossless) {
    QStringEncoder encoder("windows-1252");
    QByteArray bytes = encoder.encode(text);
    if (lossless)
        *lossless = !encoder.hasError();
    if (!encoder.hasError())
        return bytes;
    // The encoder's own stand-in is a control byte (or NUL), which ends or
    // breaks a line of the game's text files: a missing character becomes
    // '?', one per character.
    bytes.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        QStringEncoder single("windows-1252");
        const QByteArray encoded = single.encode(text.sliced(i, length));
        bytes += single.hasError() ? QByteArray("?") : encoded;
        i += length;
    }
    return bytes;
}

QString unencodableCp1252(QStringView text) {
    QString found;
    bool lossless = true;
    toCp1252(text, &lossless);
    if (lossless)
        return found;
    // One character at a time, a surrogate pair being one character.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView character = text.sliced(i, length);
        toCp1252(character, &lossless);
        if (!lossless && !found.contains(character))
            found += character;
        i += length;
    }
    return found;
}

} // namespace quillon::platform
