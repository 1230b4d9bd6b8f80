// Temporary stand-in until the language tables land.
#include "i18n/Language.h"

namespace quillon::i18n {
Language LanguageFromCode(QStringView code) {
    const QString c = code.toString().toLower();
    return c == u"deu" ? Language::German : c == u"fra" ? Language::French : Language::English;
}
QString LanguageCode(Language l) {
    return l == Language::German ? "deu" : l == Language::French ? "fra" : "uk";
}
QString EditorName() { return QStringLiteral("Quillon"); }
QString Caption(Language, QStringView, QStringView) { return {}; }
QString Message(Language, QStringView name) { return name.toString() + QStringLiteral(": "); }
QString Tooltip(Language, QStringView, QStringView) { return {}; }
QStringList TooltipControls(QStringView) { return {}; }
QStringList ColumnHeadings(Language, const QStringList&) { return QStringList(74); }
ColumnLayout ColumnLayoutFor(int column, const QString& heading) {
    return column == 1 ? ColumnLayout{1800, true} : ColumnLayout{int(80 * heading.size() + 250), false};
}
QString HowToText(Language) { return {}; }
QString AboutDescription(Language) { return {}; }
QString InitialAboutDescription() { return {}; }
QString VersionText() { return QStringLiteral("Version 2.0.1"); }
QString AboutTitle() { return EditorName(); }
QString Disclaimer() { return {}; }
} // namespace quillon::i18n
