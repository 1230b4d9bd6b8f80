#include "platform/TextCodec.h"

#include <QTest>

class TextCodecTest : public QObject {
    Q_OBJECT
private slots:
    void everyByteRoundTrips() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        bool lossless = false;
        QCOMPARE(quillon::platform::toCp1252(quillon::platform::fromCp1252(all), &lossless), all);
        QVERIFY(lossless);
    }
    void unencodableCharacterIsReported() {
        bool lossless = true;
        quillon::platform::toCp1252(QString::fromUtf8("\u4e2d"), &lossless);
        QVERIFY(!lossless);
    }
};

QTEST_GUILESS_MAIN(TextCodecTest)
#include "test_smoke.moc"
