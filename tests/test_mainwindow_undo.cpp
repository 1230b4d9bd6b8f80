// The history of changes in the real editor window: every step undone and
// redone exactly, the steps' names in the Edit menu in three languages, the
// file counting as unchanged at the saved state, and Ctrl+Z in a field.
#include "datasheet/Datasheet.h"
#include "datasheet/ui/DatasheetView.h"
#include "formview/ui/FormView.h"
#include "shell/ui/FolderDialogs.h"
#include "support/EditorHarness.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
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

// Random user edits through the window's menus, buttons and keys.
class RandomEditor {
public:
    RandomEditor(EditorHarness& editor, quint32 seed) : editor_(editor), random_(seed) {}

    void edit() {
        using Step = void (RandomEditor::*)();
        static constexpr Step steps[] = {
            &RandomEditor::commitFormEdit,   &RandomEditor::commitFormEdit,
            &RandomEditor::pasteDescription, &RandomEditor::pasteBlock,
            &RandomEditor::pasteBlock,       &RandomEditor::sort,
            &RandomEditor::insertOrDelete,   &RandomEditor::insertOrDelete};
        (this->*steps[random_.bounded(8)])();
    }

private:
    Datasheet& sheet() { return editor_.window->state().datasheet; }
    int units() { return editor_.window->state().UnitCount(); }
    int anyRow() { return 1 + int(random_.bounded(units())); }

    QString anyValue() {
        static const char* const values[] = {" 7", "300", "-5", "a\tb", "", "Éclair", "12", "0"};
        return QString::fromUtf8(values[random_.bounded(8)]) + QString::number(random_.bounded(3));
    }

    void toForm() {
        editor_.showDatasheet();
        const int row = anyRow();
        sheet().select(row, 1, row, 1);
        QTest::keyClick(editor_.window->datasheetView(), Qt::Key_Return);
    }
    template <typename T> T* field(const char* name) {
        return editor_.window->formView()->findChild<T*>(QLatin1String(name));
    }
    // Next, Prev or the view toggle takes the form's edits in.
    void commitForm() {
        const char* const buttons[] = {"Command2", "Command1"};
        auto* button = field<QPushButton>(buttons[random_.bounded(2)]);
        if (button->isEnabled() && random_.bounded(3) > 0)
            button->click();
        else
            editor_.action("mnu_spread")->trigger();
    }

    void commitFormEdit() {
        toForm();
        const char* const boxes[] = {"Text3", "Text2", "Text4", "Text25", "Text25"};
        const char* box = boxes[random_.bounded(5)];
        if (box == boxes[0])
            field<QPlainTextEdit>(box)->setPlainText(anyValue() + "\nline");
        else
            field<QLineEdit>(box)->setText(anyValue());
        commitForm();
    }
    void pasteDescription() {
        toForm();
        editor_.action("mnu_copy")->trigger();
        field<QPushButton>(field<QPushButton>("Command2")->isEnabled() ? "Command2" : "Command1")
            ->click();
        editor_.action("mnu_paste")->trigger();
        commitForm();
    }
    void pasteBlock() {
        editor_.showDatasheet();
        // The names often, where a form edit may have left a TAB.
        const int row = anyRow(), col = random_.bounded(2) ? 1 : 1 + int(random_.bounded(73));
        const int rows = 1 + int(random_.bounded(4)), cols = 1 + int(random_.bounded(4));
        QStringList lines;
        for (int r = 0; r < rows; ++r) {
            QStringList cells;
            for (int c = 0; c < cols; ++c)
                cells.append(anyValue());
            lines.append(cells.join('\t'));
        }
        QGuiApplication::clipboard()->setText(lines.join(random_.bounded(2) ? "\r" : "\r\n"));
        sheet().select(row, col, std::min(row + int(random_.bounded(3)), units()),
                       std::min(col + int(random_.bounded(3)), 73));
        editor_.action("mnu_paste")->trigger();
    }
    void sort() {
        editor_.showDatasheet();
        const int row = anyRow();
        const int col = int(random_.bounded(6)) * 13 + 1; // 1 (names) ... 66, or whole rows
        sheet().select(row, col, row, col == 66 ? 73 : col);
        const Qt::KeyboardModifiers keys[] = {Qt::NoModifier, Qt::ShiftModifier,
                                              Qt::ControlModifier};
        editor_.rightClickGrid(keys[random_.bounded(3)]);
    }
    void insertOrDelete() {
        editor_.showDatasheet();
        const char* const items[] = {"mnu_ins_after", "mnu_ins_before", "del_unit"};
        QAction* item = editor_.action(items[random_.bounded(units() > 3 ? 3 : 2)]);
        const int row = anyRow();
        sheet().select(row, 2, row, 2);
        item->trigger(); // disabled after a sort that is not in unit-number order
    }

    EditorHarness& editor_;
    QRandomGenerator random_;
};

