#pragma once

#include "i18n/Language.h"

#include <QString>
#include <QStringList>

namespace quillon {

// Signs that the files in `folder` do not all come from one save, as
// messages: a save that was interrupted while it replaced files (temporary
// files a killed save left are removed in passing), a names file with
// fewer names than there are units, a description index that does not fit
// its container. Each names the "OLD_" files that hold the files as they
// were before.
QStringList CheckSavedSet(const QString& folder, int unitCount, int namesRead,
                          const QString& namesPath, i18n::Language language);

// Tidies what a killed save left in `folder` (see platform::TidyUnfinishedSave)
// and, when that save had replaced some of its files but not all, says so
// and names the backups that hold the files as they were; empty otherwise.
QString UnfinishedSaveMessage(const QString& folder, i18n::Language language);

} // namespace quillon
