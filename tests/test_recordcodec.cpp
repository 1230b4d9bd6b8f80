#include "datasheet/Datasheet.h"
#include "equipment/RecordCodec.h"

#include <QRandomGenerator>
#include <QTest>

using namespace quillon;

namespace {

// The numeric fields as the game stores them: columns first..last, the
// first at `offset`, each `width` bytes after the one before (two bytes are
// signed), and the range a save lets through. Sound columns keep any
// number that rounds into that range.
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
private slots:
    void initTestCase() { sheet.setRows(2); }

    // Every data column at both ends of its range, one and far beyond each,
    // halves (13.5 -> 14 where truncation gives 13, 2.5 -> 2 and one below
    // the highest -> the even one below it where rounding up gives more),
    // a fraction above the highest and texts that are no number; typed into
    // all columns of a field at once.
    void savingCorrectsEveryColumn_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("corrected");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("reloaded");
        const auto add = [](int first, int last, const QString& input, const QString& corrected,
                            const QByteArray& record, const QString& reloaded) {
            QTest::addRow("columns %d-%d: \"%s\"", first, last, qPrintable(input))
                << first << last << input << corrected << record << reloaded;
        };
        for (const Field& f : Fields) {
            const auto row = [&](const QString& input, int value, bool kept = true) {
                QByteArray record(EquipmentRecord::Size, '\0');
                for (int at = f.offset; at < f.offset + (f.last - f.first + 1) * f.width;
                     at += f.width) {
                    record[at] = char(value);
                    if (f.width == 2)
                        record[at + 1] = char(value >> 8);
                }
                add(f.first, f.last, input, kept ? input : loaded(value), record, loaded(value));
            };
            row(loaded(f.low), f.low);
            row(loaded(f.high), f.high);
            row(QString::number(f.low - 1), f.low, false);
            row(QString::number(f.high + 1), f.high, false);
            row("-40000", f.low, false);
            row("40000", f.high, false);
            row("13.5", 14);
            row("2.5", 2);
            row("-13.5", f.sound ? -14 : 0, f.sound);
            row(QString::number(f.high - 1) + ".5", f.high - 1);
            row(QString::number(f.high) + ".4", f.high, f.sound);
            row("1e1", 10);
            for (const char* text : {"12abc", "abc", "", "None"})
                row(text, 0, false);
        }
        // A nation cell is one bit of a flag byte, set from 1 on (0.9 rounds
        // to 1 but is below it).
        QByteArray allSet(EquipmentRecord::Size, '\0');
        allSet.replace(34, 4, "\xff\xff\xff\xff");
        for (const char* input : {"1", "2", "1.5"})
            add(34, 65, input, "1", allSet, " 1");
        for (const char* input : {" 0", "0.9", "-1", "1x"})
            add(34, 65, input, "0", QByteArray(EquipmentRecord::Size, '\0'), " 0");
        // Column 73 is kept as typed and read value by value, the rest zero.
        const QString typed = " 0 255 -1 256 13.5 2.5 x 07 300 1e1 -5";
        add(73, 73, typed, typed,
            QByteArray(48, '\0') + QByteArray("\0\xff\0\xff\x0e\2\0\7\xff\x0a\0", 11) +
                QByteArray(109, '\0'),
            " 0 255 0 255 14 2 0 7 255 10 0" + QString(" 0").repeated(109));
        add(73, 73, "", "", QByteArray(168, '\0'), QString(" 0").repeated(120));
    }
    void savingCorrectsEveryColumn() {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QString, input);
        QFETCH(QString, corrected);
        QFETCH(QString, reloaded);
        sheet.setRowCells(1, RecordToCells(0, "Unit", {}));
        RowToRecord(sheet, 1); // a unit of zeros as a save leaves it
        for (int column = first; column <= last; ++column)
            sheet.setCell(1, column, input);
        const Datasheet::Row typed = sheet.rowCells(1);
        std::vector<RowEdit> corrections;
        const EquipmentRecord record = RowToRecord(sheet, 1, &corrections);
        QTEST(QByteArray(reinterpret_cast<const char*>(record.bytes.data()), record.Size),
              "record");
        const Datasheet::Row back = RecordToCells(0, "Unit", record);
        Datasheet::Row shown = typed; // a correction changes those cells only
        for (int column = first; column <= last; ++column) {
            QCOMPARE(sheet.cell(1, column), corrected);
            QCOMPARE(back.text(column), reloaded);
            shown.setText(column, corrected);
        }
        QVERIFY(sheet.rowCells(1) == shown);
        QCOMPARE(corrections.size(), size_t(corrected == input ? 0 : 1));
        if (!corrections.empty())
            QVERIFY(corrections.front().row == 1 && corrections.front().cells == typed);
    }

    // Loading writes every field as the model above reads it; a record whose
    // fields lie within their save ranges survives a trip through the
    // datasheet unchanged, unknown bytes included.
    void recordsLoadAndRoundTrip() {
        QRandomGenerator random(7);
        for (int n = 0; n < 200; ++n) {
            EquipmentRecord record;
            for (auto& byte : record.bytes)
                byte = std::uint8_t(random.bounded(256));
            const Datasheet::Row cells = RecordToCells(n, "  Unit ", record);
            QCOMPARE(cells.text(1), QString("Unit"));
            for (const Field& f : Fields) {
                for (int column = f.first; column <= f.last; ++column) {
                    const auto at = size_t(f.offset + (column - f.first) * f.width);
                    const int value =
                        f.width == 1 ? record.bytes[at]
                                     : std::int16_t(record.bytes[at] | record.bytes[at + 1] << 8);
                    QCOMPARE(cells.text(column), loaded(value));
                }
            }
            for (int k = 0; k < 32; ++k)
                QCOMPARE(cells.text(34 + k),
                         (record.bytes[size_t(34 + k / 8)] >> (k % 8)) & 1 ? " 1" : " 0");
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
