#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"
#include "support/CoreTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

namespace {

const auto Record = quillon::testing::IndexRecordBytes;
const char GermanInDataFolder[] =
    "\r\nDiese Datei sollte in Korvath's 'DATA'-Ordner installiert sein.\r\nPr\u00fcfen Sie die "
    "Ordnervorgaben f\u00fcr dieses Programm und stellen Sie sicher, da\u00df das "
    "Spielverzeichnis korrekt angegeben ist.";
using quillon::testing::ImageBytes;
using quillon::testing::SectionBytes;

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// 40 flags of one pixel; those numbered (from 1) in `invalid` have no rows.
QByteArray Flags(const QList<int>& invalid = {}) {
    QList<QByteArray> images;
    for (int k = 1; k <= 40; ++k)
        images.append(invalid.contains(k) ? ImageBytes(0, 0, 1, 0, "\0")
                                          : ImageBytes(0, 0, 1, 1, QByteArray(2, '\0')));
    return SectionBytes(images);
}

// A small game folder: a text container with classes and two descriptions,
// a palette, 40 flags in shp.pfp and one sound file.
// The container is named "txt" in ext.idx and "TXT.PFP" on disk.
void WriteTinyGame(const QString& game) {
    const QString data = game + "DATA/";
    QDir().mkpath(data);
    QDir().mkpath(game + "BNK");
    const QByteArray classes = "# classes\r\nInfantry\r\nTank\r\n";
    const QByteArray descriptions = "Rifles\r\nHeavy tank\r\n";
    Write(data + "ext.idx", Record("txt", 0x20202020, 0x20202020));
    Write(data + "pfpdata.idx", QByteArray(4, '\0') + Record("CLASSES", classes.size(), 0) +
                                    Record("0", 8, classes.size()) +
                                    Record("1", 12, classes.size() + 8) +
                                    Record("FLAGSLG", Flags().size(), 0));
    Write(data + "shp.pfp", Flags());
    Write(data + "TXT.PFP", classes + descriptions);
    Write(data + "pal.pfp", QByteArray(1024, '\x20'));
    Write(game + "BNK/0001.MEL", QByteArray(64, '\0'));
    Write(game + "BNK/readme.txt", "not a sound");
}

} // namespace

class GameFolderCheckTest : public QObject {
    Q_OBJECT
private slots:
    // A file of the game folder removed, or written with other contents; the
    // messages shown ("@" a file missing in DATA, "*" the DATA folder) and
    // what was found.
    void reportsMissingFilesInOrder_data() {
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("classes");
        QTest::addColumn<bool>("extFound");
        QTest::addColumn<bool>("pfpFound");
        const auto row = [](const char* name, const char* removed, const QByteArray& contents,
                            const QStringList& messages,
                            const QStringList& classes = {"Infantry", "Tank"}, bool extFound = true,
                            bool pfpFound = true) {
            QTest::newRow(name) << QString(removed) << contents << messages << classes << extFound
                                << pfpFound;
        };
        row("complete", "", {}, {});
        row("no ext.idx", "DATA/ext.idx", {}, {"@ext.idx"}, {}, false, false);
        row("no pfpdata.idx", "DATA/pfpdata.idx", {}, {"@pfpdata.idx"}, {}, true, false);
        row("no text container", "DATA/TXT.PFP", {}, {"@txt.pfp"}, {});
        row("no palette", "DATA/pal.pfp", {}, {"@pal.pfp", "Pallette is missing"});
        row("palette too short", "DATA/pal.pfp", QByteArray(1023, '\x20'),
            {"Diese Datei ist zu kurz f\u00fcr die Farbpalette des Spiels: *pal.pfp",
             "Pallette is missing"});
        row("flags that cannot be shown: one message", "DATA/shp.pfp", Flags({2, 5, 36}),
            {"error in flag\r\nDiese Flaggen k\u00f6nnen nicht angezeigt werden: 2, 5"});
        row("no data folder", "DATA", {}, {}, {"stale"});
    }
    // A second check rebuilds the lists rather than adding to them, and the
    // description table covers every unit of a large datasheet.
    void reportsMissingFilesInOrder() {
        QFETCH(QString, removed);
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, messages);
        QTemporaryDir temp;
        const QString game = temp.path() + "/";
        WriteTinyGame(game);
        const QString path = game + removed;
        if (!contents.isEmpty())
            Write(path, contents);
        else if (!removed.isEmpty())
            QVERIFY(QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path));

        EditorState state;
        state.GameFolder = game;
        state.LanguageCode = "DEU";
        state.lists.classes = {"stale"};
        state.ExtIndexFound = state.PfpIndexFound = true;
        state.datasheet.setRows(2501);
        const QStringList shown = CheckGameFolder(state);
        const qsizetype flags = state.graphics.flags.size();
        QCOMPARE(CheckGameFolder(state), shown);

        QCOMPARE(state.LanguageCode, QString("deu"));
        // A missing folder gets the usual spelling.
        QCOMPARE(state.DataFolder, game + (removed == "DATA" ? "data/" : "DATA/"));
        QCOMPARE(state.SoundFolder, game + "BNK/");
        QStringList expected;
        for (QString message : messages)
            expected << (message.startsWith('@')
                             ? "Folgende Datei wurde nicht gefunden:" + game + "DATA/" +
                                   message.mid(1) + QString::fromUtf8(GermanInDataFolder)
                             : message.replace('*', game + "DATA/"));
        QCOMPARE(shown, expected);
        QTEST(state.ExtIndexFound, "extFound");
        QTEST(state.PfpIndexFound, "pfpFound");
        QTEST(state.lists.classes, "classes");
        QCOMPARE(state.graphics.flags.size(), flags);
        if (removed.isEmpty()) {
            QCOMPARE(flags, 32);
            QCOMPARE(state.TextContainerName, QString("txt.pfp"));
            QCOMPARE(state.LongDescriptions.mid(0, 3) + state.LongDescriptions.mid(2499),
                     (QStringList{"Rifles", "Heavy tank", " 2.txt", " 2499.txt"}));
        }
        // The sound list is filled whatever the data folder holds.
        QCOMPARE(state.soundFiles, QStringList{"0001.MEL"});
    }

    void missingFileMessageUsesTheStateLanguage() {
        EditorState state;
        state.LanguageCode = "fra";
        const QString check = QString::fromUtf8(
            "Korvath.\r\nTester les caract\u00e9ristiques des dossiers de ce programme, et "
            "assurez-vous que le jeu est correctement localis\u00e9.");
        QCOMPARE(MissingDataFileMessage(state, "/g/data/ext.idx"),
                 "Impossible de trouver le fichier: /g/data/ext.idx\r\nCe fichier devrait se "
                 "situer dans le dossier 'DATA' de " +
                     check);
        QCOMPARE(MissingSoundFileMessage(state, "/g/bnk/0001.mel"),
                 "Impossible de trouver le fichier: /g/bnk/0001.mel\r\nCe fichier devrait se "
                 "trouver dans le dossier 'BNK' de Korvath ." +
                     check.mid(8));
    }
};

QTEST_GUILESS_MAIN(GameFolderCheckTest)
#include "test_gamefoldercheck.moc"
