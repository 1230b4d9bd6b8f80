#include "datasheet/UnitEditing.h"
#include "equipment/DescriptionContainer.h"
#include "equipment/EquipmentFiles.h"
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "samplegame/SampleGame.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"
#include "support/CoreTestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace quillon::testing;
using gamedata::GameIndex;
using gamedata::IndexRecord;

namespace {

constexpr qint32 FourBlanks = 0x20202020;

QByteArray Name(const QByteArray& text) {
    return text.leftJustified(8, '\0');
}

// A game's text container with two leading entries and one description per
// text, followed by a container whose entries have numeric names and a
// graphics container, laid out the way the game's files are; the index
// files as the game stores them.
struct Game {
    QByteArray container;
    QByteArray pfpFile{"\x04\x03\x02\x01", 4};
    QByteArray extFile;
    GameIndex index() const {
        GameIndex index;
        gamedata::ReadPfpIndex(pfpFile, index);
        gamedata::ReadExtIndex(extFile, index);
        return index;
    }
};

Game MakeGame(const QList<QByteArray>& descriptions, const QByteArray& trailingText = {}) {
    Game game;
    int records = 0;
    auto add = [&](const QByteArray& name, qint32 size, qint32 offset) {
        game.pfpFile += IndexRecordBytes(name, size, offset);
        ++records;
    };
    auto addText = [&](const QByteArray& name, const QByteArray& body) {
        add(name, qint32(body.size()), qint32(game.container.size()));
        game.container += body;
    };
    addText("CLASSES", "# classes\r\nTank\r\nPlane\r\n");
    addText("misc    ", "Foot\r\n");
    for (int j = 0; j < descriptions.size(); ++j)
        addText(QByteArray::number(j), descriptions[j] + "\r\n");
    if (!trailingText.isEmpty())
        addText("EXTRA", trailingText);
    const qint32 numFirst = records;
    add("7", 40, 0);
    add("8", 40, 40);
    const qint32 shpFirst = records;
    add("FLAGSLG ", 500, 0);
    add("UNITICON", 900, 500);
    game.extFile = IndexRecordBytes("TXT", 0, numFirst) +
                   IndexRecordBytes("NUM", numFirst, shpFirst) +
                   IndexRecordBytes("shp     ", FourBlanks, FourBlanks);
    return game;
}

// A sample game checked and loaded as the editor does at start-up.
struct LoadedGame {
    QTemporaryDir temp;
    EditorState state;
    QString data;
    QMap<QString, QByteArray> original;
    bool load() {
        state.GameFolder = temp.path() + "/game/";
        if (!samplegame::WriteSampleGame(state.GameFolder, {.units = 30, .icons = 6, .sounds = 2}))
            return false;
        if (!CheckGameFolder(state).isEmpty())
            return false;
        data = state.DataFolder;
        original = FolderBytes(data);
        return LoadEquipmentFiles(data, state.datasheet, i18n::Language::English).ok;
    }
    QString other() const { // an empty folder beside the game
        QDir().mkpath(temp.path() + "/mine/");
        return temp.path() + "/mine/";
    }
    SaveResult save(const QString& folder) {
        return SaveEquipmentFiles(state.datasheet, {folder, data, true, &state.LongDescriptions,
                                                    i18n::Language::English});
    }
};

} // namespace

