#include "datasheet/CellNumber.h"

#include <QTest>
#include <limits>

using namespace quillon;

class CellNumberTest : public QObject {
    Q_OBJECT
private slots:
    void readsLeadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("loaded number") << " 12" << 12.0 << true;
        QTest::newRow("blanks around") << " 12 " << 12.0 << true;
        QTest::newRow("negative fraction") << "-3.5" << -3.5 << true;
        QTest::newRow("exponent") << "1e3" << 1000.0 << true;
        QTest::newRow("leading point") << ".5" << 0.5 << true;
        QTest::newRow("empty") << "" << 0.0 << false;
        QTest::newRow("letters") << "abc" << 0.0 << false;
        QTest::newRow("number then letters") << "12abc" << 12.0 << false;
        QTest::newRow("inner blank is skipped") << "1 2" << 12.0 << false;
        QTest::newRow("blank after sign") << "- 5" << -5.0 << false;
        QTest::newRow("second point stops") << "1.2.3" << 1.2 << false;
        QTest::newRow("exponent without digits") << "3e" << 3.0 << false;
        QTest::newRow("lone sign") << "-" << 0.0 << false;
        QTest::newRow("tab and newline blanks") << "\t\n8" << 8.0 << true;
        QTest::newRow("tiny underflows to zero") << "1e-999" << 0.0 << true;
        QTest::newRow("unknown bytes cell") << " 0 12 255" << 12255.0 << false;
        const double max = std::numeric_limits<double>::max();
        QTest::newRow("huge exponent stays finite") << "1e999" << max << true;
        QTest::newRow("four hundred digits") << QString(400, u'9') << max << true;
    }
    void readsLeadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(bool, numeric);
        QCOMPARE(CellNumber(text), value);
        QCOMPARE(IsNumeric(text), numeric);
    }

    void roundsHalvesToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("rounded");
        QTest::newRow("12.5") << 12.5 << qint64(12);
        QTest::newRow("-2.5") << -2.5 << qint64(-2);
        QTest::newRow("0.5") << 0.5 << qint64(0);
        QTest::newRow("2.4999") << 2.4999 << qint64(2);
        QTest::newRow("-0.7") << -0.7 << qint64(-1);
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
        QTest::newRow("1e300") << 1e300 << std::numeric_limits<qint64>::max();
        QTest::newRow("-1e300") << -1e300 << std::numeric_limits<qint64>::min();
    }
    void roundsHalvesToEven() {
        QFETCH(double, value);
        QFETCH(qint64, rounded);
        QCOMPARE(RoundHalfEven(value), rounded);
    }

    void numberTextHasBlankForSign_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("positive") << qint64(12) << " 12";
        QTest::newRow("negative") << qint64(-3) << "-3";
    }
    void numberTextHasBlankForSign() {
        QFETCH(qint64, value);
        QFETCH(QString, text);
        QCOMPARE(NumberText(value), text);
    }
};

QTEST_GUILESS_MAIN(CellNumberTest)
#include "test_cellnumber.moc"
