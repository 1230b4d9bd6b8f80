#include "gamedata/TextLists.h"
#include "support/CoreTestSupport.h"

#include <QTest>

using namespace quillon::gamedata;

namespace {

// A text container and its index from (entry name, entry text) pairs, with
// a final record for something else, as a game's index has.
struct Game {
    QByteArray container;
    GameIndex index;
};

Game MakeGame(const QList<QByteArray>& namesAndTexts) {
    Game game;
    for (qsizetype i = 0; i + 1 < namesAndTexts.size(); i += 2) {
        const QByteArray& text = namesAndTexts[i + 1];
        game.index.PfpIndex.append(IndexRecord{namesAndTexts[i].leftJustified(8, '\0', true),
                                               qint32(text.size()), qint32(game.container.size())});
        game.container += text;
    }
    game.index.PfpIndex.append(IndexRecord{QByteArray("FLAGSLG\0", 8), 0, 0});
    return game;
}

QStringList Field(const TextLists& lists, const QString& name) {
    const QHash<QString, QStringList> fields{{"classes", lists.classes},
                                             {"NationNames", lists.NationNames},
                                             {"nationTooltips", lists.nationTooltips},
                                             {"flagTooltips", lists.flagTooltips},
                                             {"specials", lists.specials},
                                             {"moveMethods", lists.moveMethods},
                                             {"targetTypes", lists.targetTypes},
                                             {"transports", lists.transports},
                                             {"moveMedia", lists.moveMedia}};
    return fields.value(name);
}

const QByteArray Classes("#comment\r\n#another\r\nInfantry\r\nTank\r\nArtillery\r\n");

const QByteArray Misc("11 is no marker here\r\n"
                      "# 11 movement methods\r\n"
                      "skipped\r\n"
                      "Foot\r\nWheel\r\nTrack\r\nHalf\r\nLeg\r\nTow\r\nAir\r\nDeep\r\n"
                      "Naval\r\nAll\r\nAmph\r\n"
                      "# 5 target types\r\n"
                      "skipped\r\n"
                      " Soft \r\nHard\r\nAir\r\nNaval\r\nSub\r\n"
                      "# 5 defence\r\n"
                      "skipped\r\n"
                      "Ground\r\nAir\r\nClose\r\nSea\r\nDeep\r\n"
                      "# 4 transports\r\n"
                      "skipped\r\n"
                      "None\r\nTruck\r\nShip\r\nPlane\r\n"
                      "# 2 media\r\n"
                      "skipped\r\n"
                      "Land\r\nSea\r\n");

} // namespace

