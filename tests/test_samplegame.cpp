#include "samplegame/RunLengthEncoder.h"
#include "samplegame/SampleGame.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using quillon::samplegame::Options;
using quillon::samplegame::WriteEquipmentFiles;
using quillon::samplegame::WriteSampleGame;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

qint32 int32At(const QByteArray& bytes, qsizetype offset) {
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

qint16 int16At(const QByteArray& bytes, qsizetype offset) {
    return qFromLittleEndian<qint16>(bytes.constData() + offset);
}

struct Record {
    QByteArray name;
    qint32 size;
    qint32 offset;
};

QList<Record> records(const QByteArray& bytes, qsizetype start) {
    QList<Record> result;
    for (qsizetype at = start; at + 16 <= bytes.size(); at += 16)
        result.append({bytes.mid(at, 8), int32At(bytes, at + 8), int32At(bytes, at + 12)});
    return result;
}

QByteArray nameOf(const Record& record) {
    return record.name.left(record.name.indexOf('\0') < 0 ? 8 : record.name.indexOf('\0'));
}

int byteAt(const QByteArray& data, qsizetype p) {
    return p < data.size() ? quint8(data[p]) : 0;
}

// Draws run-length rows the way the editor does, from column 0, into rows
// of palette indexes (-1 where nothing was drawn). Returns the position after
// the 0 that ends the last row, or -1 when the rows run past the data or
// draw beyond `width` columns.
qsizetype decodeRows(const QByteArray& data, qsizetype p, int rows, int width,
                     QList<QList<int>>* pixels = nullptr) {
    QList<int> row;
    for (int y = 0; y < rows; ++p) {
        if (p >= data.size())
            return -1;
        const quint8 code = quint8(data[p]);
        if (code == 0) {
            if (pixels)
                pixels->append(row);
            row.clear();
            ++y;
        } else if (code == 1) {
            row.append(QList<int>(byteAt(data, ++p), -1));
        } else if (code % 2 == 0) {
            row.append(QList<int>(code / 2, byteAt(data, ++p)));
        } else {
            for (int i = 0; i < (code - 1) / 2; ++i)
                row.append(byteAt(data, ++p));
        }
        if (row.size() > width)
            return -1;
    }
    return p;
}

// Position after an image whose header must be valid, or -1.
qsizetype endOfImage(const QByteArray& file, qsizetype at) {
    const int rowLimit = int16At(file, at), columnLimit = int16At(file, at + 2);
    const qint32 x0 = int32At(file, at + 8), y0 = int32At(file, at + 12);
    const qint32 x1 = int32At(file, at + 16), y1 = int32At(file, at + 20);
    if (y1 > rowLimit || x1 > columnLimit || x0 >= x1 || y0 >= y1)
        return -1;
    return decodeRows(file, at + 24, y1 - y0 + 1, x1 - x0 + 1);
}

QStringList linesOf(const QByteArray& entry) {
    QStringList lines = QString::fromLatin1(entry).split(QStringLiteral("\r\n"));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The counted groups of MISC, found as the editor finds them: a marker is
// recognised from the line's third character on, the search for a group
// starts at the last line taken by the one before, then one line is skipped.
QList<QStringList> miscGroupsAsRead(const QStringList& lines) {
    const QList<QPair<QString, int>> groups{{"11", 11}, {"5", 5}, {"5", 5}, {"4", 4}, {"2", 2}};
    QList<QStringList> result;
    qsizetype line = 0;
    for (const auto& [marker, count] : groups) {
        while (line < lines.size() && lines[line].indexOf(marker, 2, Qt::CaseInsensitive) < 0)
            ++line;
        const QStringList taken = lines.mid(line + 2, count);
        result.append(taken);
        line += 2 + count - 1;
    }
    return result;
}

} // namespace

class SampleGameTest : public QObject {
    Q_OBJECT
private slots:
    void equipmentFilesHoldTheUnitsInSaveRanges_data() {
        QTest::addColumn<int>("units");
        QTest::newRow("none") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("many") << 600;
    }
    void equipmentFilesHoldTheUnitsInSaveRanges() {
        QFETCH(int, units);
        QTemporaryDir dir;
        QVERIFY(WriteEquipmentFiles(dir.path(), units, 3));
        const QByteArray eqp = readAll(dir.filePath("KorEquip.EQP"));
        QCOMPARE(eqp.size(), 2 + 168 * units);
        QCOMPARE(int16At(eqp, 0), units);
        const QStringList names = linesOf(readAll(dir.filePath("KorEquip.TXT")));
        QCOMPARE(names.size(), units);
        for (int i = 0; i < units; ++i) {
            QVERIFY(!names[i].isEmpty() && names[i] == names[i].trimmed());
            const QByteArray r = eqp.mid(2 + 168 * i, 168);
            QVERIFY2(quint8(r[0]) < 15 && quint8(r[11]) <= 4, qPrintable(names[i]));
            QVERIFY(quint8(r[19]) <= 31 && quint8(r[22]) <= 15);
            QVERIFY(int16At(r, 25) >= 0 && int16At(r, 25) < 400);
            QVERIFY(int16At(r, 27) >= 0 && int16At(r, 27) <= 255);
            QVERIFY(int32At(r, 34) > 0); // some nation, bit 31 clear
        }
        if (units >= 600) { // accented names exercise the code page
            QVERIFY(names.join(QString()).contains(QChar(u'ä')) ||
                    names.join(QString()).contains(QChar(u'é')));
        }
    }

    void gameFolderIsConsistent_data() {
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("icons");
        QTest::addColumn<int>("sounds");
        QTest::newRow("tiny") << 3 << 1 << 0;
        QTest::newRow("small") << 40 << 13 << 2;
        QTest::newRow("default sizes") << 1100 << 400 << 8;
    }
    void gameFolderIsConsistent() {
        QFETCH(int, units);
        QFETCH(int, icons);
        QFETCH(int, sounds);
        QTemporaryDir dir;
        QVERIFY(WriteSampleGame(dir.path(), {units, icons, sounds, 5}));
        QVERIFY(QFile::exists(dir.filePath("KORVATH.EXE")));
        const QString data = dir.filePath("data/");
        QCOMPARE(readAll(data + "KorEquip.EQP").size(), 2 + 168 * units);
        QCOMPARE(linesOf(readAll(data + "KorEquip.TXT")).size(), units);
        QCOMPARE(readAll(data + "pal.pfp").size(), 1024);

        // Index: every container's records are contiguous from offset 0 and
        // cover its file exactly; ext.idx points at each container's first.
        const QByteArray pfp = readAll(data + "pfpdata.idx");
        QCOMPARE((pfp.size() - 4) % 16, 0);
        const QList<Record> entries = records(pfp, 4);
        const QList<Record> ext = records(readAll(data + "ext.idx"), 0);
        QCOMPARE(entries.size(), 5 + units + 2 + 4);
        QCOMPARE(ext.size(), 3);
        QCOMPARE(nameOf(ext[0]), QByteArray("txt"));
        QCOMPARE(ext[2].size, 0x20202020);
        QCOMPARE(ext[2].offset, 0x20202020);
        QList<QByteArray> files;
        for (qsizetype c = 0; c < ext.size(); ++c) {
            const qint32 first = c == 0 ? 0 : ext[c - 1].offset;
            const qint32 next = c + 1 < ext.size() ? ext[c].offset : qint32(entries.size());
            if (c + 1 < ext.size())
                QCOMPARE(ext[c].size, first);
            const QByteArray file = readAll(data + nameOf(ext[c]) + ".pfp");
            qint32 position = 0;
            for (qint32 k = first; k < next; ++k) {
                QCOMPARE(entries[k].offset, position);
                position += entries[k].size;
            }
            QCOMPARE(position, file.size());
            files.append(file);
        }

        // Text container: lists first, then one single-line description per
        // unit, named by number, last.
        const QList<QByteArray> lists{"CLASSES", "NATIONS", "BIGNATS", "SPECIALS", "MISC"};
        for (qsizetype k = 0; k < lists.size(); ++k)
            QCOMPARE(nameOf(entries[k]), lists[k]);
        for (int u = 0; u < units; ++u) {
            const Record& description = entries[5 + u];
            QCOMPARE(nameOf(description), QByteArray::number(u));
            const QByteArray line = files[0].mid(description.offset, description.size);
            QVERIFY(line.endsWith("\r\n") && line.count('\n') == 1);
            QCOMPARE(line.trimmed(), line.chopped(2));
        }
        QCOMPARE(linesOf(files[0].mid(entries[1].offset, entries[1].size)).size(), 1 + 31);
        const QList<QStringList> misc =
            miscGroupsAsRead(linesOf(files[0].mid(entries[4].offset, entries[4].size)));
        QCOMPARE(misc[0].first(), QStringLiteral("Leg"));
        QCOMPARE(misc[1], QStringList({"Soft", "Hard", "Plane", "Naval", "Sub"}));
        QCOMPARE(misc[4].size(), 2);

        // Graphics: 31 flags and the icons, every image valid and its rows
        // ending exactly where the next image (or the section) begins.
        const QByteArray& shp = files[1];
        const QList<int> expectedCounts{31, icons};
        for (int s = 0; s < 2; ++s) {
            const Record& section = entries[5 + units + s];
            const qint32 start = section.offset;
            const qint32 count = int32At(shp, start + 4);
            QCOMPARE(count, expectedCounts[s]);
            for (qint32 j = 0; j < count; ++j) {
                const qint32 image = start + int32At(shp, start + 8 + 8 * j);
                const qint32 end =
                    j + 1 < count ? start + int32At(shp, start + 16 + 8 * j) : start + section.size;
                QCOMPARE(endOfImage(shp, image), qsizetype(end));
            }
        }

        // Sounds: the numbered files, one with an upper-case extension and
        // one short name, each a header and whole 16-bit samples.
        const QStringList mel = QDir(dir.filePath("bnk")).entryList(QDir::Files, QDir::Name);
        QCOMPARE(mel.size(), sounds == 0 ? 0 : sounds + 2);
        for (const QString& name : mel) {
            const QByteArray sound = readAll(dir.filePath("bnk/" + name));
            QVERIFY(sound.size() > 24 && sound.size() % 2 == 0);
            QCOMPARE(int32At(sound, 4), 22050);
        }
        if (sounds > 0)
            QVERIFY(mel.contains(QString::number(1000 + sounds) + ".MEL"));
    }

    void runLengthRowsDrawThePicture_data() {
        QTest::addColumn<QList<QList<int>>>("rows");
        const QList<int> longRun(300, 9);
        QList<int> longSkip(300, -1);
        longSkip.last() = 4;
        QList<int> literal;
        for (int x = 0; x < 300; ++x)
            literal.append(x % 7);
        QTest::newRow("runs, pairs and gaps") << QList<QList<int>>{{7, 7, 7, -1, 1, 2, 2, -1}};
        QTest::newRow("longer than one code") << QList<QList<int>>{longRun, longSkip, literal};
        QTest::newRow("empty rows") << QList<QList<int>>{{-1, -1}, {-1, 5}, {-1, -1}};
    }
    void runLengthRowsDrawThePicture() {
        QFETCH(QList<QList<int>>, rows);
        const int width = int(rows.first().size());
        quillon::samplegame::Picture picture(width, int(rows.size()));
        for (int y = 0; y < rows.size(); ++y)
            for (int x = 0; x < width; ++x)
                picture.set(x, y, rows[y][x]);
        const QByteArray encoded = quillon::samplegame::encodeRows(picture);
        QList<QList<int>> drawn;
        QCOMPARE(decodeRows(encoded, 0, int(rows.size()), width, &drawn), encoded.size());
        for (int y = 0; y < rows.size(); ++y) {
            drawn[y].resize(width, -1); // the row's end leaves the rest untouched
            QCOMPARE(drawn[y], rows[y]);
        }
    }

    void sameSeedGivesSameBytes_data() {
        QTest::addColumn<unsigned>("otherSeed");
        QTest::addColumn<bool>("same");
        QTest::newRow("same seed") << 9u << true;
        QTest::newRow("other seed") << 10u << false;
    }
    void sameSeedGivesSameBytes() {
        QFETCH(unsigned, otherSeed);
        QFETCH(bool, same);
        QTemporaryDir first, second;
        QVERIFY(WriteSampleGame(first.path(), {30, 12, 3, 9}));
        QVERIFY(WriteSampleGame(second.path(), {30, 12, 3, otherSeed}));
        QDirIterator it(first.path(), QDir::Files, QDirIterator::Subdirectories);
        int differing = 0;
        while (it.hasNext()) {
            const QString path = it.next();
            const QString relative = QDir(first.path()).relativeFilePath(path);
            differing += readAll(path) != readAll(second.filePath(relative)) ? 1 : 0;
        }
        QCOMPARE(differing == 0, same);
    }

    void unwritableFolderIsReported() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!WriteSampleGame(dir.filePath("file/game"), {2, 1, 1, 1}));
        QVERIFY(!WriteEquipmentFiles(dir.filePath("file"), 2));
    }
};

QTEST_GUILESS_MAIN(SampleGameTest)
#include "test_samplegame.moc"
