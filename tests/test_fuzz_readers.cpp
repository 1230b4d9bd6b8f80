#include "gamedata/Graphics.h"
#include "gamedata/Images.h"
#include "gamedata/IndexFiles.h"
#include "gamedata/TextLists.h"
#include "support/CoreTestSupport.h"

#include "platform/Files.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon::gamedata;
using quillon::platform::writeWholeFile;
using quillon::testing::AppendInt32;
using quillon::testing::ImageBytes;
using quillon::testing::IndexRecordBytes;
using quillon::testing::SectionBytes;

// The readers of game files: images on exact input, then random and damaged
// input through every reader, which must return without touching memory
// outside its input (the sanitizer build checks that) and keep its tables
// within limits.
namespace {

QString Rows(const Picture& image) {
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

class Input {
public:
    explicit Input(quint32 seed) : random(seed) {}

    int number(int low, int high) { return int(random.bounded(low, high + 1)); }
    bool chance(int inHundred) { return number(0, 99) < inHundred; }

    QByteArray bytes(int maxLength) {
        QByteArray out(number(0, maxLength), '\0');
        for (char& c : out)
            c = char(random.bounded(256));
        return out;
    }

    // Text lines with the markers and comment signs the readers look for.
    QByteArray text(int lines) {
        static const char* const pieces[] = {"# 11 x", "# 5 y",   "# 4",          "ab2cd", "#",
                                             "",       "  Name ", "\xe9\x80\x81", "11",    "x\n"};
        QByteArray out;
        for (int i = 0; i < lines; ++i)
            out += pieces[number(0, 9)] + QByteArray(chance(85) ? "\r\n" : "\r");
        return out;
    }

    // Cuts, flips or extends bytes of a well-formed file.
    QByteArray damage(QByteArray file) {
        if (chance(30))
            file.truncate(number(0, int(file.size())));
        for (int n = number(0, 4); n > 0 && !file.isEmpty(); --n)
            file[number(0, int(file.size()) - 1)] = char(random.bounded(256));
        return chance(10) ? file + bytes(40) : file;
    }

    // Row and column limits, then x0, y0, x1, y1 now and then at the extremes.
    QByteArray image() {
        QByteArray out;
        AppendInt32(out, chance(5) ? 0x7fff7fff : number(0, 255) | number(0, 255) << 16);
        AppendInt32(out, 0);
        for (int i = 0; i < 4; ++i)
            AppendInt32(out, chance(2)   ? (chance(50) ? INT32_MIN : INT32_MAX)
                             : chance(3) ? number(-40, 3000)
                                         : number(-40, 120));
        return out + bytes(400);
    }

private:
    QRandomGenerator random;
};

// A data folder's SHP.PFP of flags and icons, and the index naming them.
GameIndex WriteGraphics(const QString& data, const QByteArray& flags, const QByteArray& icons) {
    GameIndex index;
    if (writeWholeFile(data + "SHP.PFP", flags + icons))
        index.PfpIndex = {IndexRecord{"FLAGSLG ", qint32(flags.size()), 0},
                          IndexRecord{"UNITICON", qint32(icons.size()), qint32(flags.size())}};
    return index;
}

} // namespace

class FuzzReadersTest : public QObject {
    Q_OBJECT
private slots:
    // Random files stay within their limits; random tables, read onto what
    // was read before, read back as written, byte for byte of the stored form.
    void indexFiles() {
        Input in(1);
        for (int i = 0; i < 3000; ++i) {
            const QByteArray file = in.bytes(in.chance(5) ? 6000 : 300);
            GameIndex index;
            ReadExtIndex(file, index);
            ReadPfpIndex(file, index);
            QVERIFY(index.ExtIndex.size() <= std::min<qsizetype>(file.size() / 16, MaxExtRecords));
            QVERIFY(index.PfpIndex.size() * 16 + 4 <= std::max<qsizetype>(file.size(), 4));
            FindPfpEntry(index, "CLASSES");
            TextContainerName(index);

            QVector<IndexRecord> records;
            QByteArray pfp;
            const quint32 header = quint32(in.number(0, 0x7ffffffe)) * 2 + quint32(in.chance(50));
            AppendInt32(pfp, qint32(header));
            for (int r = in.number(0, 40); r > 0; --r) {
                records.append({in.bytes(8).leftJustified(8, char(in.number(0, 255)), true),
                                in.number(-99999, 99999), in.number(-99999, 99999)});
                pfp += IndexRecordBytes(records.last().name, records.last().size,
                                        records.last().offset);
            }
            QCOMPARE(WritePfpIndex(header, records), pfp);
            QCOMPARE(WriteExtIndex(records), pfp.mid(4));
            ReadPfpIndex(pfp, index);
            ReadExtIndex(pfp.mid(4), index);
            QCOMPARE(index.PfpHeader, header);
            QCOMPARE(WritePfpIndex(index.PfpHeader, index.PfpIndex), pfp);
            QCOMPARE(WriteExtIndex(index.ExtIndex), pfp.mid(4));
        }
    }

