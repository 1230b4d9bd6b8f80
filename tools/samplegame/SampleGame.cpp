#include "samplegame/SampleGame.h"

#include "samplegame/Artwork.h"
#include "samplegame/Bytes.h"
#include "samplegame/EquipmentGen.h"
#include "samplegame/GameLists.h"
#include "samplegame/IndexWriter.h"
#include "samplegame/Palette.h"
#include "samplegame/RunLengthEncoder.h"
#include "samplegame/SoundGen.h"
#include "samplegame/TextContainerGen.h"

#include <QDir>

namespace quillon::samplegame {

namespace {

Container graphicsContainer(int icons, unsigned seed) {
    std::vector<QByteArray> flags;
    for (int nation = 0; nation < NationCount; ++nation) // some flags start right of column 0
        flags.push_back(encodeImage(flagPicture(nation), {nation % 3, 0}));
    std::vector<QByteArray> unitIcons;
    for (int i = 0; i < icons; ++i)
        unitIcons.push_back(encodeImage(unitIconPicture(i, seed), {0, 0}));
    return {
        "shp",
        {{"FLAGSLG", imageSection("FLAG", flags)}, {"UNITICON", imageSection("ICON", unitIcons)}}};
}

// A container after the text container, so that saving must carry over
// index records that follow the descriptions.
Container soundContainer(unsigned seed) {
    Container container{"snd", {}};
    const char* const names[] = {"INTRO", "MARCH", "VICTORY", "DEFEAT"};
    int index = 0;
    for (const char* name : names)
        container.entries.push_back({name, soundFileBytes(index++, seed + 17)});
    return container;
}

bool writeSounds(const QString& soundFolder, int sounds, unsigned seed) {
    if (!QDir().mkpath(soundFolder))
        return false;
    for (int i = 0; i < sounds; ++i) {
        const QString name = QString::number(FirstSoundNumber + i) + QStringLiteral(".mel");
        if (!writeGameFile(soundFolder + name, soundFileBytes(i, seed)))
            return false;
    }
    if (sounds == 0)
        return true;
    // An upper-case extension is still a sound; a name that is not four
    // characters long never is.
    return writeGameFile(soundFolder + QString::number(FirstSoundNumber + sounds) +
                             QStringLiteral(".MEL"),
                         soundFileBytes(sounds, seed)) &&
           writeGameFile(soundFolder + QStringLiteral("12.mel"), soundFileBytes(sounds + 1, seed));
}

} // namespace

bool WriteSampleGame(const QString& gameFolder, const Options& options) {
    if (options.units < 1 || options.units > MaxGameUnits || options.icons < 1 ||
        options.icons > MaxIcons)
        return false;
    const QString game = QDir(gameFolder).absolutePath() + QLatin1Char('/');
    const QString data = game + QStringLiteral("data/");
    const std::vector<GeneratedUnit> units =
        generateUnits(options.units, options.icons, usableSoundCount(options.sounds), options.seed);
    const std::vector<Container> containers{textContainer(units),
                                            graphicsContainer(options.icons, options.seed),
                                            soundContainer(options.seed)};
    std::size_t records = 0;
    for (const Container& container : containers)
        records += container.entries.size();
    if (records > std::size_t(MaxIndexRecords))
        return false;
    if (!writeGameFile(game + QStringLiteral("KORVATH.EXE"), {}) ||
        !writeGameFile(data + QStringLiteral("KorEquip.EQP"), equipmentFileBytes(units)) ||
        !writeGameFile(data + QStringLiteral("KorEquip.TXT"), unitNamesFileBytes(units)) ||
        !writeGameFile(data + QStringLiteral("pal.pfp"), paletteFileBytes()) ||
        !writeGameFile(data + QStringLiteral("pfpdata.idx"), pfpIndexBytes(containers)) ||
        !writeGameFile(data + QStringLiteral("ext.idx"), extIndexBytes(containers)))
        return false;
    for (const Container& container : containers)
        if (!writeGameFile(data + QString::fromLatin1(container.baseName) + QStringLiteral(".pfp"),
                           containerFileBytes(container)))
            return false;
    return writeSounds(game + QStringLiteral("bnk/"), options.sounds, options.seed);
}

} // namespace quillon::samplegame
