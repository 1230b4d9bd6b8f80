#include "datasheet/Datasheet.h"
#include "datasheet/UnitEditing.h"
#include "equipment/DescriptionContainer.h"
#include "equipment/EquipmentFiles.h"
#include "equipment/UnitNames.h"
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

// A count and `records` records whose Move is their number plus one.
QByteArray eqpFile(int count, int records) {
    QByteArray bytes;
    bytes.append(char(count & 0xFF)).append(char((count >> 8) & 0xFF));
    for (int i = 0; i < records; ++i)
        bytes += QByteArray(19, 0) + char(i + 1) + QByteArray(148, 0);
    return bytes;
}

// Two leading entries, one description per text, then `trailingText`.
TextContainer MakeGame(const QList<QByteArray>& descriptions, const QByteArray& trailingText = {}) {
    QList<QByteArray> entries{"CLASSES", "# classes\r\nTank\r\nPlane\r\n", "misc    ", "Foot\r\n"};
    for (int j = 0; j < descriptions.size(); ++j)
        entries << QByteArray::number(j) << descriptions[j] + "\r\n";
    if (!trailingText.isEmpty())
        entries << "EXTRA" << trailingText;
    return MakeTextContainer(entries);
}

} // namespace

// Loading and saving the equipment files, and the description container
// with its index files that every save rebuilds.
class EquipmentFilesTest : public QObject {
    Q_OBJECT
    QTemporaryDir made{MemoryTempTemplate()}; // a small sample game, copied for each save
private slots:
    void initTestCase() { QVERIFY(samplegame::WriteSampleGame(made.path() + "/game/", {4, 2, 1})); }

