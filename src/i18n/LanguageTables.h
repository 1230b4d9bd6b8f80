#pragma once

// The language tables as plain data: one row per text with the English,
// German and French wording side by side (UTF-8 literals). Language.cpp
// looks texts up here; nothing else in the program reads these rows.

#include "i18n/Language.h"

#include <span>

namespace quillon::i18n::tables {

struct Texts {
    const char8_t* english;
    const char8_t* german;
    const char8_t* french; // nullptr where the text is not fixed (see HeadingText)
};

// A caption or tooltip of one control; control "Caption" is the window title.
struct ControlText {
    const char* window;
    const char* control;
    Texts texts;
};

struct NamedText {
    const char* name;
    Texts texts;
};

// A fixed column heading. A nullptr text means the column shows a nation name.
struct HeadingText {
    int column;
    Texts texts;
};

// One line of the how-to text and the line breaks that come before it.
struct HowToLine {
    int breaks;
    Texts texts;
};

// Composed texts carry this mark where the editor's name goes.
inline QString EditorNameMark() {
    return QStringLiteral("{EditorName}");
}

std::span<const ControlText> CaptionTable();
std::span<const ControlText> AccessKeyTable(); // one letter per caption
std::span<const NamedText> MessageTable();
// The unit check's and the comparison's texts, found by Message() too.
std::span<const NamedText> ReportTable();
std::span<const HeadingText> HeadingTable();
std::span<const ControlText> TooltipTable();
std::span<const HowToLine> HowToTable();
// Three parts, joined with the editor's name between them.
std::span<const Texts> AboutDescriptionTable();
const Texts& InitialAboutDescriptionText();
const Texts& DisclaimerText();

// The text of `language`, or an empty string where the row has none.
inline QString Pick(const Texts& texts, Language language) {
    const char8_t* text = language == Language::German   ? texts.german
                          : language == Language::French ? texts.french
                                                         : texts.english;
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace quillon::i18n::tables
