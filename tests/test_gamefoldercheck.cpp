#include "i18n/Messages.h"
#include "platform/Files.h"
#include "samplegame/SampleGame.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

namespace {

QByteArray Record(const QByteArray& name, qint32 size, qint32 offset) {
    QByteArray record = name + QByteArray(8 - name.size(), '\0');
    for (const qint32 value : {size, offset})
        for (int shift = 0; shift < 32; shift += 8)
            record.append(char((value >> shift) & 0xff));
    return record;
}

// A small game folder: a text container with classes and two descriptions,
// a palette, no shp.pfp (nothing indexes it) and one sound file.
void WriteTinyGame(const QString& game, const QString& dataName, const QByteArray& textName,
                   const QString& textFile) {
    const QString data = game + dataName + "/";
    QDir().mkpath(data);
    QDir().mkpath(game + "BNK");
    const QByteArray classes = "# classes\r\nInfantry\r\nTank\r\n";
    const QByteArray descriptions = "Rifles\r\nHeavy tank\r\n";
    QVERIFY(platform::writeWholeFile(data + "ext.idx", Record(textName, 0x20202020, 0x20202020)));
    QVERIFY(platform::writeWholeFile(data + "pfpdata.idx",
                                     QByteArray(4, '\0') + Record("CLASSES", classes.size(), 0) +
                                         Record("0", 8, classes.size()) +
                                         Record("1", 12, classes.size() + 8)));
    QVERIFY(platform::writeWholeFile(data + textFile, classes + descriptions));
    QVERIFY(platform::writeWholeFile(data + "pal.pfp", QByteArray(1024, '\x20')));
    QVERIFY(platform::writeWholeFile(game + "BNK/0001.MEL", QByteArray(64, '\0')));
    QVERIFY(platform::writeWholeFile(game + "BNK/readme.txt", "not a sound"));
}

} // namespace

class GameFolderCheckTest : public QObject {
    Q_OBJECT
private slots:
    void reportsMissingFilesInOrder_data() {
        QTest::addColumn<QString>("removed");      // relative to the game folder
        QTest::addColumn<QStringList>("messages"); // file names in DATA, or fixed texts
        QTest::addColumn<bool>("extFound");
        QTest::addColumn<bool>("pfpFound");
        QTest::addColumn<QStringList>("classes");
        QTest::newRow("complete") << QString() << QStringList() << true << true
                                  << QStringList{"Infantry", "Tank"};
        QTest::newRow("no ext.idx")
            << "DATA/ext.idx" << QStringList{"@ext.idx"} << false << false << QStringList();
        QTest::newRow("no pfpdata.idx")
            << "DATA/pfpdata.idx" << QStringList{"@pfpdata.idx"} << true << false << QStringList();
        QTest::newRow("no text container")
            << "DATA/txt.pfp" << QStringList{"@TXT.pfp"} << true << true << QStringList();
        QTest::newRow("no palette")
            << "DATA/pal.pfp" << QStringList{"@pal.pfp", i18n::msg::PaletteMissing} << true << true
            << QStringList{"Infantry", "Tank"};
        QTest::newRow("no data folder")
            << "DATA" << QStringList() << true << true << QStringList{"stale"};
    }
    void reportsMissingFilesInOrder() {
        QFETCH(QString, removed);
        QFETCH(QStringList, messages);
        QFETCH(bool, extFound);
        QFETCH(bool, pfpFound);
        QFETCH(QStringList, classes);
        QTemporaryDir temp;
        const QString game = temp.path() + "/";
        WriteTinyGame(game, "DATA", "TXT", "txt.pfp");
        const QString path = game + removed;
        if (!removed.isEmpty())
            QVERIFY(QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path));

        EditorState state;
        state.GameFolder = game;
        state.LanguageCode = "DEU";
        state.lists.classes = {"stale"};
        state.ExtIndexFound = state.PfpIndexFound = true;
        const QStringList shown = CheckGameFolder(state);

