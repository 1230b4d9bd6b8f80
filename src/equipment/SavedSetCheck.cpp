#include "equipment/SavedSetCheck.h"

#include "equipment/DescriptionContainer.h"
#include "i18n/Messages.h"
#include "platform/FileCommit.h"
#include "platform/Files.h"

#include <QDir>

namespace quillon {

namespace {

QString KeptIn(const QStringList& backups, i18n::Language language) {
    if (backups.isEmpty())
        return {};
    return QStringLiteral("\r\n") + i18n::Message(language, i18n::msg::PreviousSaveKeptIn) +
           QStringLiteral("\r\n") + backups.join(QStringLiteral("\r\n"));
}

QStringList BackupsIn(const QString& folder) {
    QStringList backups;
    for (const QString& name :
         QDir(folder).entryList({QStringLiteral("OLD_*")}, QDir::Files, QDir::Name))
        backups.append(folder + name);
    return backups;
}

} // namespace

QString UnfinishedSaveMessage(const QString& folder, i18n::Language language) {
    const platform::LeftoverSave leftover = platform::TidyUnfinishedSave(folder);
    if (!leftover.interrupted)
        return {};
    return i18n::Message(language, i18n::msg::SaveInterrupted) + folder +
           KeptIn(leftover.backups, language);
}

QStringList CheckSavedSet(const QString& folder, int unitCount, int namesRead,
                          const QString& namesPath, i18n::Language language) {
    const QString interrupted = UnfinishedSaveMessage(folder, language);
    if (!interrupted.isEmpty())
        return {interrupted};
    QStringList problems;
    if (namesRead < unitCount)
        problems.append(i18n::Message(language, i18n::msg::FewerNamesThanUnits) + namesPath);
    if (!DescriptionIndexFits(folder)) {
        problems.append(i18n::Message(language, i18n::msg::IndexDoesNotFit) +
                        platform::findNoCase(folder, QStringLiteral("PFPDATA.IDX")));
    }
    if (!problems.isEmpty())
        problems.last() += KeptIn(BackupsIn(folder), language);
    return problems;
}

} // namespace quillon
