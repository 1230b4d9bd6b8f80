#include "platform/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace quillon::platform {

QString fromCp1252(QByteArrayView bytes) {
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

QByteArray toCp1252(QStringView text, bool* lossless) {
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::ConvertInvalidToNull);
    QByteArray bytes = encoder.encode(text);
    if (lossless)
        *lossless = !encoder.hasError();
    return bytes;
}

} // namespace quillon::platform
