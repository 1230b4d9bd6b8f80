// The history of changes in the real editor window: every step undone and
// redone exactly, the steps' names in the Edit menu in three languages, the
// file counting as unchanged at the saved state, and Ctrl+Z in a field.
#include "datasheet/Datasheet.h"
#include "support/EditorHarness.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTest>
#include <QUndoStack>

using namespace quillon;
using quillon::testing::EditorHarness;

namespace {

// Everything a step may change: a line per unit in display order, then the
// descriptions; a comparison names the first line that differs.
QStringList UnitsOf(MainWindow& window) {
    const Datasheet& sheet = window.state().datasheet;
    QStringList lines;
    for (int row = 1; row < sheet.rows(); ++row) {
        QStringList cells;
        for (int col = 0; col < Datasheet::ColumnCount; ++col)
            cells.append(sheet.cell(row, col));
        lines.append(cells.join(u'|'));
    }
    return lines + window.state().LongDescriptions;
}

// A random user edit through the window's menus, buttons and keys, as a
// script: kind 0 and 1 edit the form and take it in with Next, Prev. or the
// view toggle, 2 pastes a description into the next unit, 3 and 4 paste a
// block (often on the names, where a form edit may have left a TAB), 5 sorts
// by a column or by whole rows, 6 and 7 insert or delete a unit after a
// sort by unit number.
QString RandomEdit(QRandomGenerator& random, int kind, int units) {
    const auto any = [&random](int count) { return int(random.bounded(count)); };
    const auto value = [&] {
        static const char* const values[] = {" 7", "300", "-5", "a\tb", "", "Éclair", "12", "0"};
        return QString::fromUtf8(values[any(8)]) + QString::number(any(3));
    };
    const int row = 1 + any(units);
    const QString unit = QStringLiteral("sheet|cell %1 1|Return|").arg(row);
    const QString commit = QStringList{"|click Command2", "|click Command1", "|mnu_spread"}[any(3)];
    if (kind < 2) {
        const char* const boxes[] = {"Text2", "Text4", "Text25", "Text25"};
        return unit +
               (any(5) == 0 ? "set Text3 " + value() + "\nline"
                            : "set " + QString::fromLatin1(boxes[any(4)]) + " " + value()) +
               commit;
    }
    if (kind == 2)
        return unit + "mnu_copy|click Command" + (row < units ? "2" : "1") + "|mnu_paste" + commit;
    if (kind < 5) {
        QStringList lines;
        for (int r = any(4); r >= 0; --r) {
            QStringList cells;
            for (int c = any(4); c >= 0; --c)
                cells.append(value());
            lines.append(cells.join(u'\t'));
        }
        const int col = any(2) ? 1 : 1 + any(73);
        return "sheet|clip " + lines.join(any(2) ? "\r" : "\r\n") +
               QStringLiteral("|cell %1 %2|shift %3 %4|mnu_paste")
                   .arg(row)
                   .arg(col)
                   .arg(std::min(row + any(3), units))
                   .arg(std::min(col + any(3), 73));
    }
    if (kind == 5) {
        const QString keys[] = {"sort", "sort shift", "sort ctrl"};
        const int col = 1 + 13 * any(6); // 1 (names) ... 53, or whole rows
        return QStringLiteral("sheet|") +
               (col == 66 ? QStringLiteral("number %1").arg(row)
                          : QStringLiteral("cell %1 %2").arg(row).arg(col)) +
               "|" + keys[any(3)];
    }
    // Offered only in unit-number order.
    const char* const items[] = {"mnu_ins_after", "mnu_ins_before", "del_unit"};
    return QStringLiteral("sheet|number %1|sort|cell %1 2|").arg(row) +
           items[any(units > 3 ? 3 : 2)];
}

// The scripts of words that act on unit 3 (row 4) of the open editor: "form"
// (an attack typed into the form view) and "description" (the empty buffer
// pasted there) leave the form's edit not taken in yet, "next" takes it in;
// # is a new number, and a language code chooses that language in the setup.
const QMap<QString, QString> Words = {{"paste", "sheet|clip name #|cell 4 1|mnu_paste"},
                                      {"300", "sheet|clip 300|cell 4 3|mnu_paste"},
                                      {"sort", "sheet|cell 4 2|sort shift"},
                                      {"delete", "sheet|cell 4 1|del_unit"},
                                      {"insert", "sheet|cell 4 1|mnu_ins_after"},
                                      {"form", "sheet|cell 4 1|Return|set Text4 77"},
                                      {"description", "sheet|cell 4 1|Return|mnu_paste"},
                                      {"save", "mnu_save"},
                                      {"open", "open"},
                                      {"undo", "mnu_undo"},
                                      {"redo", "mnu_redo"},
                                      {"next", "click Command2"},
                                      {"uk", "language 1"},
                                      {"deu", "language 2"},
                                      {"fra", "language 3"}};

} // namespace