        QCOMPARE(state.LanguageCode, QString("deu"));
        // A missing folder gets the usual spelling.
        QCOMPARE(state.DataFolder, game + (removed == "DATA" ? "data/" : "DATA/"));
        QCOMPARE(state.SoundFolder, game + "BNK/");
        QStringList expected;
        for (const QString& message : messages)
            expected << (message.startsWith('@')
                             ? MissingDataFileMessage(state, game + "DATA/" + message.mid(1))
                             : message);
        QCOMPARE(shown, expected);
        QCOMPARE(state.ExtIndexFound, extFound);
        QCOMPARE(state.PfpIndexFound, pfpFound);
        QCOMPARE(state.lists.classes, classes);
        // The sound list is filled whatever the data folder holds.
        QCOMPARE(state.soundFiles, QStringList{"0001.MEL"});
    }

    void missingFileMessageUsesTheStateLanguage() {
        EditorState state;
        state.LanguageCode = "fra";
        const i18n::Language french = i18n::Language::French;
        QCOMPARE(MissingDataFileMessage(state, "/g/data/ext.idx"),
                 i18n::Message(french, i18n::msg::CannotFindFile) + "/g/data/ext.idx\r\n" +
                     i18n::Message(french, i18n::msg::InDataFolder));
        QCOMPARE(MissingSoundFileMessage(state, "/g/bnk/0001.mel"),
                 i18n::Message(french, i18n::msg::CannotFindFile) + "/g/bnk/0001.mel\r\n" +
                     i18n::Message(french, i18n::msg::InSoundFolder));
    }

    // The first ext.idx name, NUL padded and in any case, names the text
    // container; the file is found whatever its case on disk.
    void textContainerNamedByFirstExtRecord() {
        QTemporaryDir temp;
        const QString game = temp.path() + "/";
        WriteTinyGame(game, "data", "txt", "TXT.PFP");
        EditorState state;
        state.GameFolder = game;
        QCOMPARE(CheckGameFolder(state), QStringList());
        QCOMPARE(state.TextContainerName, QString("txt.pfp"));
        QCOMPARE(state.LongDescriptions.mid(0, 3),
                 (QStringList{"Rifles", "Heavy tank", DescriptionPlaceholderFor(2)}));
    }

    // A second check rebuilds the lists rather than adding to them, and the
    // description table covers every unit of a large datasheet.
    void secondCheckOnSampleGameRebuildsLists() {
        QTemporaryDir temp;
        const QString game = temp.path() + "/";
        QVERIFY(samplegame::WriteSampleGame(game, {.units = 40, .icons = 12, .sounds = 3}));
        EditorState state;
        state.GameFolder = game;
        state.datasheet.setRows(2501);
        QCOMPARE(CheckGameFolder(state), QStringList());
        const gamedata::TextLists first = state.lists;
        const int flags = int(state.graphics.flags.size());
        const QStringList sounds = state.soundFiles;
        QCOMPARE(CheckGameFolder(state), QStringList());
        QVERIFY(!first.classes.isEmpty() && !first.NationNames.isEmpty());
        QCOMPARE(state.lists.classes, first.classes);
        QCOMPARE(state.lists.specials, first.specials);
        QCOMPARE(int(state.graphics.flags.size()), flags);
        QVERIFY(flags > 0);
        QCOMPARE(state.graphics.IconCount, 12);
        QCOMPARE(state.soundFiles, sounds);
        QVERIFY(sounds.size() >= 3);
        QCOMPARE(state.LongDescriptions.size(), 2500);
        QVERIFY(!state.LongDescriptions[39].startsWith(' '));
    }

private:
    static QString DescriptionPlaceholderFor(int unit) {
        return gamedata::DescriptionPlaceholder(unit);
    }
};

QTEST_GUILESS_MAIN(GameFolderCheckTest)
#include "test_gamefoldercheck.moc"
