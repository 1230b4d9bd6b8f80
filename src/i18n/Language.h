#pragma once

#include <QString>
#include <QStringList>

namespace quillon::i18n {

enum class Language { English, German, French };
constexpr Language AllLanguages[] = {Language::English, Language::German, Language::French};

// "deu" -> German, "fra" -> French (case ignored), anything else English.
Language LanguageFromCode(QStringView code);
// The stored form: "uk", "deu", "fra".
QString LanguageCode(Language language);

QString EditorName(); // "Quillon" in every language

// Captions by window and control name ("Form1"/"Frame3", "Form1"/"mnu_spread",
// "Form3"/"Option2", ...). The window's own caption has the control name
// "Caption" ("Form4"/"Caption" gives the composed how-to caption). Empty for
// an unknown key.
QString Caption(Language language, QStringView window, QStringView control);
// The caption with its access key marked by '&' ("&File", "Ö&ffnen"): the
// first such letter of that case, else of either case. Unchanged where the
// control has no access key or the caption marks one already.
QString CaptionWithAccessKey(Language language, QStringView window, QStringView control);
// The controls of a window that take a caption ("Caption" for its title), and
// the windows that have captions.
QStringList CaptionControls(QStringView window);
QStringList CaptionWindows();

// Message texts by name ("MsgCannotFindFile", "NoSoundEntry", ...); two-line
// texts are joined by CR LF. Empty for an unknown name.
QString Message(Language language, QStringView name);
QString Message(Language language, const char* name); // for the names of Messages.h
QStringList MessageNames();

// Tooltips by window and control name; empty for a control without one.
QString Tooltip(Language language, QStringView window, QStringView control);
// The controls of a window that carry a tooltip ("Form1" -> Command1, ...,
// MSFlexGrid1, Picture3, ...). ClearTooltips gives these the empty text.
QStringList TooltipControls(QStringView window);

// The 74 column headings; 34..64 (and 65 in French) from `nationNames`
// (missing entries empty).
QStringList ColumnHeadings(Language language, const QStringList& nationNames);

// Width in twips and alignment of a datasheet column with heading `heading`.
struct ColumnLayout {
    int widthTwips = 0;
    bool leftAligned = false; // otherwise right-aligned; always vertically centred
};
ColumnLayout ColumnLayoutFor(int column, const QString& heading);

QString HowToText(Language language);
QString AboutDescription(Language language);
QString InitialAboutDescription(); // English, before any language is applied
QString VersionText();             // "Version 2.0.1"
QString AboutTitle();              // the application's title
QString Disclaimer();

} // namespace quillon::i18n
