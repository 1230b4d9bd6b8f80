#include "gamedata/IndexFiles.h"
#include "gamedata/TextLists.h"
#include "support/CoreTestSupport.h"

#include <QTest>

using namespace quillon::gamedata;

namespace {

using namespace quillon::testing;
const auto Record = IndexRecordBytes;

QByteArray PfpFile(const QList<QByteArray>& names, const QByteArray& tail = {}) {
    QByteArray out("\x01\x02\x03\x04", 4);
    int offset = 0;
    for (const QByteArray& name : names) {
        out += Record(name, 10, offset);
        offset += 10;
    }
    return out + tail;
}

using ListField = QStringList TextLists::*;

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

Q_DECLARE_METATYPE(ListField)

// The index files and the text container with the lists read from it.
class TextListsTest : public QObject {
    Q_OBJECT
private slots:
    void lists_data() {
        QTest::addColumn<QList<QByteArray>>("entries");
        QTest::addColumn<ListField>("field");
        QTest::addColumn<QStringList>("expected");
        const auto after = [](const QByteArray& name, const QByteArray& text) { // the classes
            return QList<QByteArray>{"CLASSES", Classes, name, text};
        };
        QTest::newRow("comments skipped")
            << QList<QByteArray>{"CLASSES", Classes} << &TextLists::classes
            << QStringList{"Infantry", "Tank", "Artillery"};
        QTest::newRow("every byte 0x80 to 0x9F")
            << QList<QByteArray>{"CLASSES", "Tank\r\n" + HighBytes() + "\r\n"}
            << &TextLists::classes << QStringList{"Tank", HighCharacters};
        QTest::newRow("blank special is an item")
            << after("SPECIALS", "None\r\n\r\nBridge\r\n") << &TextLists::specials
            << QStringList{"None", "", "Bridge"};
        const QList<QByteArray> nations{"CLASSES", Classes,
                                        "NATIONS", "  Aland \r\n#x\r\nBorea\r\n",
                                        "BIGNATS", " Big Aland\r\n"};
        QTest::newRow("nation names trimmed")
            << nations << &TextLists::NationNames << QStringList{"Aland", "Borea"};
        QTest::newRow("nation tooltips as read")
            << nations << &TextLists::nationTooltips << QStringList{"  Aland ", "Borea"};
        QTest::newRow("flag tooltips")
            << nations << &TextLists::flagTooltips << QStringList{" Big Aland"};
        QByteArray sixty;
        QStringList first51;
        for (int n = 0; n < 60; ++n) {
            sixty += "N" + QByteArray::number(n) + "\r\n";
            if (n < 51)
                first51 << "N" + QString::number(n);
        }
        QTest::newRow("at most 51 nation names")
            << after("NATIONS", sixty) << &TextLists::NationNames << first51;
        QTest::newRow("at most 32 nation tooltips")
            << after("NATIONS", sixty) << &TextLists::nationTooltips << first51.mid(0, 32);
        const QList<QByteArray> misc = after("MISC", Misc);
        QTest::newRow("misc group 1 after a marker from the third character")
            << misc << &TextLists::moveMethods
            << QStringList{"Foot", "Wheel", "Track", "Half", "Leg", "Tow",
                           "Air",  "Deep",  "Naval", "All",  "Amph"};
        QTest::newRow("misc group 2 trimmed") << misc << &TextLists::targetTypes
                                              << QStringList{"Soft", "Hard", "Air", "Naval", "Sub"};
        QTest::newRow("misc group 5")
            << misc << &TextLists::moveMedia << QStringList{"Land", "Sea"};
        QByteArray noFourth = Misc.left(Misc.indexOf("# 4"));
        QTest::newRow("misc: missing marker ends reading")
            << after("MISC", noFourth) << &TextLists::transports << QStringList{};
        QTest::newRow("misc: marker only in the first two characters")
            << after("MISC", "11\r\nx11\r\na\r\nb\r\n") << &TextLists::moveMethods << QStringList{};
        QTest::newRow("misc: group cut by the container end")
            << after("MISC", "# 11\r\nskip\r\nFoot\r\nWheel") << &TextLists::moveMethods
            << QStringList{"Foot", "Wheel"};
    }
    void lists() {
        QFETCH(QList<QByteArray>, entries);
        QFETCH(ListField, field);
        QFETCH(QStringList, expected);
        const TextContainer game = MakeTextContainer(entries);
        TextLists lists;
        QStringList descriptions;
        LoadTextLists(game.container, game.index(), lists, descriptions);
        QCOMPARE(lists.*field, expected);
        // A second check rebuilds the lists instead of adding to them.
        LoadTextLists(game.container, game.index(), lists, descriptions);
        QCOMPARE(lists.*field, expected);
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
        const TextContainer game = MakeTextContainer(
            QList<QByteArray>{"CLASSES", Classes, QByteArray("0\0\0\0\0\0\0\0", 8), "Rifles\r\n",
                              "1", "Pistols\r\n", "3", "  Heavy tank \r\nSecond line\r\n"} +
            more);
        TextLists lists;
        QStringList descriptions;
        LoadTextLists(game.container, game.index(), lists, descriptions, minCount);
        QCOMPARE(descriptions.size(), size);
        QTEST(descriptions[unit], "expected");
    }

