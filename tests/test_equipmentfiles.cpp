#include "datasheet/Datasheet.h"
#include "equipment/EquipmentFiles.h"
#include "equipment/UnitNames.h"
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "samplegame/SampleGame.h"
#include "support/CoreTestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace quillon::testing;

namespace {

// A count and `records` records whose Move is their number plus one.
QByteArray eqpFile(int count, int records) {
    QByteArray bytes;
    bytes.append(char(count & 0xFF)).append(char((count >> 8) & 0xFF));
    for (int i = 0; i < records; ++i)
        bytes += QByteArray(19, 0) + char(i + 1) + QByteArray(148, 0);
    return bytes;
}

// The data folder of a sample game of `units` units in `dir`, loaded into
// `sheet`; empty when that failed.
QString LoadedSampleGame(const QTemporaryDir& dir, int units, Datasheet& sheet) {
    const QString game = dir.path() + "/game/";
    if (!samplegame::WriteSampleGame(game, {.units = units, .icons = 1, .sounds = 1}) ||
        !LoadEquipmentFiles(game + "data/", sheet, i18n::Language::English).ok)
        return {};
    return game + "data/";
}

SaveResult save(Datasheet& sheet, const QString& folder) {
    SaveInputs inputs;
    inputs.equipmentFolder = folder;
    return SaveEquipmentFiles(sheet, inputs);
}

} // namespace

