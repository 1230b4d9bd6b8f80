// The form view end to end on a generated game folder: showing a unit,
// the field rules, commit, undo and navigation, icons and sounds, and the
// how-to (F1) and About (Ctrl+F1) windows it keeps for the main window.
#include "datasheet/CellNumber.h"
#include "equipment/EquipmentFiles.h"
#include "equipment/RecordCodec.h"
#include "formview/ui/AboutWindow.h"
#include "formview/ui/FormView.h"
#include "formview/ui/HowToWindow.h"
#include "platform/Files.h"
#include "samplegame/SampleGame.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"
#include "support/CoreTestSupport.h"
#include "support/RecordingDialogs.h"
#include "support/SilentWavePlayer.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using namespace quillon;

namespace {

constexpr int Units = 40;
constexpr int Icons = 600;

// How a numeric box holds its value: only the upper limit, also 0 or below
// to "0", or (the icon) anything outside 0..upper to "0".
enum class Lower { None, Zero, Icon };
struct NumericBox {
    const char* name;
    int column;
    int upper;
    Lower lower;
};
const NumericBox NumericBoxes[] = {
    {"Text4", 3, 255, Lower::None},   {"Text5", 4, 255, Lower::None},
    {"Text6", 5, 255, Lower::None},   {"Text7", 6, 255, Lower::None},
    {"Text8", 7, 255, Lower::None},   {"Text9", 8, 255, Lower::None},
    {"Text10", 9, 255, Lower::None},  {"Text11", 10, 255, Lower::None},
    {"Text12", 11, 255, Lower::None}, {"Text13", 12, 255, Lower::None},
    {"Text15", 14, 255, Lower::None}, {"Text14", 16, 255, Lower::None},
    {"Text17", 17, 255, Lower::None}, {"Text18", 18, 255, Lower::None},
    {"Text16", 21, 31, Lower::None},  {"Text22", 22, 255, Lower::None},
    {"Text21", 23, 255, Lower::None}, {"Text20", 24, 15, Lower::None},
    {"Text19", 26, 255, Lower::Zero}, {"Text24", 29, 12, Lower::Zero},
    {"Text25", 30, 99, Lower::Zero},  {"Text26", 31, 99, Lower::Zero},
    {"Text23", 33, 255, Lower::None}, {"Text27", 27, Icons - 1, Lower::Icon},
};

// What the record stores of a committed box text: a number rounded half to
// even and clamped to the box's range, anything else 0.
int StoredValue(const QString& text, int upper) {
    bool number = false;
    const double value = text.toDouble(&number);
    return number ? int(std::nearbyint(std::clamp(value, 0.0, double(upper)))) : 0;
}

} // namespace

class FormViewTest : public QObject {
    Q_OBJECT
    // One game and one form for every test; init() puts the units back.
    QTemporaryDir dir;
    EditorState state;
    gamedata::Graphics graphics; // as loaded
    QStringList descriptions;
    testing::RecordingDialogs dialogs;
    testing::SilentWavePlayer player;
    std::unique_ptr<FormView> form;

