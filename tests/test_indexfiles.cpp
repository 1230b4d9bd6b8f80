#include "gamedata/IndexFiles.h"
#include "support/CoreTestSupport.h"

#include <QTest>

using namespace quillon::gamedata;

namespace {

const auto Record = quillon::testing::IndexRecordBytes;

QByteArray PfpFile(const QList<QByteArray>& names, const QByteArray& tail = {}) {
    QByteArray out("\x01\x02\x03\x04", 4);
    int offset = 0;
    for (const QByteArray& name : names) {
        out += Record(name, 10, offset);
        offset += 10;
    }
    return out + tail;
}

} // namespace

class IndexFilesTest : public QObject {
    Q_OBJECT
private slots:
    void readPfpIndex_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("last");
        QTest::addColumn<quint32>("header");
        QTest::newRow("header only") << PfpFile({}) << -1 << 0x04030201u;
        QTest::newRow("two records") << PfpFile({"CLASSES", "NATIONS"}) << 1 << 0x04030201u;
        QTest::newRow("partial trailing record ignored")
            << PfpFile({"CLASSES", "NATIONS"}, QByteArray(15, 'x')) << 1 << 0x04030201u;
        QTest::newRow("empty file") << QByteArray() << -1 << 0u;
    }
    void readPfpIndex() {
        QFETCH(QByteArray, file);
        QFETCH(int, last);
        QFETCH(quint32, header);
        GameIndex index;
        index.PfpIndex.append(IndexRecord{QByteArray(8, 'z'), 1, 2}); // from an earlier check
        ReadPfpIndex(file, index);
        QCOMPARE(index.PfpLast(), last);
        QCOMPARE(index.PfpHeader, header);
        if (!file.isEmpty()) // written back without the partial record
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
        QFETCH(QString, name);
        QFETCH(int, extLast);
        GameIndex index;
        ReadExtIndex(file, index);
        QCOMPARE(TextContainerName(index), name);
        QCOMPARE(index.ExtLast(), extLast);
        QCOMPARE(WriteExtIndex(index.ExtIndex), file.left(file.size() / 16 * 16));
    }

    void findPfpEntry_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<int>("found");
        const QByteArray names = PfpFile({QByteArray("classes\0", 8), "NATIONS ", "MISCX", "MISC",
                                          QByteArray("  0\0\0\0\0\0", 8), "MISC", "UNITICON"});
        QTest::newRow("lower case stored name") << names << "CLASSES" << 0;
        QTest::newRow("longer name is no match, first duplicate wins") << names << "MISC" << 3;
        QTest::newRow("surrounding blanks and NULs") << names << "0" << 4;
        QTest::newRow("last record is found") << names << "UNITICON" << 6;
        QTest::newRow("absent") << names << "BIGNATS" << -1;
        QTest::newRow("header only") << PfpFile({}) << "CLASSES" << -1;
    }
    void findPfpEntry() {
        QFETCH(QByteArray, file);
        QFETCH(QString, wanted);
        QFETCH(int, found);
        GameIndex index;
        ReadPfpIndex(file, index);
        QCOMPARE(FindPfpEntry(index, wanted), found);
        // Lookups leave the stored padding alone, so a rewrite copies it unchanged.
        QCOMPARE(WritePfpIndex(index.PfpHeader, index.PfpIndex), file);
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
        QFETCH(QStringList, lines);
        QCOMPARE(ReadTextEntry(container, IndexRecord{QByteArray(8, ' '), size, offset}), lines);
    }
};

QTEST_GUILESS_MAIN(IndexFilesTest)
#include "test_indexfiles.moc"
