// End-to-end tests of what keys, the wheel and the clipboard may change in
// the real editor window: Alt keys and access keys, the unit number box, the
// current cell after whole-sheet operations, pasting, form edits at Save and
// Exit, Tab, held keys and the mouse wheel.
#include "datasheet/Datasheet.h"
#include "datasheet/ui/DatasheetView.h"
#include "shell/ui/FolderDialogs.h"
#include "support/EditorHarness.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using namespace quillon;
using quillon::testing::EditorHarness;

class TestMainWindowInput : public QObject {
    Q_OBJECT
    // One window for every test, over 40 units so that the grid scrolls.
    EditorHarness editor{40};

private slots:
    // Alt with a letter opens a menu or runs its command, and never types:
    // afterwards neither the field nor any unit number has changed.
    void keysChangeOnlyWhatTheyMean_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("opens"); // what a user sees afterwards
        // Language, field, keys split at ',', and what a user then sees.
        const QString rows =
            "uk Text5 Alt+F mnu_file|uk Text5 Alt+E mnu_edit|uk Text5 Alt+U mnu_setup|"
            "uk Text5 Alt+H mnu_help|uk Text5 Alt+T datasheet|uk Text5 Alt+S Form3|"
            "uk Text5 Alt+Q -|uk Combo12 Alt+X -|uk Text3 Alt+Z -|uk Text1 5,0 -|"
            "uk Text1 Backspace,Alt+S Form3|deu Text5 Alt+D mnu_file|deu Text5 Alt+B mnu_edit|"
            "deu Text5 Alt+A datasheet|deu Text5 Alt+T datasheet|deu Combo1 Alt+S Form3|"
            "fra Text5 Alt+F mnu_file|fra Text5 Alt+A mnu_help|fra Text5 Alt+P datasheet|"
            "fra Text22 Alt+T datasheet|fra Text5 Alt+S Form3";
        const QMap<QString, QString> seen = {{"-", "form 1/40 toggle"},
                                             {"datasheet", "sheet 1/40 insert"},
                                             {"Form3", "form 1/40 toggle setup"}};
        for (const QString& row : rows.split(u'|')) {
            const QStringList words = row.split(u' ');
            QTest::newRow(qPrintable(row))
                << words[0] << words[1] << QString(words[2]).replace(u',', u'|')
                << seen.value(words[3], "form 1/40 toggle menu " + words[3]);
        }
    }
    void keysChangeOnlyWhatTheyMean() {
        QFETCH(QString, code);
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QVERIFY(editor.reset(false, code));
        // The unit is committed as the user left it: its number never moves.
        const QString numbers = editor.play("=col 0");
        const QString look = "|=" + field + "|";
        const QStringList seen =
            editor.play("focus " + field + look + keys + look + "=|click Command2|=col 0")
                .split("; ");
        QCOMPARE(seen.value(1), seen[0]);
        QTEST(seen.value(2), "opens");
        QCOMPARE(seen.value(3), numbers);
    }

    // After each operation the current cell is a unit cell in view, the
    // highlighted block is the datasheet's block, and neither a paste nor a
    // copy reaches the headings or the unit numbers.
    void currentCellStaysOnUnits_data() {
        QTest::addColumn<QString>("script"); // from unit 24's row
        const char* const rows[][2] = {{"open again", "cell 25 3|open"},
                                       {"save", "cell 25 3|mnu_save"},
                                       {"sort by unit number", "number 25|sort"},
                                       {"sort by name", "cell 25 1|sort shift"},
                                       {"insert before", "cell 25 1|mnu_ins_before"},
                                       {"insert after", "cell 25 1|mnu_ins_after"},
                                       {"delete", "cell 25 3|del_unit"},
                                       {"language", "cell 25 3|language 3"},
                                       {"language, then sort", "cell 25 3|language 3|sort"}};
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[1]);
    }
    void currentCellStaysOnUnits() {
        QFETCH(QString, script);
        QVERIFY(editor.reset(true));
        MainWindow& window = *editor.window;
        const Datasheet& sheet = window.state().datasheet;
        QVERIFY(editor.run(script));
        QVERIFY(window.datasheetShown());
        if (script.contains(QLatin1String("mnu_ins"))) // the new unit is current
            QCOMPARE(sheet.cell(sheet.row(), 1), QStringLiteral("I'm New"));
        const int units = sheet.rows() - 1;
        const int top = std::min(sheet.row(), sheet.rowSel());
        const int bottom = std::max(sheet.row(), sheet.rowSel());
        const int left = std::min(sheet.col(), sheet.colSel());
        const int right = std::max(sheet.col(), sheet.colSel());
        QVERIFY2(
            top >= 1 && bottom <= units && left >= 1,
            qPrintable(QStringLiteral("%1,%2 .. %3,%4").arg(top).arg(left).arg(bottom).arg(right)));
        DatasheetView* view = window.datasheetView();
        QCOMPARE(view->currentIndex(), view->model()->index(sheet.row() - 1, sheet.col() - 1));
        QVERIFY(view->viewport()->rect().intersects(view->visualRect(view->currentIndex())));
        QCOMPARE(view->selectionModel()->selection(),
                 QItemSelection(view->model()->index(top - 1, left - 1),
                                view->model()->index(bottom - 1, right - 1)));

        const Datasheet::Row headings = sheet.rowCells(0);
        const QStringList numbers = editor.column(0);
        editor.action("mnu_copy")->trigger();
        QVERIFY(!QGuiApplication::clipboard()->text().contains(headings[1]));
        QGuiApplication::clipboard()->setText(QStringLiteral("X\tY\rZ\tW"));
        editor.action("mnu_paste")->trigger();
        QCOMPARE(sheet.rowCells(0), headings);
        QCOMPARE(editor.column(0), numbers);
        QCOMPARE(sheet.cell(top, left), QStringLiteral("X"));
    }

    // Copy (Ctrl+C on the grid) then paste of random blocks, empty cells
    // included (a single column whose last cell is empty ends in the row
    // separator): the block arrives whole and nothing else changes.
    void copyThenPasteGivesTheSameBlock() {
        QVERIFY(editor.reset(true));
        Datasheet& sheet = editor.window->state().datasheet;
        const int units = sheet.rows() - 1;
        QRandomGenerator random(20240611);
        for (int round = 0; round < 40; ++round) {
            const int height = 1 + int(random.bounded(4));
            const int width = round % 3 == 0 ? 1 : 1 + int(random.bounded(5));
            const int top = 1 + int(random.bounded(units - height + 1));
            const int left = 1 + int(random.bounded(73 - width + 1));
            for (int cells = int(random.bounded(3)); cells >= 0; --cells)
                sheet.setCell(top + int(random.bounded(height)), left + int(random.bounded(width)),
                              QString());
            if (round % 2 == 0)
                sheet.setCell(top + height - 1, left + width - 1, QString());
            sheet.select(top, left, top + height - 1, left + width - 1);
            QTest::keyClick(editor.window->datasheetView(), Qt::Key_C, Qt::ControlModifier);

            std::vector<Datasheet::Row> expected;
            for (int row = 1; row < sheet.rows(); ++row)
                expected.push_back(sheet.rowCells(row));
            const int toTop = 1 + int(random.bounded(units - height + 1));
            const int toLeft = 1 + int(random.bounded(73 - width + 1));
            for (int r = 0; r < height; ++r)
                for (int c = 0; c < width; ++c)
                    expected[size_t(toTop + r - 1)][size_t(toLeft + c)] =
                        sheet.cell(top + r, left + c);
            sheet.select(toTop + height - 1, toLeft + width - 1, toTop, toLeft);
            editor.action("mnu_paste")->trigger();
            for (int row = 1; row < sheet.rows(); ++row)
                QVERIFY2(sheet.rowCells(row) == expected[size_t(row - 1)],
                         qPrintable(QStringLiteral("round %1, row %2").arg(round).arg(row)));
        }
    }

    // Tab walks the form from the top left to the bottom right, through the
    // long description without typing into it.
    void tabFollowsTheForm() {
        QVERIFY(editor.reset());
        // On the second unit, so that Prev. Unit takes the focus too.
        const QString description = editor.play("click Command2|focus Text2|=Text3");
        QString expected = "Text2 Combo12";
        for (int t = 4; t <= 23; ++t)
            expected += QStringLiteral(" Text%1").arg(t);
        // Qt leaves the group after its first button.
        expected +=
            " Option1 Combo8 Combo9 Combo10 Text24 Text25 Text26 Combo1 Combo2 Combo3 Combo4";
        for (int i = 0; i < 32; ++i)
            expected += QStringLiteral(" Check1_%1").arg(i);
        expected += " Text3 Command1 Command2 Text28 Command9 Command7 Text27 Command8 Combo5 "
                    "Command4 Combo6 Command5 Combo7 Command6";
        QStringList walked = {QApplication::focusWidget()->objectName()};
        while (walked.size() <= expected.count(u' ')) {
            QVERIFY(editor.run(QStringLiteral("Tab")));
            walked << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(walked.join(u' '), expected);
        QCOMPARE(editor.play("=Text3"), description);
    }

    // A held key (autorepeat) acts only on the button it was pressed on, and
    // the wheel changes a list only while the list has the focus.
    void heldKeyAndWheelActOnlyWhereFocused_data() {
        QTest::addColumn<QString>("script"); // on the form
        QTest::addColumn<QString>("seen");
        const QString next = "click Command2|";
        QTest::newRow("prev. unit stops at the first")
            << next.repeated(2) + "focus Command1|hold Command1 6"
            << "form 1/40 toggle";
        QTest::newRow("next unit stops at the last")
            << next.repeated(36) + "focus Command2|hold Command2 6"
            << "form 40/40 toggle";
        QTest::newRow("> browses icons") << "set Text27 5|focus Command8|hold Command8 3|=Text27"
                                         << "[9]";
        for (const char* list : {"Combo12", "Combo2", "Combo6"})
            QTest::addRow("wheel: %s, not focused", list)
                << QStringLiteral("set %1 1|focus Text2|wheel %1|=%1").arg(list) << "[1]";
        QTest::newRow("wheel: class, focused")
            << "set Combo12 1|focus Combo12|wheel Combo12|=Combo12"
            << "[2]";
    }
    void heldKeyAndWheelActOnlyWhereFocused() {
        QFETCH(QString, script);
        QVERIFY(editor.reset());
        QTEST(editor.play(script), "seen");
    }

    // At the default size nothing is cut that has room: the nation names
    // beside their flags, the headings in their columns (their tooltips give
    // them whole all the same), and a width the user dragged outlives a load.
    void textsShowWhole_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("tip"); // the datasheet's, as it starts
        const char* const rows[][3] = {{"English", "uk", "LEFT CLICK a cell an"},
                                       {"German", "deu", "Mit einem linken Mau"},
                                       {"French", "fra", "CLIQUEZ DU BOUTON GA"}};
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[1]) << QString::fromLatin1(row[2]);
    }
    void textsShowWhole() {
        QFETCH(QString, code);
        QVERIFY(editor.reset(false, code));
        MainWindow& window = *editor.window;
        window.resize(1280, 800);
        for (int i = 0; i < 31; ++i) {
            auto* name = window.findChild<QLabel*>(QStringLiteral("NationName_%1").arg(i));
            QCOMPARE(name->text(), name->toolTip());
        }
        editor.showDatasheet();
        DatasheetView* view = window.datasheetView();
        QHeaderView* header = view->horizontalHeader();
        const Datasheet& sheet = window.state().datasheet;
        QVERIFY(view->verticalHeader()->width() >
                header->fontMetrics().horizontalAdvance(sheet.cell(0, 0)));
        for (int col = 1; col < Datasheet::ColumnCount; ++col) {
            const QString heading = sheet.cell(0, col);
            QVERIFY2(header->fontMetrics().horizontalAdvance(heading) <
                         header->sectionSize(col - 1),
                     qPrintable(heading));
            QCOMPARE(view->model()->headerData(col - 1, Qt::Horizontal, Qt::ToolTipRole).toString(),
                     heading);
        }
        const int edge = header->sectionViewportPosition(3) + header->sectionSize(3) - 1;
        const int wanted = header->sectionSize(3) + 90;
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(edge, 5));
        QTest::mouseMove(header->viewport(), QPoint(edge + 90, 5));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(edge + 90, 5));
        QCOMPARE(header->sectionSize(3), wanted);
        // F2 turns the tooltips off; loading applies the language again and keeps them off.
        const QString tip = view->toolTip();
        QTEST(tip.left(20), "tip");
        editor.action("mnu_tips")->trigger();
        QVERIFY(!view->model()->headerData(3, Qt::Horizontal, Qt::ToolTipRole).isValid());
        QVERIFY(window.openDialog()->confirmButton()->toolTip().isEmpty());
        QVERIFY(editor.openDataFolder());
        QCOMPARE(header->sectionSize(3), wanted);
        QVERIFY(view->toolTip().isEmpty());
        editor.action("mnu_tips")->trigger();
        QCOMPARE(view->toolTip(), tip);
        // Every item of a menu has an access key of its own.
        for (const QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
            QStringList keys;
            for (const QAction* item : menu->actions())
                if (!item->isSeparator())
                    keys << QKeySequence::mnemonic(item->text()).toString();
            QVERIFY2(!keys.contains("") && keys.removeDuplicates() == 0,
                     qPrintable(keys.join(' ')));
        }
    }
};

QTEST_MAIN(TestMainWindowInput)
#include "test_mainwindow_input.moc"