class DescriptionContainerTest : public QObject {
    Q_OBJECT
private slots:
    // The rebuilt files must be exactly what a game laid out with the new
    // descriptions holds: following containers' records and the EXT.IDX
    // first/next numbers move with the description block.
    void rebuildsContainerAndIndexes_data() {
        QTest::addColumn<QStringList>("descriptions");
        QTest::addColumn<int>("unitCount");
        QTest::addColumn<QList<QByteArray>>("expected");
        QTest::addColumn<QByteArray>("trailing"); // an entry behind the descriptions
        const QStringList three{"Light tank", "Bomber", "Scout car"};
        const QList<QByteArray> threeBytes{"Light tank", "Bomber", "Scout car"};
        QTest::newRow("unchanged") << three << 3 << threeBytes << QByteArray();
        // Records "0", "1", "2" padded with NUL, sizes 3, 2, 11, offsets p, p+3, p+5.
        QTest::newRow("lengths 1, 0 and 9")
            << QStringList{"A", "", "123456789"} << 3 << QList<QByteArray>{"A", "", "123456789"}
            << QByteArray();
        // The records of the containers behind, and their EXT.IDX first/next
        // numbers, move too; the numeric names behind stay theirs.
        QTest::newRow("unit deleted")
            << QStringList{"Light tank", "Scout car"} << 2
            << QList<QByteArray>{"Light tank", "Scout car"} << QByteArray();
        QTest::newRow("unit inserted, entry behind moves with its bytes")
            << QStringList{"Light tank", "", "Bomber", "Scout car"} << 4
            << QList<QByteArray>{"Light tank", "", "Bomber", "Scout car"}
            << QByteArray("first\r\nsecond\r\n");
        QTest::newRow("blanks trimmed, line breaks become blanks, TAB and no-break space kept")
            << QStringList{"  Light\r\ntank ", QString::fromUtf8("\tBomber\u00a0"), "Scout\ncar  "}
            << 3 << QList<QByteArray>{"Light  tank", "\tBomber\xa0", "Scout car"} << QByteArray();
        QTest::newRow("missing descriptions are empty")
            << QStringList{"Light tank"} << 3 << QList<QByteArray>{"Light tank", "", ""}
            << QByteArray();
        QTest::newRow("code page bytes counted")
            << QStringList{QString::fromUtf8("Char l\u00e9ger"), HighCharacters} << 2
            << QList<QByteArray>{"Char l\xe9ger", HighBytes()} << QByteArray();
    }
    void rebuildsContainerAndIndexes() {
        QFETCH(QStringList, descriptions);
        QFETCH(int, unitCount);
        QFETCH(QList<QByteArray>, expected);
        QFETCH(QByteArray, trailing);
        const Game old = MakeGame({"Light tank", "Bomber", "Scout car"}, trailing);
        const Game want = MakeGame(expected, trailing);
        const RewriteBuild build = BuildDescriptionContainer(
            old.container, old.index(), descriptions, unitCount, i18n::Language::English);
        QVERIFY(build.ok);
        QCOMPARE(build.files.textContainer, want.container);
        QCOMPARE(build.files.pfpIndex, want.pfpFile);
        QCOMPARE(build.files.extIndex, want.extFile);
    }

    // A container cut short before the first description: the copy stops at
    // its end and the descriptions follow what was copied.
    void truncatedContainerStopsLeadingCopy() {
        const Game old = MakeGame({"a"});
        const QByteArray cut = old.container.left(12); // "# classes\r\nT"
        const RewriteBuild build =
            BuildDescriptionContainer(cut, old.index(), {"b"}, 1, i18n::Language::English);
        QVERIFY(build.ok);
        QCOMPARE(build.files.textContainer, QByteArray("# classes\r\nT\r\nb\r\n"));
        QCOMPARE(build.files.pfpIndex.mid(4 + 2 * 16 + 12, 4), QByteArray("\x0e\0\0\0", 4));
    }

