#include "equipment/EquipmentFiles.h"
#include "samplegame/SampleGame.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"
#include "support/CoreTestSupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace quillon::testing;

class SampleGameTest : public QObject {
    Q_OBJECT
private slots:
    // The other tests use the generated game heavily; this checks that it
    // is laid out as the game's files are, readable by the editor and
    // repeatable.
    void gameIsSoundAndDeterministic() {
        QTemporaryDir dir, same, other;
        const samplegame::Options options{40, 13, 2, 9};
        const QString game = dir.path() + "/";
        QVERIFY(samplegame::WriteSampleGame(game, options));

        EditorState state;
        state.GameFolder = game;
        QCOMPARE(CheckGameFolder(state), QStringList());
        // Every container's records are contiguous from offset 0 and cover
        // its file exactly; ext.idx gives each container's first/next record.
        const QString data = state.DataFolder;
        const QList<gamedata::IndexRecord>& entries = state.index.PfpIndex;
        const QList<gamedata::IndexRecord>& ext = state.index.ExtIndex;
        QCOMPARE(ext.size(), 3);
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
            QCOMPARE(position,
                     Bytes(data + QByteArray(ext[c].name).replace('\0', "") + ".pfp").size());
        }
        QVERIFY(LoadEquipmentFiles(state.DataFolder, state.datasheet, i18n::Language::English).ok);
        QCOMPARE(state.datasheet.rows(), 41);
        QCOMPARE(state.lists.moveMethods.size(), 11);
        QCOMPARE(state.lists.moveMedia.size(), 2);
        QVERIFY(!state.lists.classes.isEmpty() && !state.lists.NationNames.isEmpty());
        for (int unit = 0; unit < 40; ++unit)
            QVERIFY(!state.LongDescriptions[unit].startsWith(' ')); // no placeholder
        QCOMPARE(state.graphics.flags.size(), 31);
        for (const QImage& flag : state.graphics.flags)
            QVERIFY(!flag.isNull());
        QCOMPARE(state.graphics.IconCount, 13);
        for (int icon = 0; icon < 13; ++icon)
            QVERIFY(gamedata::ShowUnitIcon(state.DataFolder, state.graphics, icon).valid);
        QCOMPARE(state.soundFiles.size(), 3); // one with an upper-case extension

        QVERIFY(samplegame::WriteSampleGame(same.path() + "/", options));
        QVERIFY(samplegame::WriteSampleGame(other.path() + "/", {40, 13, 2, 10}));
        for (const char* folder : {"", "data/", "bnk/"})
            QCOMPARE(FolderBytes(same.path() + "/" + folder), FolderBytes(game + folder));
        QVERIFY(FolderBytes(other.path() + "/data/") != FolderBytes(data));
        QVERIFY(!samplegame::WriteSampleGame(data + "ext.idx/game", options));
    }
};

QTEST_GUILESS_MAIN(SampleGameTest)
#include "test_samplegame.moc"
