#include "datasheet/Datasheet.h"
#include "equipment/RecordCodec.h"

#include <QRandomGenerator>
#include <QTest>

using namespace quillon;

namespace {

// A record from alternating offset/value pairs.
EquipmentRecord recordWith(const QList<int>& patches) {
    EquipmentRecord record;
    for (qsizetype i = 0; i + 1 < patches.size(); i += 2)
        record.bytes[size_t(patches[i])] = std::uint8_t(patches[i + 1]);
    return record;
}

// The numeric fields as the game stores them: columns first..last, the
// first at `offset`, each `width` bytes after the one before, and the range
// a save lets through. Sound columns keep what is out of range but fits.
struct Field {
    int first, last, offset, width;
    int low, high;
    bool sound = false;
};
const Field Fields[] = {
    {2, 20, 0, 1, 0, 255},   {21, 21, 19, 1, 0, 31},
    {22, 23, 20, 1, 0, 255}, {24, 24, 22, 1, 0, 15},
    {25, 26, 23, 1, 0, 255}, {27, 27, 25, 2, 0, 32767},
    {28, 28, 27, 2, 0, 255}, {29, 33, 29, 1, 0, 255},
    {66, 69, 38, 1, 0, 255}, {70, 72, 42, 2, -32768, 32767, true},
};

// The text loading writes: a blank in the place of the sign.
QString loaded(int value) {
    return (value < 0 ? "-" : " ") + QString::number(std::abs(value));
}

} // namespace

class RecordCodecTest : public QObject {
    Q_OBJECT
    Datasheet sheet;
    Datasheet::Row zeroRow; // a unit of zeros as a save leaves it
private slots:
    void initTestCase() {
        sheet.setRows(2);
        sheet.setRowCells(1, RecordToCells(0, "Unit", EquipmentRecord{}));
        QCOMPARE(RowToRecord(sheet, 1).bytes, EquipmentRecord{}.bytes);
        zeroRow = sheet.rowCells(1);
    }

    void loadingWritesCellTexts_data() {
        QTest::addColumn<QList<int>>("patches");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        const QList<int> flags = {34, 0x01, 37, 0x80}; // flag bytes 01 00 00 80
        QTest::newRow("flag byte 01 -> nation 0") << flags << 34 << " 1";
        QTest::newRow("flag 80 in byte 37 -> column 65") << flags << 65 << " 1";
        QTest::newRow("nations between stay clear") << flags << 35 << " 0";
        QTest::newRow("U3 negative") << QList<int>{27, 0xFD, 28, 0xFF} << 28 << "-3";
        QTest::newRow("name trimmed") << QList<int>{} << 1 << "Unit";
    }
    void loadingWritesCellTexts() {
        QFETCH(QList<int>, patches);
        QFETCH(int, column);
        QTEST(RecordToCells(7, "  Unit ", recordWith(patches)).text(column), "text");
    }