    void textEntriesAndLists() {
        static const char* const names[] = {"CLASSES", "NATIONS", "BIGNATS", "SPECIALS",
                                            "MISC",    "0",       "1",       "3"};
        Input in(2);
        for (int i = 0; i < 800; ++i) { // each builds 2001 descriptions
            const QByteArray container = in.damage(in.text(in.number(0, 40)));
            const int size = int(container.size());
            GameIndex index;
            for (int r = in.number(0, 10); r > 0; --r) {
                const QByteArray name =
                    in.chance(90) ? QByteArray(names[in.number(0, 7)]) : in.bytes(8);
                index.PfpIndex.append({name.leftJustified(8, '\0', true), in.number(-5, size + 20),
                                       in.number(-5, size + 20)});
            }
            for (const IndexRecord& record : index.PfpIndex)
                QVERIFY(ReadTextEntry(container, record).join(QString()).size() <= size);
            TextLists lists;
            QStringList descriptions;
            LoadTextLists(container, index, lists, descriptions, in.number(0, 2100));
            QVERIFY(lists.NationNames.size() <= 51);
            QVERIFY(lists.nationTooltips.size() <= 32 && lists.flagTooltips.size() <= 32);
            QVERIFY(lists.moveMethods.size() <= 11 && lists.moveMedia.size() <= 2);
            QVERIFY(descriptions.isEmpty() || descriptions.size() >= MinDescriptions);
            // Each list is read in one pass at most (the nations feed two):
            // what they hold is bounded by the container, lines counted.
            qsizetype listed = 0;
            for (const QStringList* list :
                 {&lists.classes, &lists.NationNames, &lists.nationTooltips, &lists.flagTooltips,
                  &lists.specials, &lists.moveMethods, &lists.targetTypes, &lists.defenceTips,
                  &lists.transports, &lists.moveMedia})
                for (const QString& item : *list)
                    listed += item.size() + 1;
            QVERIFY(listed <= 12 * (qsizetype(size) + 1));
        }
    }

    void imagesAndPalettes() {
        Input in(3);
        for (int i = 0; i < 3000; ++i) {
            QByteArray shp = in.bytes(16);
            const qint64 sectionStart = shp.size();
            QList<QByteArray> images;
            for (int j = in.number(0, 4); j > 0; --j)
                images.append(in.image());
            shp = in.damage(shp + SectionBytes(images));

            const QVector<qint64> positions =
                ReadSectionDirectory(shp, in.chance(90) ? sectionStart : in.number(-9, 600), 3);
            QVERIFY(positions.size() <= 3);
            Palette palette = BlackPalette();
            LoadPalette(in.chance(50) ? shp : in.bytes(1100), palette);
            for (const qint64 position : positions) {
                QByteArray data;
                const std::optional<ImageHeader> header = ReadImage(shp, position, data);
                QVERIFY(data.size() <= MaxImageData);
                if (!header)
                    continue;
                const int xStart = in.chance(50) ? header->x0 : in.number(-30, 60);
                const Picture image = DecodeToImage(*header, data, palette, xStart);
                QVERIFY(image.width() <= 4096 && image.height() <= 4096);
                // Never a picture larger than its data can fill.
                QVERIFY(qint64(image.width()) * image.height() <= 255 * data.size());
                // The picture depends on no byte beyond its data.
                const QByteArray after = in.bytes(64).leftJustified(64, 'x');
                QByteArray other = after;
                for (char& c : other)
                    c = char(~c);
                const QByteArray a = data + after, b = data + other;
                QCOMPARE(
                    DecodeToImage(*header, QByteArrayView(a).first(data.size()), palette, xStart),
                    DecodeToImage(*header, QByteArrayView(b).first(data.size()), palette, xStart));
                Picture small(in.number(1, 20), in.number(1, 20));
                DecodeImage(small, *header, QByteArrayView(a).first(data.size()), palette, xStart);
            }
        }
    }

