#pragma once

// Sets the texts of a window from the language tables. Controls are found by
// their objectName among the window and its descendants (actions and menus
// included); control arrays use an underscore index ("Check1_31").
// A window's own dialogs are separate windows and are not searched, so that
// their controls of the same name keep their own texts.

#include "i18n/Language.h"

class QWidget;

namespace quillon::i18n {

// Every caption of `windowKey` ("Form1", "Form3", "frmAbout", ...); the
// caption "Caption" becomes the window title.
void ApplyCaptions(QWidget* window, Language language, const QString& windowKey);

void ApplyTooltips(QWidget* window, Language language, const QString& windowKey);
// Gives the controls of the tooltip table the empty tooltip.
void ClearTooltips(QWidget* window, const QString& windowKey);

} // namespace quillon::i18n