    // Every data column at both ends of its range, one beyond each, halves
    // (13.5 -> 14 where truncation gives 13, 2.5 -> 2 where rounding up
    // gives 3) and a text with a number in front that is still no number.
    void savingCorrectsEveryColumn_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("corrected");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QList<int>>("bytes"); // stored from `offset` on
        QTest::addColumn<QString>("reloaded");
        auto add = [](const char* what, int column, const QString& input, const QString& corrected,
                      int offset, int width, int value, const QString& reloaded) {
            QList<int> bytes{value & 0xFF};
            if (width == 2)
                bytes.append((value >> 8) & 0xFF);
            QTest::addRow("%s, column %d", what, column)
                << column << input << corrected << offset << bytes << reloaded;
        };
        for (const Field& f : Fields) {
            for (int column = f.first; column <= f.last; ++column) {
                const int at = f.offset + (column - f.first) * f.width;
                auto row = [&](const char* what, const QString& input, const QString& corrected,
                               int value) {
                    add(what, column, input, corrected, at, f.width, value, loaded(value));
                };
                row("lowest", loaded(f.low), loaded(f.low), f.low);
                row("highest", loaded(f.high), loaded(f.high), f.high);
                row("one below", QString::number(f.low - 1), loaded(f.low), f.low);
                row("one above", QString::number(f.high + 1), loaded(f.high), f.high);
                row("13.5", "13.5", "13.5", 14);
                row("2.5", "2.5", "2.5", 2);
                row("not a number", "12abc", " 0", 0);
            }
        }
        for (int n = 0; n < 32; ++n) { // a nation cell is one bit of a flag byte
            const int column = 34 + n, at = 34 + n / 8, bit = 1 << (n % 8);
            add("set", column, "1", "1", at, 1, bit, " 1");
            add("loaded clear", column, " 0", "0", at, 1, 0, " 0");
            add("above 1", column, "2", "1", at, 1, bit, " 1");
            add("1.5", column, "1.5", "1", at, 1, bit, " 1");
            add("0.9 rounds to 1 but is below it", column, "0.9", "0", at, 1, 0, " 0");
            add("below 0", column, "-1", "0", at, 1, 0, " 0");
            add("not a number", column, "1x", "0", at, 1, 0, " 0");
        }
        // Column 73 is read back value by value and kept as typed.
        const QString rest = QString(" 0").repeated(119);
        const QStringList inputs{"0", "255", "-1", "256", "13.5", "2.5", "x"};
        const QList<int> values{0, 255, 0, 255, 14, 2, 0};
        for (qsizetype i = 0; i < inputs.size(); ++i)
            add(qPrintable("unknown " + inputs[i]), 73, inputs[i], inputs[i], 48, 1, values[i],
                loaded(values[i]) + rest);
        add("unknown bytes empty", 73, "", "", 48, 1, 0, loaded(0) + rest);
        QTest::newRow("unknown bytes beyond the typed values are zero")
            << 73 << " 1 2 300 -5 x 07"
            << " 1 2 300 -5 x 07" << 48 << QList<int>{1, 2, 255, 0, 0, 7}
            << " 1 2 255 0 0 7" + QString(" 0").repeated(114);
        add("letters only", 3, "abc", " 0", 1, 1, 0, " 0");
        add("empty", 3, "", " 0", 1, 1, 0, " 0");
        add("exponent", 3, "2e2", "2e2", 1, 1, 200, " 200");
        add("half below the limit", 3, "254.5", "254.5", 1, 1, 254, " 254");
        add("fraction above the limit", 24, "15.4", " 15", 22, 1, 15, " 15");
        add("far below", 27, "-40000", " 0", 25, 2, 0, " 0");
        add("far above", 27, "40000", " 32767", 25, 2, 32767, " 32767");
        add("sound None", 71, "None", " 0", 44, 2, 0, " 0");
        add("negative half", 72, "-13.5", "-13.5", 46, 2, -14, "-14");
        add("far below", 72, "-40000", "-32768", 46, 2, -32768, "-32768");
    }
    void savingCorrectsEveryColumn() {
        QFETCH(int, column);
        QFETCH(QString, input);
        QFETCH(QString, corrected);
        QFETCH(int, offset);
        QFETCH(QList<int>, bytes);
        sheet.setRowCells(1, zeroRow);
        sheet.setCell(1, column, input);
        std::vector<RowEdit> corrections;
        const EquipmentRecord record = RowToRecord(sheet, 1, &corrections);
        QCOMPARE(sheet.cell(1, column), corrected);
        EquipmentRecord expected;
        for (int i = 0; i < bytes.size(); ++i)
            expected.bytes[size_t(offset + i)] = std::uint8_t(bytes[i]);
        QCOMPARE(record.bytes, expected.bytes);
        QCOMPARE(corrections.size(), size_t(corrected == input ? 0 : 1));
        if (!corrections.empty()) {
            const RowEdit& edit = corrections.front();
            QCOMPARE(edit.row, 1);
            QCOMPARE(edit.cells.text(column), input);
            for (int other = 0; other < Datasheet::ColumnCount; ++other)
                if (other != column)
                    QCOMPARE(sheet.cell(1, other), edit.cells.text(other));
        }
        QTEST(RecordToCells(0, "Unit", record).text(column), "reloaded");
    }

    // Any record whose fields lie within their save ranges survives a trip
    // through the datasheet unchanged, unknown bytes included.
    void validRecordsRoundTrip() {
        QRandomGenerator random(7);
        for (int n = 0; n < 200; ++n) {
            EquipmentRecord record;
            for (auto& byte : record.bytes)
                byte = std::uint8_t(random.bounded(256));
            record.bytes[19] %= 32;   // Move
            record.bytes[22] %= 16;   // Lives
            record.bytes[26] &= 0x7F; // Icon ID not negative
            record.bytes[28] = 0;     // U3 within 0..255
            sheet.setRowCells(1, RecordToCells(n, "Name", record));
            QCOMPARE(RowToRecord(sheet, 1).bytes, record.bytes);
        }
    }
};

QTEST_GUILESS_MAIN(RecordCodecTest)
#include "test_recordcodec.moc"
