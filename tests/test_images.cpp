#include "gamedata/Graphics.h"
#include "platform/Files.h"
#include "support/CoreTestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon::gamedata;
using quillon::platform::writeWholeFile;
using quillon::testing::ImageBytes;
using quillon::testing::SectionBytes;

namespace {

// Palette index i is the colour red = i, so pixels read back as indexes.
Palette TestPalette() {
    Palette palette;
    for (int i = 0; i < 256; ++i)
        palette[i] = qRgb(i, 0, 0);
    return palette;
}

QString Rows(const QImage& image) {
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            row += qAlpha(pixel) == 0 ? QChar(u'.') : QChar(u'0' + qRed(pixel) % 10);
        }
        rows.append(row);
    }
    return rows.join(u'|');
}

} // namespace

class ImagesTest : public QObject {
    Q_OBJECT
private slots:
    // Rows are drawn from xStart into an 8x3 picture; the header has two rows.
    void decode_data() {
        QTest::addColumn<QByteArray>("codes");
        QTest::addColumn<int>("xStart");
        QTest::addColumn<QString>("rows");
        const QString rest = "|........|........";
        QTest::newRow("repeat run") << QByteArray("\x04\x07\0", 3) << 0 << "77......" + rest;
        QTest::newRow("literal run") << QByteArray("\x05\x01\x02\0", 4) << 0 << "12......" + rest;
        QTest::newRow("skip then one-pixel run")
            << QByteArray("\x01\x03\x02\x09\0", 5) << 0 << "...9...." + rest;
        QTest::newRow("rows start at xStart, stop after the last row")
            << QByteArray("\x02\x01\0\x02\x02\0\x02\x03\0", 9) << 2 << "..1.....|..2.....|........";
        QTest::newRow("data ends inside a literal run")
            << QByteArray("\x04\x07\x05\x01", 4) << 0 << "771....." + rest;
        QTest::newRow("pixels left of the picture dropped")
            << QByteArray("\x07\x04\x05\x06", 4) << -2 << "6......." + rest;
    }
    void decode() {
        QFETCH(QByteArray, codes);
        QFETCH(int, xStart);
        QFETCH(QString, rows);
        QImage target(8, 3, QImage::Format_ARGB32);
        target.fill(Qt::transparent);
        ImageHeader header{200, 200, 0, 0, 7, 1};
        DecodeImage(target, header, codes, TestPalette(), xStart);
        QCOMPARE(Rows(target), rows);
    }

    void paletteEntries() {
        QByteArray file(1024, '\0');
        file.replace(4 * 9, 4, QByteArray("\x0a\x14\x1e\x28", 4));
        Palette palette = BlackPalette();
        QVERIFY(LoadPalette(file, palette));
        QCOMPARE(palette[9], qRgb(30, 20, 10));
        QVERIFY(!LoadPalette(file.left(1023), palette = TestPalette()));
        QCOMPARE(palette, TestPalette());
    }

    void sectionDirectory_data() {
        QTest::addColumn<QByteArray>("shp");
        QTest::addColumn<int>("start");
        QTest::addColumn<QVector<qint64>>("positions");
        const QByteArray two = SectionBytes(
            {ImageBytes(0, 0, 1, 1, QByteArray(1, 0)), ImageBytes(0, 0, 1, 1, QByteArray(1, 0))});
        QTest::newRow("two images after a prefix")
            << QByteArray("xyz") + two << 3 << QVector<qint64>{3 + 24, 3 + 24 + 25};
        QByteArray overstated = two.left(16);
        overstated.replace(4, 4, QByteArray("\xff\x00\x00\x00", 4));
        QTest::newRow("count beyond the file") << overstated << 0 << QVector<qint64>{24};
        QTest::newRow("section outside the file")
            << two << int(two.size()) - 4 << QVector<qint64>{};
    }
    void sectionDirectory() {
        QFETCH(QByteArray, shp);
        QFETCH(int, start);
        QFETCH(QVector<qint64>, positions);
        QCOMPARE(ReadSectionDirectory(shp, start), positions);
    }

    void flagsAndIconsFromTheDataFolder() {
        QTemporaryDir dir;
        const QString data = dir.path() + "/";
        const QByteArray flags =
            SectionBytes({ImageBytes(3, 1, 5, 2, QByteArray("\x04\x07\0\x02\x08\0", 6)),
                          ImageBytes(3, 1, 3, 2, QByteArray(1, 0)), // invalid: x0 == x1
                          ImageBytes(0, 0, 2, 1, QByteArray("\x02\x09\0\0", 4))});
        const QByteArray icons =
            SectionBytes({ImageBytes(3, 1, 5, 2, QByteArray("\x04\x07\0\x02\x08\0", 6))});
        QVERIFY(writeWholeFile(data + "SHP.PFP", flags + icons));
        QByteArray pal;
        for (int i = 0; i < 256; ++i)
            pal += QByteArray(2, '\0') + char(i) + '\0';
        QVERIFY(writeWholeFile(data + "Pal.Pfp", pal));
        GameIndex index;
        index.PfpIndex = {IndexRecord{"FLAGSLG ", qint32(flags.size()), 0},
                          IndexRecord{"UNITICON", qint32(icons.size()), qint32(flags.size())}};

        Graphics graphics;
        const GraphicsReport report = LoadGraphics(data, index, graphics);
        QVERIFY(!report.paletteMissing);
        QVERIFY(!report.shpMissing);
        QCOMPARE(report.invalidFlags, QVector<int>{2});
        QCOMPARE(graphics.flags.size(), 3);
        QVERIFY(graphics.flags[1].isNull());
        QCOMPARE(Rows(graphics.flags[0]), QString("......|...77.|...8.."));
        QCOMPARE(Rows(graphics.flags[2]), QString("9..|..."));
        QCOMPARE(graphics.IconCount, 1);
        QVERIFY(graphics.IconsAvailable);

        // Icons start at column 25 whatever their x0.
        const UnitIcon icon = ShowUnitIcon(data, graphics, 0);
        QVERIFY(icon.valid);
        QCOMPARE(Rows(icon.image).section(u'|', 1, 2),
                 QString(25, u'.') + "77." + "|" + QString(25, u'.') + "8..");
        QVERIFY(!ShowUnitIcon(data, graphics, 1).valid);
        QVERIFY(!ShowUnitIcon(data, graphics, -1).valid);

        QFile::remove(data + "Pal.Pfp");
        QVERIFY(LoadGraphics(data, index, graphics).paletteMissing);
    }
};

QTEST_GUILESS_MAIN(ImagesTest)
#include "test_images.moc"