    // Read onto the records of an earlier check; looked up by trimmed name.
    void pfpIndex_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<int>("found");
        QTest::addColumn<int>("last");
        const QByteArray names = PfpFile({QByteArray("classes\0", 8), "NATIONS ", "MISCX", "MISC",
                                          QByteArray("  0\0\0\0\0\0", 8), "MISC", "UNITICON"});
        QTest::newRow("lower case stored name") << names << "CLASSES" << 0 << 6;
        QTest::newRow("longer name is no match, first duplicate wins") << names << "MISC" << 3 << 6;
        QTest::newRow("surrounding blanks and NULs") << names << "0" << 4 << 6;
        QTest::newRow("last record is found") << names << "UNITICON" << 6 << 6;
        QTest::newRow("partial trailing record ignored")
            << names + QByteArray(15, 'x') << "BIGNATS" << -1 << 6;
        QTest::newRow("header only") << PfpFile({}) << "CLASSES" << -1 << -1;
        QTest::newRow("empty file") << QByteArray() << "CLASSES" << -1 << -1;
    }
    void pfpIndex() {
        QFETCH(QByteArray, file);
        QFETCH(QString, wanted);
        QFETCH(int, last);
        GameIndex index;
        index.PfpIndex.append(IndexRecord{QByteArray(8, 'z'), 1, 2});
        ReadPfpIndex(file, index);
        QCOMPARE(index.PfpLast(), last);
        QCOMPARE(index.PfpHeader, file.isEmpty() ? 0u : 0x04030201u);
        QTEST(FindPfpEntry(index, wanted), "found");
        // Lookups leave the stored padding alone, so a rewrite copies it
        // unchanged, without the partial record.
        if (!file.isEmpty())
            QCOMPARE(WritePfpIndex(index.PfpHeader, index.PfpIndex),
                     file.left(4 + 16 * (last + 1)));
    }

    void textContainerName_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("extLast");
        QTest::newRow("empty ext.idx") << QByteArray() << ".pfp" << 0;
        QTest::newRow("lower case kept")
            << Record("txt", 0, 4) + Record("shp", 4, 9) << "txt.pfp" << 1;
        QTest::newRow("blanks and NULs trimmed")
            << Record(QByteArray(" Txt \0\0\0", 8), 0, 0) << "Txt.pfp" << 0;
        QTest::newRow("partial record only") << QByteArray("TXT\0\0", 5) << ".pfp" << 0;
    }
    void textContainerName() {
        QFETCH(QByteArray, file);
        GameIndex index;
        ReadExtIndex(file, index);
        QTEST(TextContainerName(index), "name");
        QTEST(index.ExtLast(), "extLast");
        QCOMPARE(WriteExtIndex(index.ExtIndex), file.left(file.size() / 16 * 16));
    }

    void readTextEntry_data() {
        QTest::addColumn<QByteArray>("container");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("lines");
        const QByteArray text("xxAB\r\nC\r\n\r\nDEF\r\n");
        QTest::newRow("whole entry") << text << 2 << 14 << QStringList{"AB", "C", "", "DEF"};
        QTest::newRow("size ends inside a line: that line is read whole")
            << text << 2 << 5 << QStringList{"AB", "C"};
        QTest::newRow("entry runs past the container")
            << QByteArray("AB\r\nCD") << 0 << 100 << QStringList{"AB", "CD"};
        QTest::newRow("offset past the container") << text << 40 << 10 << QStringList{};
        QTest::newRow("Windows-1252 text")
            << QByteArray("Caf\xe9 \x80\r\n") << 0 << 8 << QStringList{QString::fromUtf8("Café €")};
    }
    void readTextEntry() {
        QFETCH(QByteArray, container);
        QFETCH(int, offset);
        QFETCH(int, size);
        QTEST(ReadTextEntry(container, IndexRecord{QByteArray(8, ' '), size, offset}), "lines");
    }
};

QTEST_GUILESS_MAIN(TextListsTest)
#include "test_textlists.moc"