    void readingNames_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("names"); // joined by '|'
        QTest::newRow("CR LF") << QByteArray("A\r\nB\r\n") << 2 << "A|B";
        QTest::newRow("CR CR LF is an empty line") << QByteArray("A\r\r\nB") << 3 << "A||B";
        QTest::newRow("more lines than units") << QByteArray("A\r\nB\r\nC\r\n") << 2 << "A|B";
        QTest::newRow("fewer lines than units") << QByteArray("A\r\n") << 3 << "A";
        QTest::newRow("tab and nbsp are not blanks, 0x80 to 0x9F")
            << QByteArray("\tA\xa0\r\n") + HighBytes() << 2
            << QString::fromUtf8("\tA\u00a0|") + HighCharacters;
    }
    void readingNames() {
        QFETCH(QByteArray, file);
        QFETCH(int, count);
        QTEST(ReadUnitNames(file, count).join('|'), "names");
    }

    // A line break inside a name would move every later name.
    void writingNamesKeepsOneLinePerUnit() {
        const QStringList names = {
            " Panzer IV ", "",          QString::fromUtf8("\tCr\u00e9py\u00a0"),
            "Split\rName", " A\r\nB\n", HighCharacters};
        QCOMPARE(WriteUnitNames(names),
                 QByteArray("Panzer IV\r\n\r\n\tCr\xe9py\xa0\r\nSplit Name\r\nA  B\r\n") +
                     HighBytes() + "\r\n");
    }

    // Lower-case names as a Windows copy may have them: two names for three
    // units load, and a save keeps the names.
    void loadingLowerCaseFiles() {
        QTemporaryDir dir{MemoryTempTemplate()};
        const QString folder = dir.path() + "/";
        QVERIFY(platform::writeWholeFile(folder + "korequip.eqp", eqpFile(3, 3)));
        QVERIFY(platform::writeWholeFile(folder + "korequip.txt", "  Tiger \r\nPuma\r\n"));
        Datasheet sheet;
        sheet.setRows(2);
        sheet.setCell(0, 1, "Unit Name");
        QVERIFY(LoadEquipmentFiles(folder, sheet, i18n::Language::English).ok);
        QCOMPARE(QString("%1 rows at %2,%3: ").arg(sheet.rows()).arg(sheet.row()).arg(sheet.col()) +
                     sheet.cell(0, 1) + "|" + sheet.cell(3, 0) + "|" + sheet.cell(1, 1) + "|" +
                     sheet.cell(3, 1) + "|" + sheet.cell(3, 21),
                 QString("4 rows at 1,0: Unit Name| 2|Tiger|| 3"));
        // Shown in the order 2, 0, 1 with unit 1 current and a Move of 40:
        // the save sorts, corrects and reselects.
        const QList<Datasheet::Row> rows{sheet.rowCells(3), sheet.rowCells(1), sheet.rowCells(2)};
        for (int r = 1; r <= 3; ++r)
            sheet.setRowCells(r, rows[r - 1]);
        sheet.setCell(3, 21, "40");
        sheet.select(3, 5, 3, 5);
        const SaveResult saved = SaveEquipmentFiles(sheet, {folder, {}, false, nullptr});
        QCOMPARE(saved.message, Summary({folder + "OLD_korequip.eqp", folder + "OLD_korequip.txt"},
                                        {folder + "korequip.eqp", folder + "korequip.txt"}));
        QCOMPARE(Bytes(folder + "korequip.txt"), QByteArray("Tiger\r\nPuma\r\n\r\n"));
        const QByteArray records = Bytes(folder + "korequip.eqp");
        QCOMPARE(records.size(), 2 + 3 * 168);
        QCOMPARE(QString("%1, at %2,%3: ")
                         .arg(int(records[2 + 168 + 19]))
                         .arg(sheet.row())
                         .arg(sheet.col()) +
                     sheet.cell(2, 0) + "|" + sheet.cell(2, 21),
                 QString("31, at 2,5:  1| 31"));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 4);
    }

    // The rebuilt files must be exactly what a game laid out with the new
    // descriptions holds: following containers' records and the EXT.IDX
    // first/next numbers move with the description block. Each save works
    // from the index files on disk: a first save moves the entries behind
    // the descriptions, and the second still finds their bytes.
    void rebuildsContainerAndIndexes_data() {
        QTest::addColumn<QStringList>("descriptions");
        QTest::addColumn<int>("unitCount");
        QTest::addColumn<QList<QByteArray>>("expected");
        QTest::addColumn<QByteArray>("trailing"); // an entry behind the descriptions
        const auto row = [](const char* what, const QStringList& descriptions, int units,
                            const QList<QByteArray>& expected, const QByteArray& trailing = {}) {
            QTest::newRow(what) << descriptions << units << expected << trailing;
        };
        row("unchanged", {"Light tank", "Bomber", "Scout car"}, 3,
            {"Light tank", "Bomber", "Scout car"});
        // Records "0", "1", "2" padded with NUL, sizes 3, 2, 11, offsets p, p+3, p+5.
        row("lengths 1, 0 and 9", {"A", "", "123456789"}, 3, {"A", "", "123456789"});
        // The records of the containers behind, and their EXT.IDX first/next
        // numbers, move too; the numeric names behind stay theirs.
        row("unit deleted", {"Light tank", "Scout car"}, 2, {"Light tank", "Scout car"});
        row("unit inserted, entry behind moves with its bytes",
            {"Light tank", "", "Bomber", "Scout car"}, 4, {"Light tank", "", "Bomber", "Scout car"},
            "first\r\nsecond\r\n");
        row("blanks trimmed, line breaks become blanks, TAB and no-break space kept",
            {"  Light\r\ntank ", QString::fromUtf8("\tBomber\u00a0"), "Scout\ncar  "}, 3,
            {"Light  tank", "\tBomber\xa0", "Scout car"});
        row("missing descriptions are empty", {"Light tank"}, 3, {"Light tank", "", ""});
        row("code page bytes counted", {QString::fromUtf8("Char l\u00e9ger"), HighCharacters}, 2,
            {"Char l\xe9ger", HighBytes()});
    }
    void rebuildsContainerAndIndexes() {
        QFETCH(QStringList, descriptions);
        QFETCH(int, unitCount);
        QFETCH(QList<QByteArray>, expected);
        QFETCH(QByteArray, trailing);
        QTemporaryDir temp{MemoryTempTemplate()};
        const QString data = temp.path() + "/";
        const TextContainer old = MakeGame({"Light tank", "Bomber", "Scout car"}, trailing);
        QVERIFY(platform::writeWholeFile(data + "TXT.PFP", old.container));
        QVERIFY(platform::writeWholeFile(data + "PFPDATA.IDX", old.pfpFile));
        QVERIFY(platform::writeWholeFile(data + "EXT.IDX", old.extFile));
        QVERIFY(samplegame::WriteEquipmentFiles(data, unitCount));
        Datasheet sheet;
        QVERIFY(LoadEquipmentFiles(data, sheet, i18n::Language::English).ok);
        QStringList first{"Light tank, with a much longer text now"};
        for (const QStringList* each : {&first, &descriptions})
            QVERIFY(SaveEquipmentFiles(sheet, {data, data, true, each}).containerWritten);
        const TextContainer want = MakeGame(expected, trailing);
        QCOMPARE(Bytes(data + "TXT.PFP"), want.container);
        QCOMPARE(Bytes(data + "PFPDATA.IDX"), want.pfpFile);
        QCOMPARE(Bytes(data + "EXT.IDX"), want.extFile);
    }

    // A container cut short before the first description: the copy stops at
    // its end and the descriptions follow what was copied.
    void truncatedContainerStopsLeadingCopy() {
        const TextContainer old = MakeGame({"a"});
        const QByteArray cut = old.container.left(12); // "# classes\r\nT"
        const RewriteBuild build =
            BuildDescriptionContainer(cut, old.index(), {"b"}, 1, i18n::Language::English);
        QVERIFY(build.ok);
        QCOMPARE(build.files.textContainer, QByteArray("# classes\r\nT\r\nb\r\n"));
        QCOMPARE(build.files.pfpIndex.mid(4 + 2 * 16 + 12, 4), QByteArray("\x0e\0\0\0", 4));
    }

    // Saves of a sample game loaded as at start-up and saved once, after
    // the row's steps: "name X" and "describe X" (unit 1), "move" (unit 2's
    // to 40), "insert" (a unit), "block F" (a folder in the file's place:
    // even root cannot write it), "remove F", "older F" (its backup back in
    // place), an index damaged or grown to a size ("index ..."), then "load"
    // or "save" (into the data folder; "alone": without descriptions; or
    // into "./" the same folder otherwise spelled, "other" folder, "gone/").
    // A save that is refused or fails changes no file, backups included,
    // and a refusal no cell either; characters the game cannot store are
    // named with unit and field. A container that cannot be rewritten leaves
    // the equipment files saved alone. Unchanged, every file is written as
    // it was, with backups of them all in the data folder. Files of
    // different saves are told at the next load, with the backups of them.
    void savesOfALoadedGame_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("message");   // %1: the data folder; "(": and more
        QTest::addColumn<QString>("container"); // the container's message
        const auto row = [](const char* what, const char* script, const QString& message,
                            const QString& container = {}) {
            QTest::newRow(what) << QString(script) << message << container;
        };
        const QString unstorable = English(i18n::msg::CannotStoreCharacters) + "\r\nUnit No. 1, ";
        const QString cannotWrite = English(i18n::msg::CannotWriteFile, "%1");
        const QString kept =
            "\r\n" + English(i18n::msg::PreviousSaveKeptIn) +
            "\r\n%1OLD_KorEquip.EQP\r\n%1OLD_KorEquip.TXT\r\n%1OLD_ext.idx\r\n%1OLD_pfpdata.idx"
            "\r\n%1OLD_txt.pfp";
        row("missing folder", "move, save gone/",
            English(i18n::msg::CannotFindFolder, "%1gone/") +
                English(i18n::msg::FolderUnavailable));
        row("backup of the equipment file", "block OLD_KorEquip.EQP, save",
            cannotWrite + "OLD_KorEquip.EQP (");
        row("backup of the container", "block OLD_txt.pfp, save", cannotWrite + "OLD_txt.pfp (");
        // No names file to back up, and it cannot be written after the equipment file was.
        row("names file after the equipment file",
            "remove KorEquip.TXT, block korequip.txt, save alone", cannotWrite + "korequip.txt (");
        row("name", "name Łódź 7TP, move, save alone", unstorable + u8"Unit Name: Ł ź");
        row("name and description, characters outside the first plane",
            "name Tank 🛡, describe Čech Čech, move, save",
            unstorable + u8"Unit Name: 🛡\r\nUnit No. 1, Long Unit Description: Č");
        row("description not written", "describe Čech, save alone", "",
            English(i18n::msg::NoGameIndex));
        row("code page characters", "name Škoda €, describe Œuvre – “ok”, save", "");
        row("unchanged, into its data folder", "save ./", "");
        row("unchanged, into another folder", "save other", "");
        row("no source container", "remove txt.pfp, save other", "",
            English(i18n::msg::NoSourceContainer) + "%1TXT.PFP");
        row("index without description records", "index no descriptions, save other", "",
            English(i18n::msg::NoDescriptionRecords));
        row("container name leading out of the data folder", "index ../../zz, save other", "",
            English(i18n::msg::BadContainerName) + "../../zz.pfp");
        // An index of 32767 records with the unit inserted, then one record more.
        row("index exactly full", "index 32767, insert, save other", "");
        row("more units than the index holds", "index 32768, insert, save other", "",
            English(i18n::msg::DescriptionIndexFull).arg(32768));
        // A folder that cannot be loaded leaves the sheet as it was.
        const QString eqp = "%1korequip.eqp";
        row("no equipment file", "remove KorEquip.EQP, load",
            English(i18n::msg::CannotFindFile, "%1KorEquip.EQP"));
        row("no names file", "remove KorEquip.TXT, load",
            English(i18n::msg::CannotFindFile, "%1KorEquip.TXT"));
        row("count 0", "records 0 0, load", English(i18n::msg::BadUnitCount, eqp));
        row("negative count", "records -1 1, load", English(i18n::msg::BadUnitCount, eqp));
        row("one byte", "records 5 0 cut, load", English(i18n::msg::FileTooShort, eqp));
        row("last record one byte short", "records 2 2 cut, load",
            English(i18n::msg::FileTooShort, eqp));
        row("one set", "save, load", "");
        row("names of an older save", "insert, save, older KorEquip.TXT, load",
            English(i18n::msg::FewerNamesThanUnits) + "%1KorEquip.TXT" + kept);
        row("index of an older save", "describe a longer text, save, older pfpdata.idx, load",
            English(i18n::msg::IndexDoesNotFit) + "%1pfpdata.idx" + kept);
    }
    void savesOfALoadedGame() {
        QFETCH(QString, script);
        QFETCH(QString, message);
        QFETCH(QString, container);
        QTemporaryDir temp{MemoryTempTemplate()};
        EditorState state;
        state.GameFolder = temp.path() + "/game/";
        QVERIFY(CopyFolder(made.path() + "/game/", state.GameFolder));
        QVERIFY(CheckGameFolder(state).isEmpty());
        const QString data = state.DataFolder, other = temp.path() + "/other/";
        const QMap<QString, QByteArray> original = FolderBytes(data);
        Datasheet& sheet = state.datasheet;
        QVERIFY(LoadEquipmentFiles(data, sheet, i18n::Language::English).ok);
        QVERIFY(QDir().mkpath(other));
        QStringList& descriptions = state.LongDescriptions;
        const auto save = [&](const QString& folder, bool gameData) {
            return SaveEquipmentFiles(sheet, {folder, data, gameData, &descriptions});
        };
        QVERIFY(save(data, true).ok); // older backups
        QMap<QString, QByteArray> before;
        SaveResult result;
        QString folder = data;
        for (const QString& step : script.split(", ")) {
            const QString word = step.section(' ', 0, 0), rest = step.section(' ', 1);
            before = FolderBytes(data);
            if (word == "name")
                sheet.setCell(2, 1, rest);
            if (word == "describe")
                descriptions[1] = rest;
            if (word == "move")
                sheet.setCell(3, 21, "40");
            if (word == "insert")
                QVERIFY(InsertUnitAfter(sheet, descriptions));
            if (word == "block") {
                QFile::remove(data + rest);
                QVERIFY(QDir().mkpath(data + rest + "/x"));
            }
            if (word == "remove" || word == "older")
                QVERIFY(QFile::remove(data + rest));
            if (word == "older")
                QVERIFY(QFile::copy(data + "OLD_" + rest, data + rest));
            if (word == "records") { // a count and records, one byte short ("cut")
                const QStringList n = rest.split(' ');
                const QByteArray bytes = eqpFile(n[0].toInt(), n[1].toInt());
                QVERIFY(QFile::remove(data + "KorEquip.EQP")); // messages name it as spelled
                QVERIFY(platform::writeWholeFile(data + "korequip.eqp",
                                                 bytes.chopped(n.size() > 2 ? 1 : 0)));
            }
            if (word == "index") {
                GameIndex index;
                gamedata::ReadExtIndex(original.value("ext.idx"), index);
                gamedata::ReadPfpIndex(original.value("pfpdata.idx"), index);
                const int first = gamedata::FindPfpEntry(index, "0");
                if (rest == "no descriptions")
                    index.PfpIndex.remove(first, 4);
                if (rest == "../../zz")
                    index.ExtIndex[0].name = "../../zz";
                if (rest.startsWith("3276"))
                    index.PfpIndex.insert(first + 4, rest.toInt() - 1 - index.PfpIndex.size(),
                                          {QByteArray("EXTRA\0\0\0", 8), 0, 1});
                QVERIFY(platform::writeWholeFile(
                    data + "pfpdata.idx",
                    gamedata::WritePfpIndex(index.PfpHeader, index.PfpIndex)));
                QVERIFY(platform::writeWholeFile(data + "ext.idx",
                                                 gamedata::WriteExtIndex(index.ExtIndex)));
            }
            if (word == "save") {
                folder = rest == "./"      ? temp.path() + "/./game/data/"
                         : rest == "other" ? other
                                           : data + (rest == "gone/" ? rest : "");
                result = save(folder, rest != "alone");
            }
        }
        message.replace("%1", data);
        if (script.endsWith("load")) {
            sheet.setCell(2, 1, "Old");
            const Datasheet::Row unit1 = sheet.rowCells(2);
            const int rows = sheet.rows();
            const LoadResult loaded = LoadEquipmentFiles(data, sheet, i18n::Language::English);
            QCOMPARE(loaded.ok ? loaded.warnings.join("") : loaded.message, message);
            QVERIFY(loaded.ok || (sheet.rows() == rows && sheet.rowCells(2) == unit1));
            return;
        }
        if (message.endsWith('(')) {
            QVERIFY2(result.message.startsWith(message) &&
                         result.message.endsWith(")\r\n" + English(i18n::msg::SaveNotCompleted)),
                     qPrintable(result.message));
        } else if (!message.isEmpty()) {
            QCOMPARE(result.message, message);
            QCOMPARE(sheet.cell(3, 21), QString("40"));
        }
        QCOMPARE(result.ok, message.isEmpty());
        if (!result.ok || folder == other)
            QCOMPARE(FolderBytes(data), before);
        QCOMPARE(result.containerMessage, container.replace("%1", data));
        QCOMPARE(result.containerWritten, result.ok && container.isEmpty());
        if (folder == other && !container.isEmpty()) {
            QCOMPARE(FolderBytes(other).keys(), (QStringList{"KorEquip.EQP", "KorEquip.TXT"}));
            QCOMPARE(result.message, Summary({}, {other + "KorEquip.EQP", other + "KorEquip.TXT"}));
            QVERIFY(!QFileInfo::exists(QDir::cleanPath(other + "../../zz.pfp")));
        }
        if (script.contains("32767"))
            QCOMPARE(Bytes(other + "PFPDATA.IDX").size(), 4 + 16 * 32767);
        if (script != "save ./" && script != "save other")
            return;
        // Everything byte for byte as it was, the backups too; an existing
        // file keeps its spelling, a new one gets the usual one.
        const bool intoDataFolder = folder != other;
        QMap<QString, QByteArray> expected = original;
        QStringList backups, written;
        for (const QString& name :
             QStringList{"KorEquip.EQP", "KorEquip.TXT", "txt.pfp", "pfpdata.idx", "ext.idx"}) {
            const bool equipment = name.startsWith("Kor");
            written.append(folder + (intoDataFolder || equipment ? name : name.toUpper()));
            QCOMPARE(Bytes(written.last()), original.value(name));
            expected["OLD_" + name] = original.value(name);
            if (intoDataFolder)
                backups.append((equipment ? folder : data) + "OLD_" + name);
        }
        QCOMPARE(FolderBytes(data), expected);
        QCOMPARE(FolderBytes(other).size(), intoDataFolder ? 0 : 5);
        QCOMPARE(result.message, Summary(backups, written));
    }
};

QTEST_GUILESS_MAIN(EquipmentFilesTest)
#include "test_equipmentfiles.moc"