    // The game's files as they are on disk at the save decide; a container
    // that cannot be rewritten leaves the equipment files saved alone.
    void containerRefusalsStillSaveEquipment_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message"); // %1: the data folder
        QTest::newRow("no source container")
            << "no txt.pfp" << English(i18n::msg::NoSourceContainer) + "%1TXT.PFP";
        QTest::newRow("index without description records")
            << "no descriptions" << English(i18n::msg::NoDescriptionRecords);
        QTest::newRow("container name leading out of the data folder")
            << "../../zz" << English(i18n::msg::BadContainerName) + "../../zz.pfp";
        // An index of 32767 records with the unit inserted, then one record more.
        QTest::newRow("index exactly full") << "32767" << QString();
        QTest::newRow("more units than the index holds")
            << "32768" << English(i18n::msg::DescriptionIndexFull).arg(32768);
    }
    void containerRefusalsStillSaveEquipment() {
        QFETCH(QString, damage);
        QFETCH(QString, message);
        LoadedGame game;
        QVERIFY(game.load());
        GameIndex index;
        gamedata::ReadExtIndex(game.original.value("ext.idx"), index);
        gamedata::ReadPfpIndex(game.original.value("pfpdata.idx"), index);
        const int first = gamedata::FindPfpEntry(index, "0");
        if (damage == "no txt.pfp")
            QVERIFY(QFile::remove(game.data + "txt.pfp"));
        if (damage == "no descriptions")
            index.PfpIndex.remove(first, 30);
        if (damage == "../../zz")
            index.ExtIndex[0].name = "../../zz";
        if (damage.startsWith("3276")) {
            index.PfpIndex.insert(first + 30, damage.toInt() - 1 - index.PfpIndex.size(),
                                  {Name("EXTRA"), 0, 1});
            QVERIFY(InsertUnitAfter(game.state.datasheet, game.state.LongDescriptions));
        }
        QVERIFY(platform::writeWholeFile(game.data + "pfpdata.idx",
                                         gamedata::WritePfpIndex(index.PfpHeader, index.PfpIndex)));
        QVERIFY(platform::writeWholeFile(game.data + "ext.idx",
                                         gamedata::WriteExtIndex(index.ExtIndex)));
        const QMap<QString, QByteArray> data = FolderBytes(game.data);
        const QString other = game.other();
        const SaveResult result = game.save(other);
        QVERIFY(result.ok);
        QCOMPARE(FolderBytes(game.data), data);
        if (message.isEmpty()) {
            QVERIFY2(result.containerWritten, qPrintable(result.containerMessage));
            QCOMPARE(Bytes(other + "PFPDATA.IDX").size(), 4 + 16 * 32767);
            return;
        }
        QVERIFY(!result.containerWritten);
        QCOMPARE(result.containerMessage, message.arg(game.data));
        QCOMPARE(FolderBytes(other).keys(), (QStringList{"KorEquip.EQP", "KorEquip.TXT"}));
        QCOMPARE(result.message, Summary({}, {other + "KorEquip.EQP", other + "KorEquip.TXT"}));
        QVERIFY(!QFileInfo::exists(QDir::cleanPath(other + "../../zz.pfp")));
    }

    void savingSampleGameUnchangedReproducesItsFiles_data() {
        QTest::addColumn<bool>("intoDataFolder");
        QTest::newRow("into its data folder") << true;
        QTest::newRow("into another folder") << false;
    }
    void savingSampleGameUnchangedReproducesItsFiles() {
        QFETCH(bool, intoDataFolder);
        LoadedGame game;
        QVERIFY(game.load());
        const QString other = game.other();
        // The same folder under another spelling is still the data folder.
        const QString sameFolder = game.temp.path() + "/./game/data/";
        const SaveResult result = game.save(intoDataFolder ? sameFolder : other);
        QVERIFY2(result.ok && result.containerWritten, qPrintable(result.containerMessage));

        // Everything byte for byte as it was, the backups too.
        QMap<QString, QByteArray> expected = game.original;
        QStringList backups, written;
        for (const QString& name :
             QStringList{"KorEquip.EQP", "KorEquip.TXT", "txt.pfp", "pfpdata.idx", "ext.idx"}) {
            // An existing file keeps its spelling, a new one gets the usual one.
            const bool equipment = name.startsWith("Kor");
            written.append(intoDataFolder ? sameFolder + name
                                          : other + (equipment ? name : name.toUpper()));
            QCOMPARE(Bytes(written.last()), game.original.value(name));
            if (intoDataFolder) {
                expected["OLD_" + name] = game.original.value(name);
                backups.append((equipment ? sameFolder : game.data) + "OLD_" + name);
            }
        }
        QCOMPARE(FolderBytes(game.data), expected);
        QCOMPARE(FolderBytes(other).size(), intoDataFolder ? 0 : 5);
        QCOMPARE(result.message, Summary(backups, written));
    }

    // Each save works from the index files as they are on disk: after a
    // first save moved the entry behind the descriptions, the second one
    // still finds its bytes.
    void secondSaveReadsTheIndexTheFirstWrote() {
        QTemporaryDir temp;
        const QString data = temp.path() + "/";
        const QByteArray behind = "first\r\nsecond\r\n";
        const Game old = MakeGame({"Light tank", "Bomber"}, behind);
        QVERIFY(platform::writeWholeFile(data + "TXT.PFP", old.container));
        QVERIFY(platform::writeWholeFile(data + "PFPDATA.IDX", old.pfpFile));
        QVERIFY(platform::writeWholeFile(data + "EXT.IDX", old.extFile));
        QVERIFY(samplegame::WriteEquipmentFiles(data, 2));
        Datasheet sheet;
        QVERIFY(LoadEquipmentFiles(data, sheet, i18n::Language::English).ok);
        QStringList descriptions{"Light tank, with a much longer text now", "Bomber"};
        for (const QString& first : QStringList{descriptions[0], "Short"}) {
            descriptions[0] = first;
            QVERIFY(SaveEquipmentFiles(sheet, {data, data, true, &descriptions}).containerWritten);
        }
        const Game want = MakeGame({"Short", "Bomber"}, behind);
        QCOMPARE(Bytes(data + "TXT.PFP"), want.container);
        QCOMPARE(Bytes(data + "PFPDATA.IDX"), want.pfpFile);
    }
};

QTEST_GUILESS_MAIN(DescriptionContainerTest)
#include "test_descriptioncontainer.moc"
