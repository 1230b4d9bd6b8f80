#include "formview/ui/FormFields.h"

#include <cmath>

namespace quillon::formview {

QString PlainNumberText(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

QList<std::pair<QString, int>> FieldLabels(i18n::Language language) {
    const QString form = QStringLiteral("Form1");
    QList<std::pair<QString, int>> labels;
    for (const TextField& field : TextFields)
        if (field.text >= FirstSymbolText && field.text <= LastSymbolText)
            labels.append(
                {i18n::Tooltip(language, form,
                               QStringLiteral("Picture%1").arg(SymbolPictureFor(field.text))),
                 field.column});
    static const std::pair<const char*, int> captioned[] = {
        {"Label1", 29},  {"Label2", 30},  {"Label3", 31},  {"Frame2", 2},
        {"Frame11", 13}, {"Frame14", 19}, {"Frame13", 20}, {"Frame12", 32},
    };
    for (const auto& [control, column] : captioned)
        labels.append({i18n::Caption(language, form, QString::fromLatin1(control)), column});
    return labels;
}

} // namespace quillon::formview