class TestMainWindowUndo : public QObject {
    Q_OBJECT
    EditorHarness editor{24}; // one window for every test

private slots:
    void everyStepUndoesAndRedoesExactly() {
        QVERIFY(editor.reset(true));
        MainWindow& window = *editor.window;
        QUndoStack* history = window.undoStack();
        QRandomGenerator random(20240611);
        // The units after every step, as it is added (a commit may add one
        // for values the form corrected before the edit's own).
        std::vector<QStringList> states{UnitsOf(window)};
        const auto recording =
            QObject::connect(history, &QUndoStack::indexChanged, history, [&](int index) {
                QCOMPARE(index, int(states.size()));
                states.push_back(UnitsOf(window));
            });
        int savedAt = -1;
        for (int kind = 0; history->index() < 32; kind = (kind + 1) % 8) {
            if (history->index() >= 16 && savedAt < 0) {
                editor.action("mnu_save")->trigger(); // corrects what was pasted
                savedAt = history->index();
            }
            QVERIFY(editor.run(RandomEdit(random, kind, window.state().UnitCount())));
        }
        QObject::disconnect(recording);
        QVERIFY(window.state().EquipmentChanged);

        for (int step = int(states.size()) - 2; step >= 0; --step) {
            editor.action("mnu_undo")->trigger();
            QVERIFY2(UnitsOf(window) == states[size_t(step)],
                     qPrintable(QStringLiteral("undone to step %1").arg(step)));
            if (step == savedAt)
                QVERIFY(!window.state().EquipmentChanged);
        }
        QVERIFY(window.state().EquipmentChanged); // the opened file is not the saved one
        QVERIFY(!editor.enabled("mnu_undo"));
        for (size_t step = 1; step < states.size(); ++step)
            editor.action("mnu_redo")->trigger();
        QCOMPARE(UnitsOf(window), states.back());
        QVERIFY(!editor.enabled("mnu_redo"));
    }