    template <typename T> T* control(const QString& name) const {
        T* widget = form->findChild<T*>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QLineEdit* box(const QString& name) const { return control<QLineEdit>(name); }
    void click(const char* name) const { control<QPushButton>(QLatin1String(name))->click(); }
    bool undoEnabled() const {
        return control<QPushButton>(QStringLiteral("Command3"))->isEnabled();
    }
    QString cell(int row, int col) const { return state.datasheet.cell(row, col); }

    // What a control shows: boxes their text, lists their index, check boxes
    // "1"/"0", the target type the checked option.
    QString shown(const QString& name) const {
        QWidget* widget = form->findChild<QWidget*>(name);
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            return box->text();
        if (auto* list = qobject_cast<QComboBox*>(widget))
            return QString::number(list->currentIndex());
        if (auto* check = qobject_cast<QCheckBox*>(widget))
            return check->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        for (int i = 1; i <= 5; ++i)
            if (control<QRadioButton>(QStringLiteral("Option%1").arg(i))->isChecked())
                return QString::number(i - 1);
        return QStringLiteral("none");
    }
    void type(const QString& name, const QString& keys) const {
        box(name)->selectAll();
        QTest::keyClicks(box(name), keys);
    }
    int rowOfUnit(int number) const {
        for (int row = 1; row < state.datasheet.rows(); ++row)
            if (CellNumber(cell(row, 0)) == number)
                return row;
        return -1;
    }

private slots:
    void initTestCase() {
        const QString game = dir.filePath(QStringLiteral("game"));
        QVERIFY(samplegame::WriteSampleGame(game, {Units, Icons, 4, 7}));
        QDir(dir.path()).mkpath(QStringLiteral("program"));
        state.ProgramFolder =
            platform::withTrailingSeparator(dir.filePath(QStringLiteral("program")));
        state.GameFolder = platform::withTrailingSeparator(game);
        state.LanguageCode = QStringLiteral("uk");
        CheckGameFolder(state);
        state.FileLoaded = true;
        graphics = state.graphics;
        descriptions = state.LongDescriptions;
        form = std::make_unique<FormView>(state, dialogs, player);
    }
    void init() {
        if (state.LanguageCode != QLatin1String("uk")) {
            state.LanguageCode = QStringLiteral("uk");
            form->applyLanguage();
        }
        QVERIFY(LoadEquipmentFiles(state.DataFolder, state.datasheet, state.language()).ok);
        state.graphics = graphics;
        state.LongDescriptions = descriptions;
        state.EquipmentChanged = false;
        dialogs.clear();
        player.calls.clear();
        form->showFromDatasheet(1);
        form->setUndoEnabled(false);
    }

    // Each field shows its cell; a commit of the untouched unit changes no
    // cell, even where the form shows the value otherwise (without its
    // blank, corrected, rounded, a clear box for a nation cell of 2, no
    // entry), and leaves a cell changed in the grid meanwhile alone.
    void showsAndWritesBackEachCell_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("cellText");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* tag, int column, const char* cellText, const char* control,
                            const char* expected) {
            QTest::newRow(tag) << column << QString::fromUtf8(cellText)
                               << QString::fromLatin1(control) << QString::fromUtf8(expected);
        };
        row("unit number normalised", 0, " 2", "Text1", "2");
        row("name keeps its blanks", 1, "Panzer  ", "Text2", "Panzer  ");
        row("movement above 31", 21, "40", "Text16", "31");
        row("class", 2, " 3", "Combo12", "3");
        row("class half to even, down", 2, "2.5", "Combo12", "2");
        row("move medium", 19, " 1", "Combo8", "1");
        row("move method half to even, up", 20, "3.5", "Combo9", "4");
        row("class without entry", 2, "999", "Combo12", "-1");
        row("transport", 32, " 2", "Combo10", "2");
        row("special negative", 66, "-1", "Combo1", "-1");
        row("special 4", 69, " 6", "Combo4", "6");
        row("target type", 13, " 2", "target", "2");
        row("target type 7 keeps the option", 13, "7", "target", "0");
        row("nation with blank", 34, " 1", "Check1_0", "1");
        row("nation with trailing blank", 40, "1 ", "Check1_6", "1");
        row("nation 01", 41, "01", "Check1_7", "0");
        row("nation 2", 65, "2", "Check1_31", "0");
        row("icon 4.5 kept", 27, "4.5", "Text27", "4.5");
        row("sound with the loader's blank", 71, " 1001", "Combo6", "2");
        row("sound with an upper-case extension", 71, "1004", "Combo6", "5");
        row("sound of two digits", 71, "12", "Combo6", "0");
        row("no sound: the entry's text", 71, "", "Combo6", "0");
        row("no such sound", 71, " 12", "Combo6", "0");
        row("a column without a field", 15, " 7", "Text1", "1");
    }
    void showsAndWritesBackEachCell() {
        QFETCH(int, column);
        QFETCH(QString, cellText);
        QFETCH(QString, control);
        form->reloadReferenceData(); // rebuilt, not appended; what the unit shows stays
        QVERIFY(!undoEnabled());
        Datasheet& sheet = state.datasheet;
        sheet.setCell(1, 13, QStringLiteral(" 0")); // the option before row 2
        form->ShowUnitInForm(1);
        sheet.setCell(2, column, cellText);
        form->ShowUnitInForm(2);
        QTEST(shown(control), "expected");
        QCOMPARE(form->shownRow(), 2);
        QCOMPARE(sheet.col(), 0);

        Datasheet::Row expected = sheet.rowCells(2);
        sheet.setCell(2, 73, QStringLiteral("4 5 6"));
        expected[73] = QStringLiteral("4 5 6");
        form->CommitFormToGrid();
        QVERIFY(sheet.rowCells(2) == expected);
        QVERIFY(!state.EquipmentChanged);
    }

    // Every numeric box: shown from its cell, then a value put in (as a
    // paste would) at and beyond each end, half-way, and not a number; what
    // the box keeps, what the commit writes and what the record then stores.
    void numericBoxes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("upper");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        for (const NumericBox& b : NumericBoxes) {
            const QString upper = QString::number(b.upper);
            const QString beyond = QString::number(b.upper + 1);
            const QString zeroed = b.lower == Lower::Zero ? QStringLiteral("0") : QString();
            const QString clamped = b.lower == Lower::Icon ? QStringLiteral("0") : upper;
            const QString halfUp = b.upper < 14 ? upper : QStringLiteral("13.5");
            const std::pair<QString, QString> values[] = {
                {"0", "0"},
                {"-1", b.lower == Lower::None ? "-1" : "0"},
                {"-0.5", b.lower == Lower::None ? "-0.5" : "0"},
                {"0.5", "0.5"},
                {upper, upper},
                {beyond, clamped},
                {upper + ".5", clamped},
                {"13.5", halfUp},
                {"2.5", "2.5"},
                {"", zeroed},
                {"12abc", "12abc"},
            };
            for (const auto& [typed, kept] : values)
                QTest::addRow("%s '%s'", b.name, qPrintable(typed))
                    << QString::fromLatin1(b.name) << b.column << b.upper << typed << kept;
        }
    }
    void numericBoxes() {
        QFETCH(QString, name);
        QFETCH(int, column);
        QFETCH(int, upper);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        Datasheet& sheet = state.datasheet;
        sheet.setCell(2, column, QStringLiteral(" 7"));
        form->ShowUnitInForm(2);
        QLineEdit* field = box(name);
        QCOMPARE(field->text(), QStringLiteral(" 7"));
        field->selectAll();
        field->insert(typed);
        QCOMPARE(field->text(), kept);
        QVERIFY(undoEnabled());
        form->CommitFormToGrid();
        QCOMPARE(sheet.cell(2, column), kept);
        const EquipmentRecord record = RowToRecord(sheet, 2);
        const int offset = column <= 26 ? column - 2 : column == 27 ? 25 : column;
        const int stored =
            column == 27 ? record.bytes[25] | record.bytes[26] << 8 : record.bytes[size_t(offset)];
        QCOMPARE(stored, StoredValue(kept, upper));
    }

    // A value typed into a box, then the button beside it: the icon
    // buttons step within the icons there are, Select keeps to the unit
    // numbers there are. Rows in any order will do.
    void buttonBesideABox_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("boxAfter");
        QTest::addColumn<int>("unit"); // the unit shown afterwards; -1 the one before
        const auto row = [](const char* tag, const char* name, const char* typed,
                            const char* button, const QString& boxAfter, int unit) {
            QTest::newRow(tag) << QString::fromLatin1(name) << QString::fromLatin1(typed)
                               << QString::fromLatin1(button) << boxAfter << unit;
        };
        row("< steps down", "Text27", "5", "Command7", "4", -1);
        row("> steps up", "Text27", "5", "Command8", "6", -1);
        row("< at 0 does nothing", "Text27", "0", "Command7", "0", -1);
        row("> at 599 does nothing", "Text27", "599", "Command8", "599", -1);
        row("select beyond the last", "Text28", "3000", "Command9",
            QStringLiteral(" %1").arg(Units - 1), Units - 1);
        row("select negative", "Text28", "-3", "Command9", "0", 0);
        row("select inside", "Text28", "17", "Command9", "17", 17);
        row("select no such unit", "Text28", "3.5", "Command9", "3.5", -1);
    }
    void buttonBesideABox() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(int, unit);
        state.datasheet.sort(Datasheet::TextDescending);
        form->showFromDatasheet(4);
        type(name, typed);
        control<QPushButton>(button)->click();
        QTEST(box(name)->text(), "boxAfter");
        const int row = unit < 0 ? 4 : rowOfUnit(unit);
        QCOMPARE(form->shownRow(), row);
        QCOMPARE(control<QPushButton>(QStringLiteral("Command1"))->isEnabled(), row != 1);
    }

    void iconPictureFollowsTheBox() {
        const QString shp = platform::findNoCase(state.DataFolder, QStringLiteral("shp.pfp"));
        const QByteArray icons = testing::Bytes(shp);
        const auto restore = qScopeGuard([&] { platform::writeWholeFile(shp, icons); });
        auto* picture = control<QLabel>(QStringLiteral("Picture1"));
        type(QStringLiteral("Text27"), QStringLiteral("5.5"));
        QVERIFY(!picture->pixmap().isNull());
        QCOMPARE(picture->toolTip(), QStringLiteral("Icon number: 6"));
        type(QStringLiteral("Text27"), QStringLiteral("2.5"));
        QCOMPARE(picture->toolTip(), QStringLiteral("Icon number: 2"));

        state.graphics.IconStart[3] = 0; // the start of the container is no image
        type(QStringLiteral("Text27"), QStringLiteral("3"));
        QCOMPARE(picture->palette().color(QPalette::Window), QColor(255, 128, 128));
        QCOMPARE(picture->toolTip(), QStringLiteral("This picture is invalid. There is a "
                                                    "graphical error in the file."));
        QVERIFY(picture->pixmap().isNull());
        type(QStringLiteral("Text27"), QStringLiteral("2"));
        QVERIFY(picture->palette().color(QPalette::Window) != QColor(255, 128, 128));

        // An icon far larger than its box costs no more than the box.
        QByteArray rows;
        for (int y = 0; y < 300; ++y)
            rows += QByteArray("\x01\xff\x01\xff\x01\xff\xfe\x07\0", 9);
        state.graphics.IconStart[7] = icons.size();
        QVERIFY(
            platform::writeWholeFile(shp, icons + testing::ImageBytes(0, 0, 999, 299, rows, 1000)));
        type(QStringLiteral("Text27"), QStringLiteral("7"));
        QVERIFY(!picture->pixmap().isNull());
        QVERIFY(picture->pixmap().width() <= picture->width() &&
                picture->pixmap().height() <= picture->height());

        QFile::remove(shp);
        type(QStringLiteral("Text27"), QStringLiteral("4"));
        QCOMPARE(dialogs.informed.size(), 1);
        QVERIFY(dialogs.informed[0].contains(QStringLiteral("shp.pfp")));
    }

    // After an edit: Next commits, Undo restores, Select discards.
    void leavingAnEdit_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("committed");
        QTest::addColumn<int>("unitShown");
        QTest::newRow("next") << 1 << QStringLiteral("Command2") << true << 1;
        QTest::newRow("next on the last row stays")
            << Units << QStringLiteral("Command2") << true << Units - 1;
        QTest::newRow("undo") << 1 << QStringLiteral("Command3") << false << 0;
        QTest::newRow("select unit 5") << 1 << QStringLiteral("Command9") << false << 5;
    }
    void leavingAnEdit() {
        QFETCH(int, row);
        QFETCH(QString, button);
        QFETCH(bool, committed);
        QFETCH(int, unitShown);
        form->showFromDatasheet(row);
        form->setNextEnabled(true); // as after opening a file of one unit
        const QStringList before{cell(row, 1), cell(row, 3)};
        QGuiApplication::clipboard()->setText(QStringLiteral("block"));
        type(QStringLiteral("Text2"), QStringLiteral("Tiger 2"));
        type(QStringLiteral("Text4"), QStringLiteral("77"));
        type(QStringLiteral("Text28"), QStringLiteral("5"));
        control<QPushButton>(button)->click();
        const QStringList after{cell(row, 1), cell(row, 3)};
        QCOMPARE(after, committed ? QStringList({"Tiger 2", "77"}) : before);
        QCOMPARE(state.EquipmentChanged, committed);
        const int shown = rowOfUnit(unitShown);
        QCOMPARE(form->shownRow(), shown);
        QCOMPARE(box(QStringLiteral("Text4"))->text(), cell(shown, 3));
        if (button != QLatin1String("Command9"))
            QVERIFY(!undoEnabled());
        QCOMPARE(control<QPushButton>(QStringLiteral("Command2"))->isEnabled(), shown != Units);
        if (committed) // a commit ends any block copy
            QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    }

    void nationBoxesTurnOrangeWhileOneHasTheFocus() {
        form->resize(1280, 800);
        // Plainly orange: most of the box's place beside its flag, not an outline.
        auto orange = [&](int i) {
            auto* box = control<QCheckBox>(QStringLiteral("Check1_%1").arg(i));
            const QImage shown = box->parentWidget()->grab().toImage();
            int count = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    count += shown.pixelColor(x, y) == QColor(255, 128, 0);
            return count * 2 > shown.width() * shown.height();
        };
        QVERIFY(!orange(0));
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(control<QCheckBox>(QStringLiteral("Check1_3")), &in);
        QVERIFY(orange(0));
        QVERIFY(orange(30));
        QVERIFY(!orange(31)); // "Unused" never changes
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(control<QCheckBox>(QStringLiteral("Check1_3")), &out);
        QVERIFY(!orange(0));
    }

    void descriptionIsShownAndStoredAsOneLine() {
        auto* text = control<QPlainTextEdit>(QStringLiteral("Text3"));
        const int number = int(CellNumber(cell(1, 0)));
        QCOMPARE(text->toPlainText(), state.LongDescriptions.at(number));
        text->setFocus();
        text->selectAll();
        QTest::keyClicks(text, QStringLiteral("first"));
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral("second"));
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral("third"));
        form->CommitFormToGrid();
        QCOMPARE(state.LongDescriptions.at(number), QStringLiteral("first second third"));
        // A description nobody edits survives a commit unchanged, no-break spaces included.
        const QString french = QStringLiteral("Char lourd\u00a0: 45\u00a0t.");
        state.LongDescriptions[number] = french;
        form->ShowUnitInForm(1);
        form->CommitFormToGrid();
        QCOMPARE(state.LongDescriptions.at(number), french);
        // A unit number beyond the table grows it; a negative one shows none.
        state.datasheet.setCell(1, 0, QStringLiteral("2500"));
        form->CommitFormToGrid();
        QCOMPARE(state.LongDescriptions.value(2500), french);
        state.datasheet.setCell(3, 0, QStringLiteral("-4"));
        form->ShowUnitInForm(3);
        QVERIFY(text->toPlainText().isEmpty());
    }

    void playWritesTheWaveFileAndPlaysIt() {
        const QString wave = state.ProgramFolder + QStringLiteral("test.wav");
        auto* list = control<QComboBox>(QStringLiteral("Combo5"));
        QStringList sounds; // 12.mel is no sound
        for (int i = 0; i < list->count(); ++i)
            sounds.append(list->itemText(i));
        QCOMPARE(sounds, QString("None 1000.mel 1001.mel 1002.mel 1003.mel 1004.MEL").split(' '));
        list->setCurrentText(QStringLiteral("1002.mel"));
        click("Command4");
        QCOMPARE(player.calls,
                 (QStringList{QStringLiteral("stop"), QStringLiteral("play ") + wave}));
        // The sound's data behind a wave header (its bytes are the sound tests').
        const QByteArray sound =
            *platform::readWholeFile(state.SoundFolder + QStringLiteral("1002.mel"));
        const QByteArray written = *platform::readWholeFile(wave);
        QCOMPARE(written.left(4), QByteArray("RIFF"));
        QCOMPARE(written.mid(44), sound.mid(24));
        QVERIFY(dialogs.informed.isEmpty());

        player.calls.clear();
        list->setCurrentIndex(0); // "None"
        click("Command4");
        QVERIFY(player.calls.isEmpty());
        QVERIFY(dialogs.informed.isEmpty());

        // A missing sound file is reported and the player left as it was.
        const QString missing = state.SoundFolder + QStringLiteral("1003.mel");
        const QByteArray kept = testing::Bytes(missing);
        const auto restore = qScopeGuard([&] { platform::writeWholeFile(missing, kept); });
        QVERIFY(QFile::remove(missing));
        list->setCurrentText(QStringLiteral("1003.mel"));
        click("Command4");
        QVERIFY(player.calls.isEmpty());
        QCOMPARE(dialogs.informed,
                 QStringList{"I cannot find the file: " + missing +
                             "\r\nThis file should be located in Korvath's 'BNK' folder.\r\n"
                             "Check the foldersettings for this program, and make sure that the "
                             "game is correctly located."});
    }

    // The how-to window (F1) and the About window (Ctrl+F1) in each language.
    // OK hides the how-to window and discards the About window, which comes
    // back with its first texts until a language is applied.
    void helpWindows_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("howToTitle");
        QTest::addColumn<QString>("howTo"); // its first line
        QTest::addColumn<QString>("aboutTitle");
        QTest::addColumn<QString>("about"); // a part with the editor's name twice
        const auto row = [](const char* tag, const char* code, const char* howToTitle,
                            const char* howTo, const char* aboutTitle, const char* about) {
            QTest::newRow(tag) << QString::fromLatin1(code) << QString::fromUtf8(howToTitle)
                               << QString::fromUtf8(howTo) << QString::fromUtf8(aboutTitle)
                               << QString::fromUtf8(about);
        };
        row("English", "uk", "Quillon - How To...",
            "You can leave this Form open at any time, when running the Editor. This form is "
            "shown by pressing the 'F1' key.",
            "About Quillon",
            "You can copy from the the Quillon to MS Excel, modify the data, and then paste it "
            "back to the Quillon.  You can also");
        row("German", "deu", "QuillonWie kann ich...",
            "Sie können dieses Fenster jederzeit verlassen, wenn Sie den Editor benutzen. Dieses "
            "Fenster wird durch Dücken der 'F1'-Taste angezeigt.",
            "Über Quillon",
            "Zusätzlich können Sie Daten von Quillon nach MS-Excel kopieren, dort verändern und "
            "dann wieder in Quillon einfügen. Sie");
        row("French", "fra", "Quillon - Comment faire pour...",
            "Vous pouvez laisser cette Form ouverte à tout moment, quand vous vous servez de l' "
            "Editeur. Cette form est affichée quand on presse la touche  'F1'.",
            "A propos de Quillon",
            "Vous pouvez copier depuis le Quillon vers MS Excel, modifier les données, et le "
            "coller en retour vers Quillon.  Plus");
    }
    void helpWindows() {
        QFETCH(QString, about);
        QFETCH(QString, code);
        state.LanguageCode = code;
        form->applyLanguage();
        form->showHowTo();
        formview::HowToWindow* howTo = form->howTo();
        QVERIFY(howTo->isVisible());
        QTEST(howTo->windowTitle(), "howToTitle");
        QTEST(howTo->text()->toPlainText().section(QLatin1Char('\n'), 0, 0), "howTo");
        howTo->okButton()->click();
        QVERIFY(!howTo->isVisible());
        QCOMPARE(form->howTo(), howTo);

        const auto aboutText = [&] {
            return form->aboutWindow()
                ->findChild<QLabel*>(QStringLiteral("lblDescription"))
                ->text();
        };
        const auto click = [&](const char* button) {
            form->aboutWindow()->findChild<QPushButton*>(QLatin1String(button))->click();
        };
        form->showAbout();
        QVERIFY(form->aboutWindow()->isVisible());
        QTEST(form->aboutWindow()->windowTitle(), "aboutTitle");
        QVERIFY(aboutText().contains(about));
        click("cmdSysInfo");
        QCOMPARE(dialogs.informed, // a message only, the window stays
                 QStringList{QStringLiteral("System Information Is Unavailable At This Time")});
        click("cmdOK");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form->aboutWindow());
        form->showAbout();
        QCOMPARE(form->aboutWindow()->windowTitle(), QStringLiteral("About Quillon"));
        QVERIFY(aboutText().startsWith("This Korvath Equipment Editor changes the content of the"));
        form->applyLanguage();
        QVERIFY(aboutText().contains(about));
    }
};

QTEST_MAIN(FormViewTest)
#include "test_formview.moc"
