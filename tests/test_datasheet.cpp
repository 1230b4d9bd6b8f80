#include "datasheet/CellNumber.h"
#include "datasheet/Datasheet.h"
#include "datasheet/UnitEditing.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <limits>

using namespace quillon;

namespace {

// A sheet of `units` rows: unit numbers " 0", " 1"..., then cells reading
// "r.c" (row.column; only the names on big sheets) under the headings "Unit
// Name" and "99". The unit named "r.1" has the description "d<r>", and so
// has every other of the game's 2,001 description slots.
void fill(Datasheet& sheet, QStringList& descriptions, int units) {
    std::vector<Datasheet::Row> rows(static_cast<size_t>(units));
    for (int r = 1; r <= units; ++r)
        for (int c = 0; c < (units > 10 ? 2 : Datasheet::ColumnCount); ++c)
            rows[size_t(r - 1)][size_t(c)] =
                c == 0 ? QStringLiteral(" %1").arg(r - 1) : QStringLiteral("%1.%2").arg(r).arg(c);
    sheet.replaceUnitRows(std::move(rows));
    sheet.setCell(0, 1, "Unit Name");
    sheet.setCell(0, 2, "99"); // would sort last if the heading row took part
    descriptions.clear();
    for (int i = 1; i <= std::max(2001, units); ++i)
        descriptions << QStringLiteral("d%1").arg(i);
}

} // namespace

class DatasheetTest : public QObject {
    Q_OBJECT
private slots:
    // Steps, separated by "; ", run on filled units (five unless told);
    // "keys TEXT" pastes TEXT into columns 2 and 3 from unit row 1 on and
    // makes (1, 2) current. The "?" steps read the sheet; expected: what they
    // read, joined by "|". "?names" is the first 12 unit names as the rows
    // they were filled in, "+" for a new unit.
    void editsTheSheet_data() {
        QTest::addColumn<int>("units");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* script, const char* expected, int units = 5) {
            QByteArray tag = QByteArray(script).replace('\t', "\\t").replace('\r', "\\r");
            QTest::newRow(tag.replace('\n', "\\n").constData())
                << units << QString(script) << QString(expected);
        };
        // The current cell and block stay inside the grid; rows come and go
        // only between the heading row and the unit limit.
        row("select 2 3 4 5; row 3; ?cursor; colsel 6; col 1; ?cursor; ?moves",
            "3,3,3,3|3,1,3,1|4");
        row("select 99 500 -7 -1; ?cursor", "5,73,0,0");
        row("set 6 1 x; set 1 74 x; remove 0; ?rows; ?cell -1 0; ?cell 40 5; ?changes; ?moves",
            "6|||0|0");
        row("add 2 n\tname\t\t7; add 0 top; ?rows; ?cell 1 0; ?cell 3 0; ?cell 3 1; ?cell 3 2; "
            "?cell 3 3",
            "8|top|n|name||7");
        row("select 5 1 5 1; remove 5; ?rows; ?cursor", "5|4,1,4,1");
        row("rows 1073741824; ?rows", "32768");

        // Whatever is put into a cell reads back exactly, also after texts
        // of other kinds ("%B": 120 bytes as loaded, "%L": 119).
        row("keep 3  12|12|-3| 0|0|-0|012| -3|  12|12 |+5| 99999999|-99999999|123456789|254.5", "");
        row("keep 1 Tiger II|\u00c9clair \u20ac\u2602", "");
        row("keep 70 ", "");
        row("keep 73 %B|%L|%B 0|%L 256|%L 07| %B|%B ", "");
        row("keep 72 %B", "");

        // The number of a text, whether all of it is one, and that number
        // rounded, halves to even ("%9": 400 nines).
        row("number  12|-3.5|12.5|-2.5|2.4999|1e3|\t\n8|1e-999",
            "12 all 12|-3.5 all -4|12.5 all 12|-2.5 all -2|2.4999 all 2|1000 all 1000|8 all 8|"
            "0 all 0");
        // Inner blanks are skipped; unknown bytes read as one number.
        row("number |abc|12abc|1 2|1.2.3|3e| 0 12 255",
            "0 part 0|0 part 0|12 part 12|12 part 12|1.2 part 1|3 part 3|12255 part 12255");
        row("number 1e999|%9|-1e300",
            "1.7976931348623157e+308 all 9223372036854775807|"
            "1.7976931348623157e+308 all 9223372036854775807|-1e+300 all -9223372036854775808");

