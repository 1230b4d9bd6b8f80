#include "platform/Files.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"
#include "support/CoreTestSupport.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

namespace {

using quillon::testing::ImageBytes;
const auto Record = quillon::testing::IndexRecordBytes;
const char GermanInDataFolder[] =
    "\r\nDiese Datei sollte in Korvath's 'DATA'-Ordner installiert sein.\r\nPr\u00fcfen Sie die "
    "Ordnervorgaben f\u00fcr dieses Programm und stellen Sie sicher, da\u00df das "
    "Spielverzeichnis korrekt angegeben ist.";
const char FrenchCheck[] = "Korvath.\r\nTester les caract\u00e9ristiques des dossiers de ce "
                           "programme, et assurez-vous que le jeu est correctement localis\u00e9.";

// 40 flags of one pixel; those numbered (from 1) in `invalid` have no rows.
QByteArray Flags(const QList<int>& invalid = {}) {
    QList<QByteArray> images;
    for (int k = 1; k <= 40; ++k)
        images.append(invalid.contains(k) ? ImageBytes(0, 0, 1, 0, "\0")
                                          : ImageBytes(0, 0, 1, 1, QByteArray(2, '\0')));
    return quillon::testing::SectionBytes(images);
}

// A small game folder: a text container with classes and two descriptions,
// a palette, 40 flags in shp.pfp and one sound file. The container is named
// "txt" in ext.idx and "TXT.PFP" on disk. The file or folder `changed` is
// left out, or written with `contents` where given.
void WriteTinyGame(const QString& game, const QString& changed, const QByteArray& contents) {
    const QByteArray classes = "# classes\r\nInfantry\r\nTank\r\n";
    const QByteArray index = QByteArray(4, '\0') + Record("CLASSES", classes.size(), 0) +
                             Record("0", 8, classes.size()) + Record("1", 12, classes.size() + 8) +
                             Record("FLAGSLG", Flags().size(), 0);
    QMap<QString, QByteArray> files{{"DATA/ext.idx", Record("txt", 0x20202020, 0x20202020)},
                                    {"DATA/pfpdata.idx", index},
                                    {"DATA/shp.pfp", Flags()},
                                    {"DATA/TXT.PFP", classes + "Rifles\r\nHeavy tank\r\n"},
                                    {"DATA/pal.pfp", QByteArray(1024, '\x20')},
                                    {"BNK/0001.MEL", QByteArray(64, '\0')},
                                    {"BNK/readme.txt", "not a sound"}};
    if (!contents.isEmpty())
        files[changed] = contents;
    else if (!changed.isEmpty())
        files.removeIf([&](auto file) { return file.key().startsWith(changed); });
    for (const auto& [name, bytes] : files.asKeyValueRange())
        QVERIFY(QDir().mkpath(QFileInfo(game + name).path()) &&
                platform::writeWholeFile(game + name, bytes));
}

} // namespace

class GameFolderCheckTest : public QObject {
    Q_OBJECT
private slots:
    // A file of the game folder left out, or written with other contents;
    // the messages shown ("@" a German message for a file missing in DATA,
    // "*" the DATA folder) and what was found.
    void reportsMissingFilesInOrder_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("changed");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("found"); // ext.idx, pfpdata.idx, classes
        const auto row = [](const char* name, const char* changed, const QByteArray& contents,
                            const QStringList& messages, const char* found = "1 1 Infantry|Tank",
                            const char* language = "DEU") {
            QTest::newRow(name) << QString(language) << QString(changed) << contents << messages
                                << QString(found);
        };
        row("complete", "", {}, {});
        row("no ext.idx", "DATA/ext.idx", {}, {"@ext.idx"}, "0 0 ");
        row("no ext.idx, French", "DATA/ext.idx", {},
            {QString::fromUtf8("Impossible de trouver le fichier: *ext.idx\r\nCe fichier devrait "
                               "se situer dans le dossier 'DATA' de ") +
             QString::fromUtf8(FrenchCheck)},
            "0 0 ", "Fra");
        row("no pfpdata.idx", "DATA/pfpdata.idx", {}, {"@pfpdata.idx"}, "1 0 ");
        row("no text container", "DATA/TXT.PFP", {}, {"@txt.pfp"}, "1 1 ");
        row("no palette", "DATA/pal.pfp", {}, {"@pal.pfp", "Pallette is missing"});
        row("palette too short", "DATA/pal.pfp", QByteArray(1023, '\x20'),
            {"Diese Datei ist zu kurz f\u00fcr die Farbpalette des Spiels: *pal.pfp",
             "Pallette is missing"});
        row("flags that cannot be shown: one message", "DATA/shp.pfp", Flags({2, 5, 36}),
            {"error in flag\r\nDiese Flaggen k\u00f6nnen nicht angezeigt werden: 2, 5"});
        row("no data folder", "DATA", {}, {}, "1 1 stale");
    }
    // A second check rebuilds the lists rather than adding to them, and the
    // description table covers every unit of a large datasheet.
    void reportsMissingFilesInOrder() {
        QFETCH(QString, language);
        QFETCH(QString, changed);
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, messages);
        QTemporaryDir temp{quillon::testing::MemoryTempTemplate()};
        const QString game = temp.path() + "/";
        WriteTinyGame(game, changed, contents);

        EditorState state;
        state.GameFolder = game;
        state.LanguageCode = language;
        state.lists.classes = {"stale"};
        state.ExtIndexFound = state.PfpIndexFound = true;
        state.datasheet.setRows(2501);
        const QStringList shown = CheckGameFolder(state);
        const qsizetype flags = state.graphics.flags.size();
        QCOMPARE(CheckGameFolder(state), shown);

        QCOMPARE(state.LanguageCode, language.toLower());
        // A missing folder gets the usual spelling.
        QCOMPARE(state.DataFolder, game + (changed == "DATA" ? "data/" : "DATA/"));
        QCOMPARE(state.SoundFolder, game + "BNK/");
        messages.replaceInStrings(QRegularExpression("^@(.*)"),
                                  "Folgende Datei wurde nicht gefunden:*\\1" +
                                      QString::fromUtf8(GermanInDataFolder));
        QCOMPARE(shown, messages.replaceInStrings("*", game + "DATA/"));
        const QString found = QString("%1 %2 ").arg(state.ExtIndexFound).arg(state.PfpIndexFound);
        QTEST(found + state.lists.classes.join('|'), "found");
        QCOMPARE(state.graphics.flags.size(), flags);
        if (changed.isEmpty()) {
            QCOMPARE(flags, 32);
            QCOMPARE(state.TextContainerName, QString("txt.pfp"));
            QCOMPARE(state.LongDescriptions.mid(0, 3) + state.LongDescriptions.mid(2499),
                     (QStringList{"Rifles", "Heavy tank", " 2.txt", " 2499.txt"}));
        }
        // The sound list is filled whatever the data folder holds.
        QCOMPARE(state.soundFiles, QStringList{"0001.MEL"});
    }

    void missingSoundMessageUsesTheStateLanguage() {
        EditorState state;
        state.LanguageCode = "fra";
        QCOMPARE(MissingSoundFileMessage(state, "/g/bnk/0001.mel"),
                 "Impossible de trouver le fichier: /g/bnk/0001.mel\r\nCe fichier devrait se "
                 "trouver dans le dossier 'BNK' de Korvath ." +
                     QString::fromUtf8(FrenchCheck + 8));
    }
};

QTEST_GUILESS_MAIN(GameFolderCheckTest)
#include "test_gamefoldercheck.moc"
