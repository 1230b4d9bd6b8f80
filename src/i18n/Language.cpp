#include "i18n/Language.h"

#include "i18n/LanguageTables.h"

namespace quillon::i18n {
namespace {

using namespace tables;

constexpr int HeadingCount = 74;
constexpr int FirstNationColumn = 34;
constexpr int NationColumnCount = 32; // 34..65, the last one only where the table leaves it open

// Controls whose text is built rather than looked up in a caption row.
constexpr char HowToWindow[] = "Form4";
constexpr char HowToTextControl[] = "Text1";
constexpr char AboutWindow[] = "frmAbout";
constexpr char AboutDescriptionControl[] = "lblDescription";
constexpr char AboutDisclaimerControl[] = "lblDisclaimer";

QString WithEditorName(QString text) {
    return text.replace(EditorNameMark(), EditorName());
}

const ControlText* FindControlText(std::span<const ControlText> table, QStringView window,
                                   QStringView control) {
    for (const ControlText& row : table) {
        if (window == QLatin1StringView(row.window) && control == QLatin1StringView(row.control))
            return &row;
    }
    return nullptr;
}

QStringList ControlsOf(std::span<const ControlText> table, QStringView window) {
    QStringList controls;
    for (const ControlText& row : table) {
        if (window == QLatin1StringView(row.window))
            controls.append(QString::fromLatin1(row.control));
    }
    return controls;
}

} // namespace

Language LanguageFromCode(QStringView code) {
    if (code.compare(u"deu", Qt::CaseInsensitive) == 0)
        return Language::German;
    if (code.compare(u"fra", Qt::CaseInsensitive) == 0)
        return Language::French;
    return Language::English;
}

QString LanguageCode(Language language) {
    switch (language) {
    case Language::German:
        return QStringLiteral("deu");
    case Language::French:
        return QStringLiteral("fra");
    case Language::English:
        break;
    }
    return QStringLiteral("uk");
}

QString EditorName() {
    return QStringLiteral("Quillon");
}

QString Caption(Language language, QStringView window, QStringView control) {
    if (window == QLatin1StringView(HowToWindow) && control == QLatin1StringView(HowToTextControl))
        return HowToText(language);
    if (window == QLatin1StringView(AboutWindow)) {
        if (control == QLatin1StringView(AboutDescriptionControl))
            return AboutDescription(language);
        if (control == QLatin1StringView(AboutDisclaimerControl))
            return Disclaimer();
    }
    const ControlText* row = FindControlText(CaptionTable(), window, control);
    return row ? WithEditorName(Pick(row->texts, language)) : QString();
}

QString CaptionWithAccessKey(Language language, QStringView window, QStringView control) {
    QString caption = Caption(language, window, control);
    const ControlText* row = FindControlText(AccessKeyTable(), window, control);
    if (!row || caption.contains(QLatin1Char('&')))
        return caption;
    const QString key = Pick(row->texts, language);
    qsizetype at = caption.indexOf(key);
    if (at < 0)
        at = caption.indexOf(key, 0, Qt::CaseInsensitive);
    if (!key.isEmpty() && at >= 0)
        caption.insert(at, QLatin1Char('&'));
    return caption;
}

QStringList CaptionControls(QStringView window) {
    QStringList controls = ControlsOf(CaptionTable(), window);
    if (window == QLatin1StringView(HowToWindow))
        controls.append(QString::fromLatin1(HowToTextControl));
    if (window == QLatin1StringView(AboutWindow)) {
        controls.append(QString::fromLatin1(AboutDescriptionControl));
        controls.append(QString::fromLatin1(AboutDisclaimerControl));
    }
    return controls;
}

QStringList CaptionWindows() {
    QStringList windows;
    for (const ControlText& row : CaptionTable()) {
        const QString window = QString::fromLatin1(row.window);
        if (!windows.contains(window))
            windows.append(window);
    }
    return windows;
}

QString Message(Language language, QStringView name) {
    for (const auto table : {MessageTable(), ReportTable()}) {
        for (const NamedText& row : table) {
            if (name == QLatin1StringView(row.name))
                return Pick(row.texts, language);
        }
    }
    return {};
}

QString Message(Language language, const char* name) {
    return Message(language, QString::fromLatin1(name));
}

QStringList MessageNames() {
    QStringList names;
    for (const auto table : {MessageTable(), ReportTable()}) {
        for (const NamedText& row : table)
            names.append(QString::fromLatin1(row.name));
    }
    return names;
}

QString Tooltip(Language language, QStringView window, QStringView control) {
    const ControlText* row = FindControlText(TooltipTable(), window, control);
    return row ? Pick(row->texts, language) : QString();
}

QStringList TooltipControls(QStringView window) {
    return ControlsOf(TooltipTable(), window);
}

QStringList ColumnHeadings(Language language, const QStringList& nationNames) {
    QStringList headings(HeadingCount);
    // Nation names first, so that a fixed text of the table (column 65 in
    // English and German) overwrites the last one.
    for (int i = 0; i < NationColumnCount; ++i)
        headings[FirstNationColumn + i] = nationNames.value(i);
    for (const HeadingText& row : HeadingTable()) {
        const QString text = Pick(row.texts, language);
        if (!text.isNull())
            headings[row.column] = text;
    }
    return headings;
}

ColumnLayout ColumnLayoutFor(int column, const QString& heading) {
    constexpr int UnitNameColumn = 1;
    if (column == UnitNameColumn)
        return {1800, true};
    return {int(80 * heading.size() + 250), false};
}

QString HowToText(Language language) {
    QString text;
    for (const HowToLine& line : HowToTable()) {
        for (int i = 0; i < line.breaks; ++i)
            text += QStringLiteral("\r\n");
        text += Pick(line.texts, language);
    }
    return WithEditorName(text);
}

QString AboutDescription(Language language) {
    QStringList parts;
    for (const Texts& part : AboutDescriptionTable())
        parts.append(Pick(part, language));
    return parts.join(EditorName());
}

QString InitialAboutDescription() {
    return WithEditorName(Pick(InitialAboutDescriptionText(), Language::English));
}

QString VersionText() {
    return Caption(Language::English, u"frmAbout", u"lblVersion");
}

QString AboutTitle() {
    return EditorName();
}

QString Disclaimer() {
    return WithEditorName(Pick(DisclaimerText(), Language::English));
}

} // namespace quillon::i18n