// Performs one word of a script on unit 3 (row 4) of the open editor:
// "paste" a new name, "300" into its attack, "sort" by class Z to A, "delete" it,
// "insert" after it, "form" (an attack typed into the form view) or
// "description" (the empty buffer pasted there), both not taken in yet,
// "save", "open", "undo" or "redo". Each word but those two starts from the datasheet.
void Perform(EditorHarness& editor, const QString& word, int& counter) {
    MainWindow& window = *editor.window;
    if (!window.datasheetShown())
        editor.showDatasheet();
    if (word == "paste" || word == "300") {
        QGuiApplication::clipboard()->setText(
            word == "300" ? word : QStringLiteral("name %1").arg(++counter));
        editor.clickCell(4, word == "300" ? 3 : 1);
        editor.action("mnu_paste")->trigger();
    } else if (word == "sort") {
        editor.clickCell(4, 2);
        editor.rightClickGrid(Qt::ShiftModifier);
    } else if (word == "delete" || word == "insert") {
        editor.clickCell(4, 1);
        editor.action(word == "delete" ? "del_unit" : "mnu_ins_after")->trigger();
    } else if (word == "form" || word == "description") {
        editor.clickCell(4, 1);
        QTest::keyClick(window.datasheetView(), Qt::Key_Return);
        if (word == "form")
            window.formView()->findChild<QLineEdit*>("Text4")->setText("77");
        else
            editor.action("mnu_paste")->trigger(); // the buffer: empty
    } else if (word == "save") {
        editor.action("mnu_save")->trigger();
    } else if (word == "open") {
        QVERIFY(editor.openDataFolder());
    } else {
        editor.action(word == "undo" ? "mnu_undo" : "mnu_redo")->trigger();
    }
}

} // namespace