    // Scripts of the words above in the first word's language, and after each
    // word the Undo and Redo items ('<' and '>' stand for the language's
    // captions, '*' for a changed file) or, after "=", the view: the step's
    // unit in sight, inserting offered in unit-number order, Open asking only
    // for a changed file.
    void history_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("seen");
        const QMap<QString, QStringList> captions = {
            {"uk", {"&Undo ", "&Redo "}},
            {"deu", {"&Rückgängig: ", "&Wiederherstellen: "}},
            {"fra", {"A&nnuler : ", "Ré&tablir : "}}};
        const char* const rows[][2] = {
            {"uk =undo paste undo redo undo mnu_open =",
             "- / -, <Paste / - *, - / >Paste, <Paste / - *, - / >Paste, - / >Paste, sheet 4/24 "
             "insert clip name 1 open dialog"},
            {"deu paste undo = redo = fra",
             "<Einfügen / - *, - / >Einfügen, sheet 4/24 insert clip name 0, <Einfügen / - *, "
             "sheet 4/24 changed insert clip name 0, A&nnuler : Coller / - *"},
            {"uk delete undo = redo = deu",
             "<Delete Unit 3 / - *, - / >Delete Unit 3, sheet 4/24 insert, <Delete Unit 3 / - *, "
             "sheet 4/23 changed insert, &Rückgängig: Einheit 3 löschen / - *"},
            {"fra insert undo = redo = deu",
             "<Insérer l'unité 4 / - *, - / >Insérer l'unité 4, sheet 4/24 insert, <Insérer "
             "l'unité 4 / - *, sheet 5/25 changed insert, &Rückgängig: Einheit 4 einfügen / - *"},
            {"uk sort undo = redo = fra",
             "<Sort by Class / -, - / >Sort by Class, sheet 4/24 insert, <Sort by Class / -, sheet "
             "4/24, A&nnuler : Trier par Catégorie / -"},
            {"uk form next undo = redo deu",
             "<Edit Unit 3 / -, <Edit Unit 3 / - *, - / >Edit Unit 3, form 4/24 toggle, <Edit Unit "
             "3 / - *, &Rückgängig: Einheit 3 bearbeiten / - *"},
            {"uk description next undo = redo fra",
             "<Paste Description / -, <Paste Description / - *, - / >Paste Description, form 4/24 "
             "toggle, <Paste Description / - *, A&nnuler : Coller la description / - *"},
            {"fra 300 save undo uk",
             "<Coller / - *, <Corrections de la sauvegarde / -, <Coller / >Corrections de la "
             "sauvegarde *, &Undo Paste / &Redo Corrections by Save *"},
            {"uk paste save paste undo undo redo",
             "<Paste / - *, <Corrections by Save / -, <Paste / - *, <Corrections by Save / >Paste, "
             "<Paste / >Corrections by Save *, <Corrections by Save / >Paste"},
            {"uk sort paste undo mnu_open =",
             "<Sort by Class / -, <Paste / - *, <Sort by Class / >Paste, <Sort by Class / >Paste, "
             "sheet 4/24 clip name 1 open dialog"},
            {"uk paste save undo paste undo redo",
             "<Paste / - *, <Corrections by Save / -, <Paste / >Corrections by Save *, <Paste / - "
             "*, <Paste / >Paste *, <Paste / - *"},
            {"uk paste open undo", "<Paste / - *, - / -, - / -"}};
        for (const auto& row : rows) {
            const QStringList& caption = captions[QString::fromLatin1(row[0]).section(u' ', 0, 0)];
            QTest::newRow(row[0])
                << QString::fromLatin1(row[0])
                << QString::fromUtf8(row[1]).replace(u'<', caption[0]).replace(u'>', caption[1]);
        }
    }
    void history() {
        QFETCH(QString, script);
        QStringList words = script.split(u' ');
        QVERIFY(editor.reset(true, words.takeFirst()));
        QGuiApplication::clipboard()->clear();
        QStringList seen;
        for (qsizetype n = 0; n < words.size(); ++n) {
            const QString& word = words[n];
            const QString said = QString(Words.value(word, word)).replace(u'#', QString::number(n));
            seen << editor.play(word.startsWith(u'=') ? said : said + "|=undo");
        }
        QTEST(seen.join(", "), "seen");
    }

    // In a field with typing to take back Ctrl+Z takes back the typing; then
    // the history. The form's Undo button only throws the form's edits away.
    void undoKeysInAField() {
        QVERIFY(editor.reset(true));
        const QStringList steps = {
            "clip pasted|cell 4 1|mnu_paste|Return|focus Text4|Home|Shift+End|9",
            "Ctrl+Z",
            "Ctrl+Y", // the field's redo, on any system
            "Ctrl+Shift+Z",
            "click Command3",
            "Ctrl+Z", // nothing typed: the paste
            "Ctrl+Y"};
        // After each step the name box, the attack box and the history.
        const QString look = "|=Text2|=Text4|=undo";
        QCOMPARE(editor.play(steps.join(look + "|") + look + "|="),
                 "[pasted]; [9]; &Undo Edit Unit 3 / - *; "
                 "[pasted]; [ 7]; &Undo Paste / - *; "
                 "[pasted]; [9]; &Undo Edit Unit 3 / - *; "
                 "[pasted]; [9]; &Undo Edit Unit 3 / - *; "
                 "[pasted]; [ 7]; &Undo Paste / - *; "
                 "[Recon Bikes G2]; [ 7]; - / &Redo Paste; "
                 "[pasted]; [ 7]; &Undo Paste / - *; "
                 "form 4/24 changed toggle clip pasted");
    }
};

QTEST_MAIN(TestMainWindowUndo)
#include "test_mainwindow_undo.moc"