    // Small files whose headers claim huge pictures, or whose directories
    // point many times at one picture: what the game folder check and the
    // icon view allocate stays within a few hundred bytes per file byte.
    void hostileGraphicsCostLittle_data() {
        QTest::addColumn<QByteArray>("flags");
        QTest::addColumn<QByteArray>("icons");
        QTest::addColumn<int>("shownFlags");
        const QByteArray zeros(400, '\0');
        const QByteArray tiny = ImageBytes(0, 0, 1, 1, QByteArray(2, '\0'));
        QTest::newRow("40 directory entries for one picture")
            << SectionBytes({ImageBytes(0, 0, 199, 199, zeros)}, 40) << SectionBytes({tiny}) << 5;
        QTest::newRow("only the flags that can be shown")
            << SectionBytes({tiny}, 40) << SectionBytes({tiny}) << 32;
        QTest::newRow("the largest flags from a few bytes")
            << SectionBytes({ImageBytes(0, 0, 4095, 4095, QByteArray(16, '\0'), 32767)}, 2)
            << SectionBytes({tiny}) << 0;
        QTest::newRow("every row claimed, too few bytes to end them")
            << SectionBytes({tiny})
            << SectionBytes({ImageBytes(0, 0, 4000, 4000, QByteArray(3000, '\0'), 32767)}) << 1;
        QTest::newRow("rows ended, columns beyond what the codes reach")
            << SectionBytes({tiny})
            << SectionBytes({ImageBytes(0, 0, 4000, 99, QByteArray(100, '\0'), 32767)}) << 1;
    }
    void hostileGraphicsCostLittle() {
        QFETCH(QByteArray, flags);
        QFETCH(QByteArray, icons);
        QTemporaryDir dir{quillon::testing::MemoryTempTemplate()};
        const QString data = dir.path() + "/";
        const QByteArray shp = flags + icons;
        QVERIFY(shp.size() < 8192);
        Graphics graphics;
        LoadGraphics(data, WriteGraphics(data, flags, icons), graphics);
        const qint64 bound = 4 * 255 * shp.size(); // four bytes a pixel
        qint64 allocated = 0;
        int shown = 0;
        for (const Picture& flag : graphics.flags) {
            allocated += flag.sizeInBytes();
            shown += !flag.isNull();
        }
        QVERIFY2(allocated <= bound, qPrintable(QString::number(allocated)));
        QTEST(shown, "shownFlags");
        QVERIFY(graphics.flags.size() <= ShownFlags);
        for (int n = 0; n < graphics.IconCount; ++n)
            QVERIFY(ShowUnitIcon(data, graphics, n).image.sizeInBytes() <= bound);
    }

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
        Picture target(8, 3);
        Palette palette; // index i is red = i, so pixels read back as indexes
        for (int i = 0; i < 256; ++i)
            palette[i] = qRgb(i, 0, 0);
        DecodeImage(target, ImageHeader{200, 200, 0, 0, 7, 1}, codes, palette, xStart);
        QTEST(Rows(target), "rows");
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
        QTEST(ReadSectionDirectory(shp, start), "positions");
    }

    void flagsAndIconsFromTheDataFolder() {
        QTemporaryDir dir{quillon::testing::MemoryTempTemplate()};
        const QString data = dir.path() + "/";
        const QByteArray flags =
            SectionBytes({ImageBytes(3, 1, 5, 2, QByteArray("\x04\x07\0\x02\x08\0", 6)),
                          ImageBytes(3, 1, 3, 2, QByteArray(1, 0)), // invalid: x0 == x1
                          ImageBytes(0, 0, 2, 1, QByteArray("\x02\x09\0\0", 4))});
        const QByteArray icons =
            SectionBytes({ImageBytes(3, 1, 5, 2, QByteArray("\x04\x07\0\x02\x08\0", 6))});
        const GameIndex index = WriteGraphics(data, flags, icons);
        QByteArray pal;
        for (int i = 0; i < 256; ++i) // blue, green, red, unused
            pal.append(char(i / 2)).append(char(20)).append(char(i)).append('\0');
        QVERIFY(writeWholeFile(data + "Pal.Pfp", pal));
        Graphics graphics;
        const GraphicsReport report = LoadGraphics(data, index, graphics);
        QVERIFY(!report.paletteMissing);
        QVERIFY(!report.shpMissing);
        QCOMPARE(report.invalidFlags, QVector<int>{2});
        QCOMPARE(graphics.flags.size(), 3);
        QVERIFY(graphics.flags[1].isNull());
        QCOMPARE(Rows(graphics.flags[0]), QString("......|...77.|...8.."));
        QCOMPARE(Rows(graphics.flags[2]), QString("9..|..."));
        QCOMPARE(graphics.flags[0].pixel(3, 1), qRgb(7, 20, 3));
        QCOMPARE(graphics.IconCount, 1);
        QVERIFY(graphics.IconsAvailable);

        // Icons start at column 25 whatever their x0.
        const UnitIcon icon = ShowUnitIcon(data, graphics, 0);
        QVERIFY(icon.valid);
        QCOMPARE(Rows(icon.image).section(u'|', 1, 2),
                 QString(25, u'.') + "77." + "|" + QString(25, u'.') + "8..");
        QVERIFY(!ShowUnitIcon(data, graphics, 1).valid);
        QVERIFY(!ShowUnitIcon(data, graphics, -1).valid);

        // A short palette leaves the colours as they were; a missing one is told.
        const Palette loaded = graphics.palette;
        QVERIFY(writeWholeFile(data + "Pal.Pfp", pal.left(1023)));
        QVERIFY(LoadGraphics(data, index, graphics).paletteShort);
        QCOMPARE(graphics.palette, loaded);
        QFile::remove(data + "Pal.Pfp");
        QVERIFY(LoadGraphics(data, index, graphics).paletteMissing);

        // What no memory could hold is null, not a failed allocation.
        QVERIFY(Picture(8193, 8192).isNull());
        QVERIFY(icon.image.scaled(4096).isNull());
    }
};

QTEST_GUILESS_MAIN(FuzzReadersTest)
#include "test_fuzz_readers.moc"