        // Pastes fill the block from its top left corner.
        row("select 1 1 3 2; paste a\tb\tc\rd\te\tf; ?changes; ?area",
            "1|a,b,1.3/d,e,2.3/3.1,3.2,3.3");
        row("select 2 2 2 2; paste a\tb\rc; ?area", "1.1,1.2,1.3/2.1,a,2.3/3.1,3.2,3.3");
        row("select 1 1 3 2; paste a\tb\r\nc\td\r\n; ?area", "a,b,1.3/c,d,2.3/3.1,3.2,3.3");
        row("select 1 1 3 1; paste a\r\n\r\n; ?area", "a,1.2,1.3/,2.2,2.3/3.1,3.2,3.3");
        row("select 1 1 3 1; paste a\rb\r; ?area", "a,1.2,1.3/b,2.2,2.3/,3.2,3.3");
        row("select 1 1 2 3; paste a\rb\t\tc; ?changes; ?area", "1|a,1.2,1.3/b,,c/3.1,3.2,3.3");

        // Sorts on the key columns of the block, never the heading row.
        row("keys 10\r 100\r 9; sort numeric; ?names", "3,1,2", 3);
        row("keys bravo\rCharlie\rALPHA; sort descending; ?names", "2,1,3", 3);
        row("keys Zenith\r\u00c9clair\rDora\reclair; sort text; ?names", "3,4,2,1", 4);
        row("keys 2.5\r 3\rabc\r-1; sort numeric; ?names", "4,3,1,2", 4);
        row("keys 2\t5\r1\t7\r2\t3\r1\t6; select 1 2 1 3; sort numeric; ?names", "4,2,3,1", 4);
        row("keys 9\r8\r7\r6\r5; select 4 2 2 2; sort numeric; ?names; ?cursor; ?sorts",
            "1,4,3,2,5|4,2,2,2|1");
        row("keys 9\r8\r7; select 2 2 0 2; sort numeric; ?names; ?cell 0 1; ?cursor",
            "2,1,3|Unit Name|2,2,0,2", 3);

