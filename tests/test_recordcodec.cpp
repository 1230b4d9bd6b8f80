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

QByteArray bytesAt(const EquipmentRecord& record, int offset, int count) {
    return QByteArray(reinterpret_cast<const char*>(record.bytes.data()) + offset, count);
}

} // namespace

class RecordCodecTest : public QObject {
    Q_OBJECT
private slots:
    void loadingWritesCellTexts_data() {
        QTest::addColumn<QList<int>>("patches");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        const QList<int> flags = {34, 0x01, 37, 0x80}; // flag bytes 01 00 00 80
        QTest::newRow("flag byte 01 -> nation 0") << flags << 34 << " 1";
        QTest::newRow("flag 80 in byte 37 -> column 65") << flags << 65 << " 1";
        QTest::newRow("nations between stay clear") << flags << 35 << " 0";
        QTest::newRow("icon id 16-bit") << QList<int>{25, 0x02, 26, 0x01} << 27 << " 258";
        QTest::newRow("U3 negative") << QList<int>{27, 0xFD, 28, 0xFF} << 28 << "-3";
        QTest::newRow("move sound -1") << QList<int>{42, 0xFF, 43, 0xFF} << 70 << "-1";
        QString unknown = " 0 12 255";
        for (int i = 3; i < 120; ++i)
            unknown += " 0";
        QTest::newRow("unknown bytes") << QList<int>{49, 12, 50, 255} << 73 << unknown;
    }
    void loadingWritesCellTexts() {
        QFETCH(QList<int>, patches);
        QFETCH(int, column);
        QFETCH(QString, text);
        QCOMPARE(RecordToCells(7, QString(), recordWith(patches))[size_t(column)], text);
    }

    void savingCorrectsCells_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("corrected");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("stored");
        const QByteArray zero(1, 0), zero2(2, 0);
        QTest::newRow("move above 31") << 21 << "40"
                                       << " 31" << 19 << QByteArray("\x1f");
        QTest::newRow("lives below 0") << 24 << "-3"
                                       << " 0" << 22 << zero;
        QTest::newRow("letters") << 3 << "abc"
                                 << " 0" << 1 << zero;
        QTest::newRow("number then letters") << 3 << "12abc"
                                             << " 0" << 1 << zero;
        QTest::newRow("half to even down") << 3 << "254.5"
                                           << "254.5" << 1 << QByteArray("\xfe");
        QTest::newRow("just above 255") << 3 << "255.4"
                                        << " 255" << 1 << QByteArray("\xff");
        QTest::newRow("icon id -1") << 27 << "-1"
                                    << " 0" << 25 << zero2;
        QTest::newRow("icon id clamped") << 27 << "40000"
                                         << " 32767" << 25 << QByteArray("\xff\x7f");
        QTest::newRow("move sound -1") << 70 << "-1"
                                       << "-1" << 42 << QByteArray("\xff\xff");
        QTest::newRow("sound None") << 71 << "None"
                                    << " 0" << 44 << zero2;
        QTest::newRow("sound below 16 bits") << 72 << "-40000"
                                             << "-32768" << 46 << QByteArray("\x00\x80", 2);
        QTest::newRow("nation 2") << 34 << "2"
                                  << "1" << 34 << QByteArray("\x01");
        QTest::newRow("nation 0.9") << 34 << "0.9"
                                    << "0" << 34 << zero;
        QTest::newRow("nation -1") << 34 << "-1"
                                   << "0" << 34 << zero;
        QTest::newRow("nation letter") << 34 << "x"
                                       << "0" << 34 << zero;
        QTest::newRow("nation bit 31") << 65 << " 1"
                                       << "1" << 37 << QByteArray("\x80");
        // Column 73 is read back value by value; the rest of the unknown bytes are zero.
        QTest::newRow("unknown bytes clamped")
            << 73 << " 1 2 300 -5 x"
            << " 1 2 300 -5 x" << 48 << QByteArray("\x01\x02\xff\0\0", 5);
        QTest::newRow("unknown bytes empty") << 73 << ""
                                             << "" << 48 << QByteArray(120, 0);
    }
    void savingCorrectsCells() {
        QFETCH(int, column);
        QFETCH(QString, input);
        QFETCH(QString, corrected);
        QFETCH(int, offset);
        QFETCH(QByteArray, stored);
        Datasheet sheet;
        sheet.setRows(2);
        sheet.setRowCells(1, RecordToCells(0, "Unit", recordWith({48, 99, 167, 99})));
        sheet.setCell(1, column, input);
        const EquipmentRecord record = RowToRecord(sheet, 1);
        QCOMPARE(sheet.cell(1, column), corrected);
        QCOMPARE(bytesAt(record, offset, int(stored.size())), stored);
    }

    // Any record whose fields lie within their save ranges survives a trip
    // through the datasheet unchanged, unknown bytes included.
    void validRecordsRoundTrip() {
        QRandomGenerator random(7);
        Datasheet sheet;
        sheet.setRows(2);
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