class TestMainWindowUndo : public QObject {
    Q_OBJECT
    EditorHarness editor{24}; // one window for every test

private slots:
    void everyStepUndoesAndRedoesExactly() {
        QVERIFY(editor.reset(true));
        MainWindow& window = *editor.window;
        QUndoStack* history = window.undoStack();
        RandomEditor edits(editor, 20240611);
        // The units after every step, as it is added (a commit may add one
        // for values the form corrected before the edit's own).
        std::vector<QStringList> states{UnitsOf(window)};
        const auto recording =
            QObject::connect(history, &QUndoStack::indexChanged, history, [&](int index) {
                QCOMPARE(index, int(states.size()));
                states.push_back(UnitsOf(window));
            });
        int savedAt = -1;
        while (history->index() < 80) {
            if (history->index() >= 40 && savedAt < 0) {
                editor.action("mnu_save")->trigger(); // corrects what was pasted
                savedAt = history->index();
            } else {
                edits.edit();
            }
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

    void stepsAreNamedInTheirLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("undoText"); // after the step
        QTest::addColumn<QString>("redoText"); // after undoing it
        const auto row = [](const char* language, const char* script, const char* undo,
                            const char* redo) {
            QTest::addRow("%s %s", language, script)
                << QString::fromLatin1(language) << QString::fromLatin1(script)
                << QString::fromUtf8(undo) << QString::fromUtf8(redo);
        };
        row("uk", "paste", "&Undo Paste", "&Redo Paste");
        row("deu", "paste", "&Rückgängig: Einfügen", "&Wiederherstellen: Einfügen");
        row("fra", "paste", "A&nnuler : Coller", "Ré&tablir : Coller");
        row("uk", "delete", "&Undo Delete Unit 3", "&Redo Delete Unit 3");
        row("deu", "delete", "&Rückgängig: Einheit 3 löschen",
            "&Wiederherstellen: Einheit 3 löschen");
        row("fra", "insert", "A&nnuler : Insérer l'unité 4", "Ré&tablir : Insérer l'unité 4");
        row("uk", "sort", "&Undo Sort by Class", "&Redo Sort by Class");
        row("fra", "sort", "A&nnuler : Trier par Catégorie", "Ré&tablir : Trier par Catégorie");
        row("uk", "form", "&Undo Edit Unit 3", "&Redo Edit Unit 3");
        row("deu", "form", "&Rückgängig: Einheit 3 bearbeiten",
            "&Wiederherstellen: Einheit 3 bearbeiten");
        row("uk", "description", "&Undo Paste Description", "&Redo Paste Description");
        row("fra", "300 save", "A&nnuler : Corrections de la sauvegarde",
            "Ré&tablir : Corrections de la sauvegarde");
    }
    void stepsAreNamedInTheirLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, script);
        QFETCH(QString, undoText);
        QFETCH(QString, redoText);
        QVERIFY(editor.reset(true, language));
        MainWindow& window = *editor.window;
        QAction* undo = editor.action("mnu_undo");
        QAction* redo = editor.action("mnu_redo");
        const QString undoCaption = undo->text(), redoCaption = redo->text();
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        const QStringList before = UnitsOf(window);
        int counter = 0;
        for (const QString& word : script.split(' '))
            Perform(editor, word, counter);
        const bool inForm = !window.datasheetShown();
        if (inForm) {
            QCOMPARE(undo->text(), undoText); // the edits are not taken in yet
            QCOMPARE(redo->text(), redoCaption);
            window.formView()->findChild<QPushButton*>("Command2")->click();
            QVERIFY(UnitsOf(window) != before);
        }
        const bool saved = script.endsWith("save"); // 300 became 255
        if (saved)
            QVERIFY(!window.state().EquipmentChanged);
        QCOMPARE(undo->text(), undoText);
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(redo->text(), redoText);
        QVERIFY(redo->isEnabled());
        if (!saved)
            QCOMPARE(UnitsOf(window), before);
        // Inserting is offered again in unit-number order.
        QCOMPARE(editor.enabled("mnu_ins_after"), window.datasheetShown());
        // The unit it changed, in sight.
        QCOMPARE(inForm ? window.formView()->shownRow() : window.state().datasheet.row(), 4);
        redo->trigger();
        QCOMPARE(editor.enabled("mnu_ins_after"), window.datasheetShown() && script != "sort");
        QCOMPARE(undo->text(), undoText);
        QCOMPARE(redo->text(), redoCaption);
        QVERIFY(!redo->isEnabled());
        // Another language names the same step anew.
        window.state().LanguageCode = language == "uk" ? "deu" : "uk";
        window.ApplyLanguage();
        QVERIFY(undo->text() != undoText && undo->text() != undoCaption);
    }

    // After each word the flag that makes Open (and Exit) ask; Open at the end.
    void unchangedAtTheSavedState_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("changed");
        const char* const rows[][3] = {
            {"back to the opened file", "paste undo redo undo", "1 0 1 0"},
            {"back to the saved file", "paste save paste undo undo redo", "1 0 1 0 1 0"},
            {"a new order only", "sort paste undo", "0 1 0"},
            {"past the save, then a new step", "paste save undo paste undo redo", "1 0 1 1 1 1"},
            {"opening again empties the history", "paste open undo", "1 0 0"}};
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[1]) << QString::fromLatin1(row[2]);
    }
    void unchangedAtTheSavedState() {
        QFETCH(QString, script);
        QFETCH(QString, changed);
        QVERIFY(editor.reset(true));
        MainWindow& window = *editor.window;
        const QStringList words = script.split(' ');
        const QStringList flags = changed.split(' ');
        int counter = 0;
        for (qsizetype i = 0; i < words.size(); ++i) {
            Perform(editor, words[i], counter);
            QVERIFY2(window.state().EquipmentChanged == (flags[i] == "1"),
                     qPrintable(words.mid(0, i + 1).join(' ')));
        }
        if (words.last() == "open")
            QVERIFY(!editor.enabled("mnu_undo") && !editor.enabled("mnu_redo"));
        editor.dialogs.clear();
        editor.action("mnu_open")->trigger();
        QCOMPARE(editor.dialogs.asked.size(), flags.last() == "1" ? 1 : 0);
        QVERIFY(window.openDialog()->isVisible());
    }

    // In a field with typing to take back Ctrl+Z takes back the typing; then
    // the history. The form's Undo button only throws the form's edits away.
    void undoKeysInAField() {
        QVERIFY(editor.reset(true));
        MainWindow& window = *editor.window;
        const QString name = editor.cell(4, 1), attack = editor.cell(4, 3);
        QGuiApplication::clipboard()->setText("pasted");
        editor.clickCell(4, 1);
        editor.action("mnu_paste")->trigger();
        QTest::keyClick(window.datasheetView(), Qt::Key_Return);
        auto* box = window.formView()->findChild<QLineEdit*>("Text4");
        auto* nameBox = window.formView()->findChild<QLineEdit*>("Text2");
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, "9");
        QCOMPARE(box->text(), QStringLiteral("9"));
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->text(), attack);
        QCOMPARE(window.undoStack()->index(), 1);
        QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier); // the field's redo, on any system
        QCOMPARE(box->text(), QStringLiteral("9"));
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(box->text(), QStringLiteral("9"));

        window.formView()->findChild<QPushButton*>("Command3")->click();
        QCOMPARE(box->text(), attack);
        QCOMPARE(nameBox->text(), QStringLiteral("pasted"));
        QCOMPARE(window.undoStack()->index(), 1);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier); // nothing typed: the paste
        QCOMPARE(nameBox->text(), name);
        QCOMPARE(window.undoStack()->index(), 0);
        QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(nameBox->text(), QStringLiteral("pasted"));
        QVERIFY(!window.datasheetShown());
    }
};

QTEST_MAIN(TestMainWindowUndo)
#include "test_mainwindow_undo.moc"
