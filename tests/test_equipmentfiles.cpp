#include "datasheet/Datasheet.h"
#include "equipment/EquipmentFiles.h"
#include "gamedata/IndexFiles.h"
#include "gamedata/TextLists.h"
#include "i18n/Messages.h"
#include "platform/Files.h"
#include "samplegame/SampleGame.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

namespace {

QByteArray eqpFile(int count, int records) {
    QByteArray bytes;
    bytes.append(char(count & 0xFF)).append(char((count >> 8) & 0xFF));
    for (int i = 0; i < records; ++i) {
        QByteArray record(168, 0);
        record[19] = char(i + 1); // Move
        bytes += record;
    }
    return bytes;
}

QByteArray read(const QString& path) {
    return platform::readWholeFile(path).value_or("<missing>");
}

QString message(const char* name, const QString& path = {}) {
    return i18n::Message(i18n::Language::English, QString::fromLatin1(name)) + path;
}

// A sheet that already holds something, to see that refusals leave it alone.
void fillWithOldUnit(Datasheet& sheet) {
    sheet.setRows(2);
    sheet.setCell(0, 0, "heading");
    sheet.setCell(1, 1, "old unit");
}

QString summary(const QStringList& backups, const QStringList& files) {
    QString text = "Your old files has been saved as: \r\n";
    for (const QString& path : backups)
        text += path + "\r\n";
    text += "\r\nYour complete E-file now consists of the following files: \r\n";
    for (const QString& path : files)
        text += path + "\r\n";
    return text + "\r\nAll these files has to be distributed, to implement all changes made to "
                  "your E-file.";
}

} // namespace

