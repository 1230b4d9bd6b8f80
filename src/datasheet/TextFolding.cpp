#include "datasheet/TextFolding.h"

namespace quillon {

namespace {

bool IsAscii(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

QString WithoutAccents(const QString& folded) {
    QString plain;
    plain.reserve(folded.size() * 2);
    for (const QChar c : folded.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            plain.append(c);
    return plain;
}

} // namespace

QString FoldedText(const QString& text) {
    const QString folded = text.toCaseFolded();
    return IsAscii(folded) ? folded : WithoutAccents(folded);
}

QString TextSortKey(const QString& text) {
    const QString folded = text.toCaseFolded();
    if (IsAscii(folded))
        return folded;
    return WithoutAccents(folded) + QChar(0) + folded;
}

} // namespace quillon
