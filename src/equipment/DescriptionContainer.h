#pragma once

#include "gamedata/IndexFiles.h"
#include "i18n/Language.h"
#include "platform/FileCommit.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

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
// over, EXT.IDX rebuilt. Not ok, with the message, when the index holds no
// description record or cannot hold one per unit.
struct RewriteBuild {
    bool ok = false;
    QString message;
    RewrittenContainer files;
};
RewriteBuild BuildDescriptionContainer(const QByteArray& oldContainer,
                                       const gamedata::GameIndex& index,
                                       const QStringList& longDescriptions, int unitCount,
                                       i18n::Language language);

// The description container's part of a save, planned from the game's
// files as they are on disk now: the text container, PFPDATA.IDX and EXT.IDX
// for `equipmentFolder` with their new bytes, and, when that is the data
// folder, the game's own three files as their "OLD_" backups. Nothing is
// written here. Not ok (and `message` says why) when the game's files
// cannot be read, name their container with anything but a plain file
// name, or leave no room for the descriptions.
struct ContainerPlan {
    bool ok = false;
    QString message;
    bool ContainerBackedUp = false;
    std::vector<platform::PlannedFile> files; // text container, PFPDATA.IDX, EXT.IDX
};
ContainerPlan RewriteDescriptionContainer(const QString& equipmentFolder, const QString& dataFolder,
                                          const QStringList& longDescriptions, int unitCount,
                                          i18n::Language language);

// Whether every description that the index files in `folder` point to is
// one whole line of their text container, as a rewrite lays them out; an
// index and a container from different saves do not fit. True when the
// folder holds no such set.
bool DescriptionIndexFits(const QString& folder);

} // namespace quillon