class TextListsTest : public QObject {
    Q_OBJECT
private slots:
    void lists_data() {
        QTest::addColumn<QList<QByteArray>>("entries");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("comments skipped") << QList<QByteArray>{"CLASSES", Classes} << "classes"
                                          << QStringList{"Infantry", "Tank", "Artillery"};
        QTest::newRow("every byte 0x80 to 0x9F")
            << QList<QByteArray>{"CLASSES", "Tank\r\n" + quillon::testing::HighBytes() + "\r\n"}
            << "classes" << QStringList{"Tank", quillon::testing::HighCharacters};
        QTest::newRow("blank special is an item")
            << QList<QByteArray>{"CLASSES", Classes, "SPECIALS", "None\r\n\r\nBridge\r\n"}
            << "specials" << QStringList{"None", "", "Bridge"};
        const QList<QByteArray> nations{"CLASSES", Classes,
                                        "NATIONS", "  Aland \r\n#x\r\nBorea\r\n",
                                        "BIGNATS", " Big Aland\r\n"};
        QTest::newRow("nation names trimmed")
            << nations << "NationNames" << QStringList{"Aland", "Borea"};
        QTest::newRow("nation tooltips as read")
            << nations << "nationTooltips" << QStringList{"  Aland ", "Borea"};
        QTest::newRow("flag tooltips") << nations << "flagTooltips" << QStringList{" Big Aland"};
        QByteArray sixty;
        QStringList first51;
        for (int n = 0; n < 60; ++n) {
            sixty += "N" + QByteArray::number(n) + "\r\n";
            if (n < 51)
                first51 << "N" + QString::number(n);
        }
        QTest::newRow("at most 51 nation names")
            << QList<QByteArray>{"CLASSES", Classes, "NATIONS", sixty} << "NationNames" << first51;
        QTest::newRow("at most 32 nation tooltips")
            << QList<QByteArray>{"CLASSES", Classes, "NATIONS", sixty} << "nationTooltips"
            << first51.mid(0, 32);
        const QList<QByteArray> misc{"CLASSES", Classes, "MISC", Misc};
        QTest::newRow("misc group 1 after a marker from the third character")
            << misc << "moveMethods" << QStringList{"Foot", "Wheel", "Track", "Half", "Leg", "Tow",
                                                    "Air",  "Deep",  "Naval", "All",  "Amph"};
        QTest::newRow("misc group 2 trimmed")
            << misc << "targetTypes" << QStringList{"Soft", "Hard", "Air", "Naval", "Sub"};
        QTest::newRow("misc group 5") << misc << "moveMedia" << QStringList{"Land", "Sea"};
        QByteArray noFourth = Misc.left(Misc.indexOf("# 4"));
        QTest::newRow("misc: missing marker ends reading")
            << QList<QByteArray>{"CLASSES", Classes, "MISC", noFourth} << "transports"
            << QStringList{};
        QTest::newRow("misc: marker only in the first two characters")
            << QList<QByteArray>{"CLASSES", Classes, "MISC", "11\r\nx11\r\na\r\nb\r\n"}
            << "moveMethods" << QStringList{};
        QTest::newRow("misc: group cut by the container end")
            << QList<QByteArray>{"CLASSES", Classes, "MISC", "# 11\r\nskip\r\nFoot\r\nWheel"}
            << "moveMethods" << QStringList{"Foot", "Wheel"};
    }
    void lists() {
        QFETCH(QList<QByteArray>, entries);
        QFETCH(QString, field);
        QFETCH(QStringList, expected);
        const Game game = MakeGame(entries);
        TextLists lists;
        QStringList descriptions;
        LoadTextLists(game.container, game.index, lists, descriptions);
        QCOMPARE(Field(lists, field), expected);
        // A second check rebuilds the lists instead of adding to them.
        LoadTextLists(game.container, game.index, lists, descriptions);
        QCOMPARE(Field(lists, field), expected);
    }

    void descriptions_data() {
        QTest::addColumn<QList<QByteArray>>("more"); // entries after "0", "1" and "3"
        QTest::addColumn<int>("minCount");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("expected");
        const QList<QByteArray> none;
        QTest::newRow("missing number gets the placeholder") << none << 0 << 2001 << 2 << " 2.txt";
        QTest::newRow("only the first line, trimmed") << none << 0 << 2001 << 3 << "Heavy tank";
        QTest::newRow("table grows with the unit count")
            << none << 2500 << 2500 << 2499 << " 2499.txt";
        QTest::newRow("every indexed description is read")
            << QList<QByteArray>{"2999", "Far unit\r\n"} << 0 << 3000 << 2999 << "Far unit";
        QTest::newRow("a number out of order ends the descriptions")
            << QList<QByteArray>{"2", "Late\r\n", "2999", "Far unit\r\n"} << 0 << 2001 << 2
            << " 2.txt";
        QTest::newRow("no unit number beyond the index limit")
            << QList<QByteArray>{"40000", "Too far\r\n"} << 0 << 2001 << 4 << " 4.txt";
    }
    void descriptions() {
        QFETCH(QList<QByteArray>, more);
        QFETCH(int, minCount);
        QFETCH(int, size);
        QFETCH(int, unit);
        QFETCH(QString, expected);
        const Game game = MakeGame(
            QList<QByteArray>{"CLASSES", Classes, QByteArray("0\0\0\0\0\0\0\0", 8), "Rifles\r\n",
                              "1", "Pistols\r\n", "3", "  Heavy tank \r\nSecond line\r\n"} +
            more);
        TextLists lists;
        QStringList descriptions;
        LoadTextLists(game.container, game.index, lists, descriptions, minCount);
        QCOMPARE(descriptions.size(), size);
        QCOMPARE(descriptions[unit], expected);
    }
};

QTEST_GUILESS_MAIN(TextListsTest)
#include "test_textlists.moc"