class EquipmentFilesTest : public QObject {
    Q_OBJECT
private slots:
    // Lower-case names as a Windows copy may have them; two names for three
    // units. A save keeps the names.
    void loadFillsOneRowPerUnit() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(platform::writeWholeFile(folder + "korequip.eqp", eqpFile(3, 3)));
        QVERIFY(platform::writeWholeFile(folder + "korequip.txt", "  Tiger \r\nPuma\r\n"));
        Datasheet sheet;
        sheet.setCell(0, 1, "Unit Name");
        const LoadResult result = LoadEquipmentFiles(folder, sheet, i18n::Language::English);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(sheet.rows(), 4);
        QCOMPARE(sheet.cell(0, 1), QString("Unit Name"));
        QCOMPARE(sheet.cell(3, 0) + "|" + sheet.cell(1, 1) + "|" + sheet.cell(3, 1),
                 QString(" 2|Tiger|"));
        QCOMPARE(sheet.cell(3, 21), QString(" 3"));
        QCOMPARE(QList<int>({sheet.row(), sheet.col()}), QList<int>({1, 0}));
        QVERIFY(save(sheet, folder).ok);
        QCOMPARE(
            QDir(folder).entryList(QDir::Files, QDir::Name),
            (QStringList{"OLD_korequip.eqp", "OLD_korequip.txt", "korequip.eqp", "korequip.txt"}));
    }

    void readingNames_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("CR LF") << QByteArray("A\r\nB\r\n") << 2 << QStringList{"A", "B"};
        QTest::newRow("CR CR LF is an empty line")
            << QByteArray("A\r\r\nB") << 3 << QStringList{"A", "", "B"};
        QTest::newRow("more lines than units")
            << QByteArray("A\r\nB\r\nC\r\n") << 2 << QStringList{"A", "B"};
        QTest::newRow("fewer lines than units") << QByteArray("A\r\n") << 3 << QStringList{"A"};
        QTest::newRow("tab and nbsp are not blanks, 0x80 to 0x9F")
            << QByteArray("\tA\xa0\r\n") + HighBytes() << 2
            << QStringList{QString::fromUtf8("\tA\u00a0"), HighCharacters};
    }
    void readingNames() {
        QFETCH(QByteArray, file);
        QFETCH(int, count);
        QFETCH(QStringList, names);
        QCOMPARE(ReadUnitNames(file, count), names);
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

    void loadRefusesBadFolders_data() {
        QTest::addColumn<QByteArray>("eqp"); // empty: no file
        QTest::addColumn<bool>("withNames");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("file");
        QTest::newRow("no equipment file")
            << QByteArray() << true << i18n::msg::CannotFindFile << "KorEquip.EQP";
        QTest::newRow("no names file")
            << eqpFile(1, 1) << false << i18n::msg::CannotFindFile << "KorEquip.TXT";
        QTest::newRow("count 0") << eqpFile(0, 0) << true << i18n::msg::BadUnitCount
                                 << "KorEquip.EQP";
        QTest::newRow("negative count")
            << eqpFile(-1, 1) << true << i18n::msg::BadUnitCount << "KorEquip.EQP";
        QTest::newRow("one byte") << QByteArray(1, 5) << true << i18n::msg::FileTooShort
                                  << "KorEquip.EQP";
        QTest::newRow("last record one byte short")
            << eqpFile(2, 2).chopped(1) << true << i18n::msg::FileTooShort << "KorEquip.EQP";
    }
    void loadRefusesBadFolders() {
        QFETCH(QByteArray, eqp);
        QFETCH(bool, withNames);
        QFETCH(QString, problem);
        QFETCH(QString, file);
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        if (!eqp.isEmpty())
            QVERIFY(platform::writeWholeFile(folder + "KorEquip.EQP", eqp));
        if (withNames)
            QVERIFY(platform::writeWholeFile(folder + "KorEquip.TXT", "A\r\nB\r\nC\r\n"));
        Datasheet sheet;
        sheet.setRows(2);
        sheet.setCell(1, 1, "old unit");
        const LoadResult result = LoadEquipmentFiles(folder, sheet, i18n::Language::English);
        QVERIFY(!result.ok);
        QCOMPARE(result.message, English(problem.toLatin1().constData(), folder + file));
        QCOMPARE(sheet.rows(), 2);
        QCOMPARE(sheet.cell(1, 1), QString("old unit"));
    }

    // Rows shown in the order 2, 0, 1; unit 1 has a Move of 40 and is current.
    void saveSortsCorrectsAndReselects() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        Datasheet sheet;
        sheet.setRows(4);
        const QStringList numbers = {" 2", " 0", " 1"};
        for (int r = 1; r <= 3; ++r) {
            for (int c = 2; c < Datasheet::ColumnCount; ++c)
                sheet.setCell(r, c, " 0");
            sheet.setCell(r, 0, numbers[r - 1]);
            sheet.setCell(r, 1, "Unit" + numbers[r - 1].trimmed());
        }
        sheet.setCell(3, 21, "40");
        sheet.select(3, 5, 3, 5);
        const SaveResult result = save(sheet, folder);
        QCOMPARE(result.message, Summary({}, {folder + "KorEquip.EQP", folder + "KorEquip.TXT"}));
        QCOMPARE(Bytes(folder + "KorEquip.TXT"), QByteArray("Unit0\r\nUnit1\r\nUnit2\r\n"));
        const QByteArray eqp = Bytes(folder + "KorEquip.EQP");
        QCOMPARE(eqp.size(), 2 + 3 * 168);
        QCOMPARE(int(eqp[2 + 168 + 19]), 31);
        QCOMPARE(sheet.cell(2, 0) + "|" + sheet.cell(2, 21), QString(" 1| 31"));
        QCOMPARE(QList<int>({sheet.row(), sheet.col()}), QList<int>({2, 5}));
    }

    // A save that is refused or fails changes no file, backups included,
    // and a refusal no cell either. Characters the game cannot store are
    // named with unit and field; descriptions count only when written.
    // Paths that even root cannot write: a folder in the file's place.
    void refusedAndFailedSavesChangeNothing_data() {
        QTest::addColumn<QString>("blocked"); // "gone/": a folder that is not there
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("gameData");
        QTest::addColumn<QString>("message"); // %1: the folder; empty: saved; "(": and more
        const QString unstorable = English(i18n::msg::CannotStoreCharacters) + "\r\nUnit No. 1, ";
        const QString cannotWrite = English(i18n::msg::CannotWriteFile, "%1");
        QTest::newRow("missing folder") << "gone/"
                                        << ""
                                        << "" << false
                                        << English(i18n::msg::CannotFindFolder, "%1gone/") +
                                               English(i18n::msg::FolderUnavailable);
        QTest::newRow("backup of the equipment file")
            << "OLD_KorEquip.EQP"
            << ""
            << "" << true << cannotWrite + "OLD_KorEquip.EQP (";
        QTest::newRow("backup of the container") << "OLD_txt.pfp"
                                                 << ""
                                                 << "" << true << cannotWrite + "OLD_txt.pfp (";
        // No names file to back up, and it cannot be written after the equipment file was.
        QTest::newRow("names file after the equipment file")
            << "korequip.txt"
            << ""
            << "" << false << cannotWrite + "korequip.txt (";
        QTest::newRow("name") << "" << u8"Łódź 7TP" << "" << false
                              << unstorable + u8"Unit Name: Ł ź";
        QTest::newRow("name and description, characters outside the first plane")
            << "" << u8"Tank 🛡" << u8"Čech Čech" << true
            << unstorable + u8"Unit Name: 🛡\r\nUnit No. 1, Long Unit Description: Č";
        QTest::newRow("description not written") << ""
                                                 << "" << u8"Čech" << false << "";
        QTest::newRow("code page characters")
            << "" << u8"Škoda €" << u8"Œuvre – “ok”" << true << "";
    }
    void refusedAndFailedSavesChangeNothing() {
        QFETCH(QString, blocked);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(bool, gameData);
        QFETCH(QString, message);
        QTemporaryDir dir;
        Datasheet sheet;
        const QString data = LoadedSampleGame(dir, 3, sheet);
        QVERIFY(!data.isEmpty());
        QStringList descriptions{"", "", ""};
        QVERIFY(SaveEquipmentFiles(sheet, {data, data, true, &descriptions}).ok); // older backups
        if (blocked == "korequip.txt")
            QVERIFY(QFile::remove(data + "KorEquip.TXT"));
        if (blocked.contains('.')) {
            QFile::remove(data + blocked);
            QVERIFY(QDir().mkpath(data + blocked + "/x"));
        }
        const QMap<QString, QByteArray> before = FolderBytes(data);
        descriptions[1] = description;
        if (!name.isEmpty())
            sheet.setCell(2, 1, name);
        sheet.setCell(3, 21, "40");
        const SaveInputs inputs{data + (blocked == "gone/" ? blocked : ""), data, gameData,
                                &descriptions};
        const SaveResult result = SaveEquipmentFiles(sheet, inputs);
        QCOMPARE(result.ok, message.isEmpty());
        if (message.isEmpty())
            return;
        message = message.arg(data);
        if (message.endsWith('(')) {
            QVERIFY2(result.message.startsWith(message) &&
                         result.message.endsWith(")\r\n" + English(i18n::msg::SaveNotCompleted)),
                     qPrintable(result.message));
        } else {
            QCOMPARE(result.message, message);
            QCOMPARE(sheet.cell(3, 21), QString("40"));
        }
        QCOMPARE(FolderBytes(data), before);
    }

    // Signs of a folder whose files come from different saves, told at load
    // with the backups that hold the files as they were.
    void loadWarnsOfMixedFiles_data() {
        QTest::addColumn<QString>("mix");
        QTest::addColumn<QString>("warning"); // %1: the data folder
        QTest::newRow("one set") << ""
                                 << "";
        QTest::newRow("names of an older save")
            << "names" << English(i18n::msg::FewerNamesThanUnits) + "%1KorEquip.TXT";
        QTest::newRow("index of an older save")
            << "index" << English(i18n::msg::IndexDoesNotFit) + "%1pfpdata.idx";
    }
    void loadWarnsOfMixedFiles() {
        QFETCH(QString, mix);
        QFETCH(QString, warning);
        QTemporaryDir dir;
        Datasheet sheet;
        const QString data = LoadedSampleGame(dir, 4, sheet);
        QVERIFY(!data.isEmpty());
        QStringList descriptions{"a", "b", "c", "d"};
        if (mix == "names")
            sheet.addItem(u" 4\tNew", 5);
        if (mix == "index")
            descriptions[1] = "a longer description than before";
        QVERIFY(SaveEquipmentFiles(sheet, {data, data, true, &descriptions}).containerWritten);
        const QString older = mix == "names" ? "KorEquip.TXT" : "pfpdata.idx";
        if (!mix.isEmpty())
            QVERIFY(QFile::remove(data + older) &&
                    QFile::copy(data + "OLD_" + older, data + older));
        const LoadResult loaded = LoadEquipmentFiles(data, sheet, i18n::Language::English);
        QVERIFY(loaded.ok);
        QStringList expected;
        if (!warning.isEmpty()) {
            expected.append(warning.arg(data) + "\r\n" + English(i18n::msg::PreviousSaveKeptIn) +
                            QString("\r\n%1OLD_KorEquip.EQP\r\n%1OLD_KorEquip.TXT\r\n%1OLD_ext.idx"
                                    "\r\n%1OLD_pfpdata.idx\r\n%1OLD_txt.pfp")
                                .arg(data));
        }
        QCOMPARE(loaded.warnings, expected);
    }
};

QTEST_GUILESS_MAIN(EquipmentFilesTest)
#include "test_equipmentfiles.moc"
