#include "gamedata/IndexFiles.h"
#include "gamedata/TextLists.h"
#include "support/CoreTestSupport.h"

#include <QTest>

using namespace quillon::gamedata;

namespace {

using namespace quillon::testing;
const auto Record = IndexRecordBytes;

const QByteArray Classes("#comment\r\n#another\r\nInfantry\r\nTank\r\nArtillery\r\n");

// One group a line: its marker, a skipped line, the group.
const QByteArray
    Misc("11 is no marker here\r\n"
         "# 11 movement methods\r\nskipped\r\nFoot\r\nWheel\r\nTrack\r\nHalf\r\nLeg\r\n"
         "Tow\r\nAir\r\nDeep\r\nNaval\r\nAll\r\nAmph\r\n"
         "# 5 target types\r\nskipped\r\n Soft \r\nHard\r\nAir\r\nNaval\r\nSub\r\n"
         "# 5 defence\r\nskipped\r\n Ground\r\nAir\r\nClose\r\nSea\r\nDeep\r\n"
         "# 4 transports\r\nskipped\r\nNone\r\nTruck\r\nShip\r\nPlane\r\n"
         "# 2 media\r\nskipped\r\nLand\r\nSea\r\n");

} // namespace

// The index files and the text container with the lists read from it.
class TextListsTest : public QObject {
    Q_OBJECT
private slots:
    // Container entries and what is read from them, as "list=a|b|c" items
    // (the lists by short names), "count=N" for the number of descriptions
    // and "N=text" for description N.
    void lists_data() {
        QTest::addColumn<QList<QByteArray>>("entries");
        QTest::addColumn<int>("minCount");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const QList<QByteArray>& entries,
                            const QString& expected, int minCount = 0) {
            QTest::newRow(name) << entries << minCount << expected;
        };
        const auto after = [](const QByteArray& name, const QByteArray& text) { // the classes
            return QList<QByteArray>{"CLASSES", Classes, name, text};
        };
        row("comments skipped", {"CLASSES", Classes}, "classes=Infantry|Tank|Artillery");
        row("every byte 0x80 to 0x9F", {"CLASSES", "Tank\r\n" + HighBytes() + "\r\n"},
            "classes=Tank|" + HighCharacters);
        row("blank special is an item", after("SPECIALS", "None\r\n\r\nBridge\r\n"),
            "specials=None||Bridge");
        row("nation names trimmed, tooltips as read",
            {"CLASSES", Classes, "NATIONS", "  Aland \r\n#x\r\nBorea\r\n", "BIGNATS",
             " Big Aland\r\n"},
            "nations=Aland|Borea; tooltips=  Aland |Borea; flags= Big Aland");
        QByteArray sixty;
        QStringList first51;
        for (int n = 0; n < 60; ++n) {
            sixty += "N" + QByteArray::number(n) + "\r\n";
            if (n < 51)
                first51 << "N" + QString::number(n);
        }
        row("at most 51 nation names and 32 tooltips", after("NATIONS", sixty),
            "nations=" + first51.join('|') + "; tooltips=" + first51.mid(0, 32).join('|'));
        row("misc groups after a marker from the third character, 2 and 3 trimmed",
            after("MISC", Misc),
            "moves=Foot|Wheel|Track|Half|Leg|Tow|Air|Deep|Naval|All|Amph; "
            "targets=Soft|Hard|Air|Naval|Sub; defence=Ground|Air|Close|Sea|Deep; "
            "transports=None|Truck|Ship|Plane; media=Land|Sea");
        row("misc: missing marker ends reading", after("MISC", Misc.left(Misc.indexOf("# 4"))),
            "defence=Ground|Air|Close|Sea|Deep; transports=; media=");
        row("misc: marker only in the first two characters",
            after("MISC", "11\r\nx11\r\na\r\nb\r\n"), "moves=");
        row("misc: group cut by the container end", after("MISC", "# 11\r\nskip\r\nFoot\r\nWheel"),
            "moves=Foot|Wheel");
        const auto described = [](const QList<QByteArray>& more) {
            return QList<QByteArray>{
                       "CLASSES", Classes,       "0", "Rifles\r\n",
                       "1",       "Pistols\r\n", "3", "  Heavy tank \r\nSecond line\r\n"} +
                   more;
        };
        row("descriptions: the first line trimmed, missing numbers a placeholder", described({}),
            "count=2001; 0=Rifles; 1=Pistols; 2= 2.txt; 3=Heavy tank; 2000= 2000.txt");
        row("descriptions grow with the unit count", described({}), "count=2500; 2499= 2499.txt",
            2500);
        row("every indexed description is read", described({"2999", "Far unit\r\n"}),
            "count=3000; 2998= 2998.txt; 2999=Far unit");
        row("a number out of order ends the descriptions",
            described({"2", "Late\r\n", "2999", "Far unit\r\n"}), "count=2001; 2= 2.txt");
        row("no unit number at the index limit", described({"32767", "Too far\r\n"}),
            "count=2001; 4= 4.txt");
    }
    void lists() {
        QFETCH(QList<QByteArray>, entries);
        QFETCH(int, minCount);
        QFETCH(QString, expected);
        const TextContainer game = MakeTextContainer(entries);
        TextLists lists;
        QStringList descriptions;
        // A second read rebuilds the lists instead of adding to them.
        for (int read = 0; read < 2; ++read) {
            LoadTextLists(game.container, game.index(), lists, descriptions, minCount);
            QMap<QString, QStringList> named{
                {"classes", lists.classes},         {"nations", lists.NationNames},
                {"tooltips", lists.nationTooltips}, {"flags", lists.flagTooltips},
                {"specials", lists.specials},       {"moves", lists.moveMethods},
                {"targets", lists.targetTypes},     {"defence", lists.defenceTips},
                {"transports", lists.transports},   {"media", lists.moveMedia}};
            named["count"] = QStringList{QString::number(descriptions.size())};
            QStringList actual;
            for (const QString& item : expected.split("; ")) {
                const QString key = item.section('=', 0, 0);
                bool unit = false;
                const int number = key.toInt(&unit);
                actual << key + '=' + (unit ? descriptions.value(number) : named[key].join('|'));
            }
            QCOMPARE(actual.join("; "), expected);
        }
    }

    // Each index file read onto the records of an earlier read, as
    // "fact=value" items: the last record, the header, the text container's
    // name and, by any other name, the record found. Names are trimmed of
    // blanks and NULs: a lower case stored name is found, a longer name is no
    // match, the first duplicate wins. A rewrite copies the stored padding
    // unchanged, without a partial record.
    void indexFiles_data() {
        QTest::addColumn<bool>("pfp"); // pfpdata.idx, else ext.idx
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        QByteArray names("\x01\x02\x03\x04", 4);
        for (const QByteArray& name :
             {QByteArray("classes\0", 8), QByteArray("NATIONS "), QByteArray("MISCX"),
              QByteArray("MISC"), QByteArray("  0\0\0\0\0\0", 8), QByteArray("MISC"),
              QByteArray("UNITICON")})
            names += Record(name, 10, 10 * qint32(names.size() / 16));
        const QString found = "header=4030201 CLASSES=0 MISC=3 0=4 UNITICON=6 BIGNATS=-1 last=6";
        QTest::newRow("names") << true << names << found;
        QTest::newRow("partial trailing record ignored")
            << true << names + QByteArray(15, 'x') << found;
        QTest::newRow("header only")
            << true << names.left(4) << "header=4030201 CLASSES=-1 last=-1";
        QTest::newRow("empty pfpdata.idx") << true << QByteArray() << "header=0 last=-1";
        QTest::newRow("empty ext.idx") << false << QByteArray() << "container=.pfp last=0";
        QTest::newRow("lower case kept")
            << false << Record("txt", 0, 4) + Record("shp", 4, 9) << "container=txt.pfp last=1";
        QTest::newRow("blanks and NULs trimmed")
            << false << Record(QByteArray(" Txt \0\0\0", 8), 0, 0) << "container=Txt.pfp last=0";
        QTest::newRow("partial record only")
            << false << QByteArray("TXT\0\0", 5) << "container=.pfp last=0";
    }
    void indexFiles() {
        QFETCH(bool, pfp);
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        GameIndex index;
        index.PfpIndex.append(IndexRecord{QByteArray(8, 'z'), 1, 2});
        index.ExtIndex = index.PfpIndex;
        pfp ? ReadPfpIndex(file, index) : ReadExtIndex(file, index);
        const QMap<QString, QString> facts{
            {"last", QString::number(pfp ? index.PfpLast() : index.ExtLast())},
            {"header", QString::number(index.PfpHeader, 16)},
            {"container", TextContainerName(index)}};
        QStringList actual;
        for (const QString& item : expected.split(' ')) {
            const QString key = item.section('=', 0, 0);
            actual << key + '=' + facts.value(key, QString::number(FindPfpEntry(index, key)));
        }
        QCOMPARE(actual.join(' '), expected);
        // An empty pfpdata.idx is written back with a header of zeros.
        const qsizetype header = pfp ? 4 : 0;
        QCOMPARE(pfp ? WritePfpIndex(index.PfpHeader, index.PfpIndex)
                     : WriteExtIndex(index.ExtIndex),
                 file.isEmpty() ? QByteArray(header, '\0')
                                : file.left(header + (file.size() - header) / 16 * 16));
    }

    void readTextEntry_data() {
        QTest::addColumn<QByteArray>("container");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("lines");
        const QByteArray text("xxAB\r\nC\r\n\r\nDEF\r\n");
        QTest::newRow("whole entry") << text << 2 << 14 << "AB|C||DEF";
        QTest::newRow("size ends inside a line, read whole") << text << 2 << 5 << "AB|C";
        QTest::newRow("entry runs past the container")
            << QByteArray("AB\r\nCD") << 0 << 100 << "AB|CD";
        QTest::newRow("offset past the container") << text << 40 << 10 << "";
        QTest::newRow("Windows-1252") << QByteArray("Caf\xe9 \x80\r\n") << 0 << 8 << "Café €";
    }
    void readTextEntry() {
        QFETCH(QByteArray, container);
        QFETCH(int, offset);
        QFETCH(int, size);
        const QStringList lines = ReadTextEntry(container, {QByteArray(8, ' '), size, offset});
        QTEST(lines.join('|'), "lines");
    }
};

QTEST_GUILESS_MAIN(TextListsTest)
#include "test_textlists.moc"