class EquipmentFilesTest : public QObject {
    Q_OBJECT
private slots:
    void loadFillsOneRowPerUnit() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        // Lower-case names as a Windows copy may have them; two names for three units.
        QVERIFY(platform::writeWholeFile(folder + "korequip.eqp", eqpFile(3, 3)));
        QVERIFY(platform::writeWholeFile(folder + "korequip.txt", "  Tiger \r\nPuma\r\n"));
        Datasheet sheet;
        sheet.setCell(0, 1, "Unit Name");
        const LoadResult result = LoadEquipmentFiles(folder, sheet, i18n::Language::English);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.equipmentPath, folder + "korequip.eqp");
        QCOMPARE(sheet.rows(), 4);
        QCOMPARE(sheet.cell(0, 1), QString("Unit Name"));
        const QStringList numbers = {sheet.cell(1, 0), sheet.cell(2, 0), sheet.cell(3, 0)};
        QCOMPARE(numbers, (QStringList{" 0", " 1", " 2"}));
        const QStringList names = {sheet.cell(1, 1), sheet.cell(2, 1), sheet.cell(3, 1)};
        QCOMPARE(names, (QStringList{"Tiger", "Puma", ""}));
        QCOMPARE(sheet.cell(3, 21), QString(" 3"));
        QCOMPARE(sheet.row(), 1);
        QCOMPARE(sheet.col(), 0);
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
        QTest::newRow("one byte") << QByteArray(1, 5) << true << i18n::msg::FileTooShort
                                  << "KorEquip.EQP";
        QTest::newRow("count 0") << eqpFile(0, 0) << true << i18n::msg::BadUnitCount
                                 << "KorEquip.EQP";
        QTest::newRow("negative count")
            << eqpFile(-1, 1) << true << i18n::msg::BadUnitCount << "KorEquip.EQP";
        QTest::newRow("truncated")
            << eqpFile(3, 2) << true << i18n::msg::FileTooShort << "KorEquip.EQP";
        QByteArray oneShort = eqpFile(2, 2);
        oneShort.chop(1);
        QTest::newRow("last record one byte short")
            << oneShort << true << i18n::msg::FileTooShort << "KorEquip.EQP";
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
        fillWithOldUnit(sheet);
        const LoadResult result = LoadEquipmentFiles(folder, sheet, i18n::Language::English);
        QVERIFY(!result.ok);
        QCOMPARE(result.message, message(problem.toLatin1().constData(), folder + file));
        QCOMPARE(sheet.rows(), 2);
        QCOMPARE(sheet.cell(1, 1), QString("old unit"));
        QCOMPARE(sheet.cell(0, 0), QString("heading"));
    }

    void unchangedSaveReproducesTheFiles() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(samplegame::WriteEquipmentFiles(folder, 300, 5));
        const QByteArray eqp = read(folder + "KorEquip.EQP");
        const QByteArray txt = read(folder + "KorEquip.TXT");
        Datasheet sheet;
        QVERIFY(LoadEquipmentFiles(folder, sheet, i18n::Language::English).ok);
        SaveInputs inputs;
        inputs.equipmentFolder = folder;
        const SaveResult first = SaveEquipmentFiles(sheet, inputs);
        QVERIFY2(first.ok, qPrintable(first.message));
        QCOMPARE(read(folder + "KorEquip.EQP"), eqp);
        QCOMPARE(read(folder + "KorEquip.TXT"), txt);
        QCOMPARE(read(folder + "OLD_KorEquip.EQP"), eqp);
        QCOMPARE(first.message, summary({folder + "OLD_KorEquip.EQP", folder + "OLD_KorEquip.TXT"},
                                        {folder + "KorEquip.EQP", folder + "KorEquip.TXT"}));

        // A second save backs up what the first wrote.
        sheet.setCell(5, 1, "Renamed");
        QVERIFY(SaveEquipmentFiles(sheet, inputs).ok);
        QCOMPARE(read(folder + "OLD_KorEquip.TXT"), txt);
        QVERIFY(read(folder + "KorEquip.TXT").contains("\r\nRenamed\r\n"));
    }

    void saveKeepsExistingFileNames() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(platform::writeWholeFile(folder + "korequip.eqp", eqpFile(2, 2)));
        QVERIFY(platform::writeWholeFile(folder + "korequip.txt", "A\r\nB\r\n"));
        Datasheet sheet;
        QVERIFY(LoadEquipmentFiles(folder, sheet, i18n::Language::English).ok);
        SaveInputs inputs;
        inputs.equipmentFolder = folder;
        QVERIFY(SaveEquipmentFiles(sheet, inputs).ok);
        QCOMPARE(
            QDir(folder).entryList(QDir::Files, QDir::Name),
            (QStringList{"OLD_korequip.eqp", "OLD_korequip.txt", "korequip.eqp", "korequip.txt"}));
    }

    void saveSortsCorrectsAndReselects() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        Datasheet sheet;
        sheet.setRows(4);
        for (int r = 1; r <= 3; ++r) {
            for (int c = 2; c < Datasheet::ColumnCount; ++c)
                sheet.setCell(r, c, " 0");
        }
        // Shown in the order 2, 0, 1; unit 1 has a Move of 40; unit 1 is current.
        const QStringList numbers = {" 2", " 0", " 1"};
        for (int r = 1; r <= 3; ++r) {
            sheet.setCell(r, 0, numbers[r - 1]);
            sheet.setCell(r, 1, "Unit" + numbers[r - 1].trimmed());
        }
        sheet.setCell(3, 21, "40");
        sheet.select(3, 5, 3, 5);
        SaveInputs inputs;
        inputs.equipmentFolder = folder;
        const SaveResult result = SaveEquipmentFiles(sheet, inputs);
        QVERIFY(result.ok);
        QCOMPARE(result.message, summary({}, {folder + "KorEquip.EQP", folder + "KorEquip.TXT"}));
        QCOMPARE(read(folder + "KorEquip.TXT"), QByteArray("Unit0\r\nUnit1\r\nUnit2\r\n"));
        const QByteArray eqp = read(folder + "KorEquip.EQP");
        QCOMPARE(eqp.size(), 2 + 3 * 168);
        QCOMPARE(eqp.left(2), QByteArray("\x03\x00", 2));
        QCOMPARE(int(eqp[2 + 168 + 19]), 31);
        QCOMPARE(sheet.cell(2, 0), QString(" 1"));
        QCOMPARE(sheet.cell(2, 21), QString(" 31"));
        QCOMPARE(sheet.row(), 2);
        QCOMPARE(sheet.col(), 5);
        QVERIFY(QDir(folder).entryList({"OLD_*"}, QDir::Files).isEmpty());
    }

    void saveIntoMissingFolderWritesNothing() {
        QTemporaryDir dir;
        const QString folder = dir.filePath("gone/");
        Datasheet sheet;
        sheet.setRows(2);
        sheet.setCell(1, 21, "40");
        SaveInputs inputs;
        inputs.equipmentFolder = folder;
        const SaveResult result = SaveEquipmentFiles(sheet, inputs);
        QVERIFY(!result.ok);
        QCOMPARE(result.message, message(i18n::msg::CannotFindFolder) + folder +
                                     message(i18n::msg::FolderUnavailable));
        QCOMPARE(sheet.cell(1, 21), QString("40"));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void saveWithGameDataRewritesTheContainer_data() {
        QTest::addColumn<bool>("intoDataFolder");
        QTest::newRow("other folder") << false;
        QTest::newRow("the game's data folder") << true;
    }
    void saveWithGameDataRewritesTheContainer() {
        QFETCH(bool, intoDataFolder);
        QTemporaryDir dir;
        const QString data = dir.filePath("game/data/");
        QVERIFY(samplegame::WriteSampleGame(dir.filePath("game/"), {20, 10, 2, 3}));
        gamedata::GameIndex index;
        gamedata::ReadExtIndex(read(data + "ext.idx"), index);
        gamedata::ReadPfpIndex(read(data + "pfpdata.idx"), index);
        gamedata::TextLists lists;
        QStringList descriptions;
        gamedata::LoadTextLists(read(data + "txt.pfp"), index, lists, descriptions);
        const QString folder = intoDataFolder ? data : dir.filePath("out/");
        QVERIFY(QDir().mkpath(folder));
        Datasheet sheet;
        QVERIFY(LoadEquipmentFiles(data, sheet, i18n::Language::English).ok);
        SaveInputs inputs{folder, data, &index, &descriptions, i18n::Language::English};
        const SaveResult result = SaveEquipmentFiles(sheet, inputs);
        QVERIFY2(result.ok && result.containerWritten, qPrintable(result.containerMessage));
        // Existing files keep their names, new ones get the game's spelling.
        const QStringList written =
            intoDataFolder
                ? QStringList{folder + "KorEquip.EQP", folder + "KorEquip.TXT", folder + "txt.pfp",
                              folder + "pfpdata.idx", folder + "ext.idx"}
                : QStringList{folder + "KorEquip.EQP", folder + "KorEquip.TXT", folder + "TXT.PFP",
                              folder + "PFPDATA.IDX", folder + "EXT.IDX"};
        const QStringList backups =
            intoDataFolder
                ? QStringList{data + "OLD_KorEquip.EQP", data + "OLD_KorEquip.TXT",
                              data + "OLD_txt.pfp", data + "OLD_pfpdata.idx", data + "OLD_ext.idx"}
                : QStringList{};
        QCOMPARE(result.message, summary(backups, written));
        for (const QString& path : written)
            QVERIFY2(platform::fileExists(path), qPrintable(path));
    }

    // Paths that cannot be written even by root: a folder in the file's place.
    void failedWriteLeavesFilesAsTheyWere_data() {
        QTest::addColumn<QString>("blocked");
        QTest::newRow("backup of the equipment file") << "OLD_KorEquip.EQP";
        QTest::newRow("backup of the names file") << "OLD_KorEquip.TXT";
        // No names file to back up, and it cannot be written after the equipment file was.
        QTest::newRow("names file after the equipment file") << "korequip.txt";
    }
    void failedWriteLeavesFilesAsTheyWere() {
        QFETCH(QString, blocked);
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(samplegame::WriteEquipmentFiles(folder, 5, 2));
        const QByteArray eqp = read(folder + "KorEquip.EQP");
        Datasheet sheet;
        QVERIFY(LoadEquipmentFiles(folder, sheet, i18n::Language::English).ok);
        if (blocked == "korequip.txt")
            QVERIFY(QFile::remove(folder + "KorEquip.TXT"));
        QVERIFY(QDir().mkpath(folder + blocked + "/x"));
        sheet.setCell(1, 21, "40");
        SaveInputs inputs;
        inputs.equipmentFolder = folder;
        const SaveResult result = SaveEquipmentFiles(sheet, inputs);
        QVERIFY(!result.ok);
        QCOMPARE(result.message, message(i18n::msg::CannotWriteFile, folder + blocked));
        QCOMPARE(read(folder + "KorEquip.EQP"), eqp);
    }
};

QTEST_GUILESS_MAIN(EquipmentFilesTest)
#include "test_equipmentfiles.moc"