        // Units keep their descriptions; 2,001 units fill the game's
        // description table, so a new one makes it grow. Refused edits
        // change nothing.
        row("select 3 3 3 3; after; ?names; ?cursor; ?mark", "1,2,3,+,4,5|4,1,4,1|4,1");
        row("select 1 3 1 3; before; ?names; ?cursor; ?mark", "+,1,2,3,4,5|1,1,1,1|1,1");
        row("select 3 3 3 3; delete; ?names; ?cursor; ?mark", "1,2,4,5|3,1,3,1|3,1");
        row("select 5 3 5 3; delete; ?names; ?cursor", "1,2,3,4|4,1,4,1");
        row("keys 2\r3\r1; sort numeric; select 1 3 1 3; after; ?names; ?cursor", "3,+,1,2|2,1,2,1",
            3);
        row("keys 2\r3\r1; sort numeric; select 2 3 2 3; delete; ?names", "3,2", 3);
        row("select 1 3 1 3; before; ?names", "+,1,2,3,4,5,6,7,8,9,10,11", 2001);
        row("select 0 3 0 3; after; ?names; ?cursor", "refused|1,2,3,4,5|0,3,0,3");
        row("select 0 3 0 3; delete; ?names", "refused|1,2,3,4,5");
        row("select 1 3 1 3; delete; ?names; ?cursor", "refused|1|1,3,1,3", 1);
        row("select 5 3 5 3; after; ?names; ?cursor", "refused|1,2,3,4,5,6,7,8,9,10,11,12|5,3,5,3",
            Datasheet::MaxUnits);
    }
    void editsTheSheet() {
        QFETCH(int, units);
        QFETCH(QString, script);
        Datasheet sheet;
        QStringList descriptions;
        fill(sheet, descriptions, units);
        QSignalSpy moves(&sheet, &Datasheet::currentCellChanged);
        QSignalSpy changes(&sheet, &Datasheet::cellsChanged);
        QSignalSpy sorts(&sheet, &Datasheet::rowsReordered);
        QStringList w, out;
        bool edited = false;
        const auto n = [&](int i) { return w.value(i).toInt(); };
        const auto tail = [&](int i) { return w.mid(i).join(u' '); };
        const auto edit = [&](bool (*unitEdit)(Datasheet&, QStringList&)) {
            edited = true;
            if (!unitEdit(sheet, descriptions))
                out << "refused";
        };
        const auto cell = [&](int r, int c) { return sheet.cell(r, c); };
        const QString nines = QStringLiteral(" 9").repeated(120);
        QString bytes;
        for (int i = 0; i < 119; ++i)
            bytes += QStringLiteral(" %1").arg(i * 37 % 256);
        const QHash<QString, Datasheet::SortKind> kinds{{"numeric", Datasheet::NumericAscending},
                                                        {"text", Datasheet::TextAscending},
                                                        {"descending", Datasheet::TextDescending}};
        const QHash<QString, std::function<void()>> steps{
            {"select", [&] { sheet.select(n(1), n(2), n(3), n(4)); }},
            {"row", [&] { sheet.setRow(n(1)); }},
            {"col", [&] { sheet.setCol(n(1)); }},
            {"colsel", [&] { sheet.setColSel(n(1)); }},
            {"rows", [&] { sheet.setRows(n(1)); }},
            {"set", [&] { sheet.setCell(n(1), n(2), tail(3)); }},
            {"add", [&] { sheet.addItem(tail(2), n(1)); }},
            {"remove", [&] { sheet.removeItem(n(1)); }},
            {"paste", [&] { sheet.setClip(tail(1)); }},
            {"keys",
             [&] {
                 sheet.select(1, 2, sheet.rows() - 1, 3);
                 sheet.setClip(tail(1));
                 sheet.select(1, 2, 1, 2);
             }},
            // Writes each text into an empty cell, then after texts of other
            // kinds, and reads it back through the cell, the row, the block
            // text and a paste; names what it lost.
            {"keep",
             [&] {
                 const int c = n(1);
                 for (QString text : tail(2).split(u'|')) {
                     text.replace("%B", bytes + " 255").replace("%L", bytes);
                     Datasheet::Row expected = sheet.rowCells(1);
                     expected[size_t(c)] = text;
                     for (const QString& other :
                          {QString(), text, QString(" 7"), nines, QString("Name"), text}) {
                         sheet.setCell(1, c, other);
                         if (sheet.cell(1, c) != other)
                             out << other;
                     }
                     sheet.select(1, c, 1, c);
                     const QString clip = sheet.clip();
                     sheet.setClip(u"-4");
                     sheet.setClip(text);
                     if (clip != text || sheet.cell(1, c) != text ||
                         !(sheet.rowCells(1) == expected))
                         out << text;
                 }
             }},
            {"number",
             [&] {
                 for (QString text : tail(1).split(u'|')) {
                     const double value = CellNumber(text.replace("%9", QString(400, u'9')));
                     out << QStringLiteral("%1 %2 %3")
                                .arg(QString::number(value, 'g', QLocale::FloatingPointShortest),
                                     IsNumeric(text) ? "all" : "part",
                                     QString::number(RoundHalfEven(value)));
                 }
                 QCOMPARE(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), qint64(0));
             }},
            {"sort", [&] { sheet.sort(kinds.value(w[1])); }},
            {"after", [&] { edit(InsertUnitAfter); }},
            {"before", [&] { edit(InsertUnitBefore); }},
            {"delete", [&] { edit(DeleteUnit); }},
            {"?cursor",
             [&] {
                 out << QString::asprintf("%d,%d,%d,%d", sheet.row(), sheet.col(), sheet.rowSel(),
                                          sheet.colSel());
             }},
            {"?mark",
             [&] { out << QString::asprintf("%d,%d", sheet.markedRow(), sheet.markedCol()); }},
            {"?rows", [&] { out << QString::number(sheet.rows()); }},
            {"?cell", [&] { out << cell(n(1), n(2)); }},
            // The block's text has TAB between cells and CR between rows.
            {"?area",
             [&] {
                 sheet.select(1, 1, 3, 3);
                 out << sheet.clip().replace(u'\t', u',').replace(u'\r', u'/');
             }},
            {"?names",
             [&] {
                 QStringList names;
                 for (int r = 1; r < std::min(sheet.rows(), 13); ++r)
                     names << (cell(r, 1) == "I'm New" ? QString("+") : cell(r, 1).chopped(2));
                 out << names.join(u',');
             }},
            {"?moves", [&] { out << QString::number(moves.count()); }},
            {"?changes", [&] { out << QString::number(changes.count()); }},
            {"?sorts", [&] { out << QString::number(sorts.count()); }},
        };
        for (const QString& step : script.split(QStringLiteral("; "))) {
            w = step.split(u' ');
            QVERIFY2(steps.contains(w[0]), qPrintable(step));
            steps[w[0]]();
        }
        QTEST(out.join(u'|'), "expected");
        QVERIFY(sheet.rowCells(sheet.rows()) == Datasheet::Row()); // beyond the last row: empty
        if (!edited)
            return;
        // Numbers, descriptions and new cells of the units up to beyond 2,001.
        for (int r = 1; r < std::min(sheet.rows(), 2100); ++r) {
            const bool added = cell(r, 1) == "I'm New";
            QCOMPARE(cell(r, 0), QStringLiteral(" %1").arg(r - 1));
            QCOMPARE(descriptions.value(r - 1), added ? QString() : "d" + cell(r, 1).chopped(2));
            if (added) // zeros up to column 44, then empty
                QCOMPARE(cell(r, 2) + cell(r, 44) + cell(r, 45), QString("00"));
        }
        QCOMPARE(descriptions.size(), std::max(2001, sheet.rows() - 1));
    }
};

QTEST_GUILESS_MAIN(DatasheetTest)
#include "test_datasheet.moc"
