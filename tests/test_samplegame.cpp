#include "check/UnitCheck.h"
#include "equipment/EquipmentFiles.h"
#include "samplegame/SampleGame.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"
#include "support/CoreTestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace quillon::testing;

class SampleGameTest : public QObject {
    Q_OBJECT
private slots:
    // Every size the generator accepts is read in full, laid out as the
    // game's files are and clean, notes included; it refuses the sizes the
    // editor could not read, and writes nothing then.
    void acceptedSizesAreReadCompletely_data() {
        using namespace samplegame;
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("icons");
        QTest::addColumn<bool>("equipmentOnly"); // beside a game of 40 units
        QTest::addColumn<bool>("written");
        QTest::newRow("one unit, one icon") << 1 << 1 << false << true;
        QTest::newRow("40 units, 13 icons") << 40 << 13 << false << true;
        QTest::newRow("the largest game") << MaxGameUnits << MaxIcons << false << true;
        QTest::newRow("a unit more than the index holds")
            << MaxGameUnits + 1 << 10 << false << false;
        QTest::newRow("an icon more than the editor holds") << 10 << MaxIcons + 1 << false << false;
        QTest::newRow("no units") << 0 << 10 << false << false;
        QTest::newRow("the largest equipment file") << 32767 << 10 << true << true;
        QTest::newRow("an equipment file beyond it") << 32768 << 10 << true << false;
    }
    void acceptedSizesAreReadCompletely() {
        QFETCH(int, units);
        QFETCH(int, icons);
        QFETCH(bool, equipmentOnly);
        QFETCH(bool, written);
        QTemporaryDir dir{MemoryTempTemplate()};
        const QString game = dir.path() + "/game/";
        const QString equipment = equipmentOnly ? dir.path() + "/big/" : game + "data/";
        if (equipmentOnly) {
            QVERIFY(samplegame::WriteSampleGame(game, {40, icons, 2, 3}));
            QCOMPARE(samplegame::WriteEquipmentFiles(equipment, units), written);
        } else {
            QCOMPARE(samplegame::WriteSampleGame(game, {units, icons, 2, 3}), written);
        }
        if (!written) {
            QVERIFY(!QDir(equipmentOnly ? equipment : game).exists());
            return;
        }
        // As at start-up: the check before any file is open.
        EditorState state;
        state.GameFolder = game;
        QCOMPARE(CheckGameFolder(state), QStringList());
        QVERIFY(LoadEquipmentFiles(equipment, state.datasheet, i18n::Language::English).ok);
        const QList<gamedata::IndexRecord>& entries = state.index.PfpIndex;
        const QList<gamedata::IndexRecord>& ext = state.index.ExtIndex;
        // Units, index records, containers, move methods and media, and
        // sounds (one with an upper-case extension).
        QCOMPARE((QList<qsizetype>{state.datasheet.rows() - 1, entries.size(), ext.size(),
                                   state.lists.moveMethods.size(), state.lists.moveMedia.size(),
                                   state.soundFiles.size()}),
                 (QList<qsizetype>{units, (Bytes(state.DataFolder + "pfpdata.idx").size() - 4) / 16,
                                   3, 11, 2, 3}));
        // Every container's records are contiguous from offset 0 and cover
        // its file exactly; ext.idx gives each container's first/next record.
        QCOMPARE(ext[2].size, 0x20202020);
        for (qsizetype c = 0; c < ext.size(); ++c) {
            const qint32 first = c == 0 ? 0 : ext[c - 1].offset;
            const qint32 next = c + 1 < ext.size() ? ext[c].offset : qint32(entries.size());
            if (c + 1 < ext.size())
                QCOMPARE(ext[c].size, first);
            qint32 position = 0;
            for (qint32 k = first; k < next; ++k) {
                QCOMPARE(entries[k].offset, position);
                position += entries[k].size;
            }
            const QString container = QByteArray(ext[c].name).replace('\0', "") + ".pfp";
            QCOMPARE(position, Bytes(state.DataFolder + container).size());
        }
        const int described = equipmentOnly ? 40 : units;
        QVERIFY(state.LongDescriptions.size() >= described);
        for (int unit = 0; unit < described; ++unit)
            QVERIFY(!state.LongDescriptions[unit].startsWith(' ')); // no placeholder
        QVERIFY(!state.lists.classes.isEmpty() && !state.lists.NationNames.isEmpty());
        QCOMPARE(state.graphics.flags.size(), 31);
        QVERIFY(!state.graphics.flags.contains(gamedata::Picture()));
        QCOMPARE(state.graphics.IconCount, icons);
        for (int icon : {0, icons - 1})
            QVERIFY(gamedata::ShowUnitIcon(state.DataFolder, state.graphics, icon).valid);
        if (units != 40) // the whole check and the repeats are slow on the largest game
            return;
        QCOMPARE(check::CheckUnits(state.datasheet, check::ReferenceOf(state)).problems.size(),
                 size_t(0));
        // The same options write the same files, another seed other data.
        const QString same = dir.path() + "/same/", other = dir.path() + "/other/";
        QVERIFY(samplegame::WriteSampleGame(same, {40, 13, 2, 3}));
        QVERIFY(samplegame::WriteSampleGame(other, {40, 13, 2, 4}));
        for (const char* folder : {"", "data/", "bnk/"})
            QCOMPARE(FolderBytes(same + folder), FolderBytes(game + folder));
        QVERIFY(FolderBytes(other + "data/") != FolderBytes(game + "data/"));
        QVERIFY(!samplegame::WriteSampleGame(game + "data/ext.idx/game", {40, 13, 2, 3}));
    }
};

QTEST_GUILESS_MAIN(SampleGameTest)
#include "test_samplegame.moc"
