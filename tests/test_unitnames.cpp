#include "equipment/UnitNames.h"

#include <QTest>

using namespace quillon;

class UnitNamesTest : public QObject {
    Q_OBJECT
private slots:
    void reading_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("CR LF") << QByteArray("A\r\nB\r\n") << 2 << QStringList{"A", "B"};
        QTest::newRow("CR alone") << QByteArray("A\rB") << 2 << QStringList{"A", "B"};
        QTest::newRow("CR CR LF is an empty line")
            << QByteArray("A\r\r\nB") << 3 << QStringList{"A", "", "B"};
        QTest::newRow("blanks around removed")
            << QByteArray("  Tiger  I \r\n") << 1 << QStringList{"Tiger  I"};
        QTest::newRow("more lines than units")
            << QByteArray("A\r\nB\r\nC\r\n") << 2 << QStringList{"A", "B"};
        QTest::newRow("fewer lines than units") << QByteArray("A\r\n") << 3 << QStringList{"A"};
        QTest::newRow("tab and nbsp are not blanks")
            << QByteArray("\tA\xa0\r\n") << 1 << QStringList{QString::fromUtf8("\tA\u00a0")};
    }
    void reading() {
        QFETCH(QByteArray, file);
        QFETCH(int, count);
        QFETCH(QStringList, names);
        QCOMPARE(ReadUnitNames(file, count), names);
    }

    void writingTrimsAndEndsEachLine() {
        const QStringList names = {" Panzer IV ", "", QString::fromUtf8("Cr\u00e9py")};
        QCOMPARE(WriteUnitNames(names), QByteArray("Panzer IV\r\n\r\nCr\xe9py\r\n"));
    }
};

QTEST_GUILESS_MAIN(UnitNamesTest)
#include "test_unitnames.moc"
