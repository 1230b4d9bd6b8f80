#pragma once

#include "gamedata/IndexFiles.h"
#include "i18n/Language.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quillon {

// The three files a rewrite produces, built in memory first so that a save
// can write everything or nothing.
struct RewrittenContainer {
    QByteArray textContainer; // TXT.PFP
    QByteArray pfpIndex;      // PFPDATA.IDX
    QByteArray extIndex;      // EXT.IDX
};

// Builds the new container from the old one: leading text up to the first
// description copied, descriptions 0..unitCount-1 written from
// `longDescriptions` (trimmed, one line each), trailing records carried
// over, EXT.IDX rebuilt. Empty optional-like result (ok=false) with a
// message when the index holds no description record.
struct RewriteBuild {
    bool ok = false;
    QString message;
    RewrittenContainer files;
};
RewriteBuild BuildDescriptionContainer(const QByteArray& oldContainer,
                                       const gamedata::GameIndex& index,
                                       const QStringList& longDescriptions, int unitCount,
                                       i18n::Language language);

struct RewriteResult {
    bool written = false;
    bool ContainerBackedUp = false;
    QString message;         // why it was not written
    QStringList backupPaths; // the "OLD_" copies made in the data folder, in order
};

// Backs up the game's three files when saving into the data folder
// (folders compared as canonical paths), then writes TXT.PFP, PFPDATA.IDX
// and EXT.IDX into `equipmentFolder` through QSaveFile.
RewriteResult RewriteDescriptionContainer(const QString& equipmentFolder, const QString& dataFolder,
                                          const gamedata::GameIndex& index,
                                          const QStringList& longDescriptions, int unitCount,
                                          i18n::Language language);

} // namespace quillon
