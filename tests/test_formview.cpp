// The form view end to end on a generated game folder: showing a unit,
// the field rules, commit, undo and navigation, icons and sounds.
#include "datasheet/CellNumber.h"
#include "equipment/EquipmentFiles.h"
#include "formview/ui/FormView.h"
#include "platform/Files.h"
#include "samplegame/SampleGame.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"
#include "sound/WaveFile.h"
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
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

namespace {

constexpr int Units = 40;
constexpr int Icons = 600;

// A sample game checked and loaded as the editor does, with the form view
// showing unit 1.
struct LoadedGame {
    QTemporaryDir dir;
    EditorState state;
    testing::RecordingDialogs dialogs;
    testing::SilentWavePlayer player;
    std::unique_ptr<FormView> form;

    LoadedGame() {
        const QString game = dir.filePath(QStringLiteral("game"));
        if (!samplegame::WriteSampleGame(game, {Units, Icons, 4, 7}))
            qFatal("sample game not written");
        QDir(dir.path()).mkpath(QStringLiteral("program"));
        state.ProgramFolder =
            platform::withTrailingSeparator(dir.filePath(QStringLiteral("program")));
        state.GameFolder = platform::withTrailingSeparator(game);
        state.LanguageCode = QStringLiteral("uk");
        CheckGameFolder(state);
        if (!LoadEquipmentFiles(state.DataFolder, state.datasheet, state.language()).ok)
            qFatal("sample equipment not loaded");
        state.FileLoaded = true;
        form = std::make_unique<FormView>(state, dialogs, player);
        form->reloadReferenceData();
        form->showFromDatasheet(1);
        form->setUndoEnabled(false);
    }
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
        if (name == QLatin1String("target")) {
            for (int i = 1; i <= 5; ++i)
                if (control<QRadioButton>(QStringLiteral("Option%1").arg(i))->isChecked())
                    return QString::number(i - 1);
            return QStringLiteral("none");
        }
        qFatal("cannot read %s", qPrintable(name));
    }
    void type(const QString& name, const QString& keys) const {
        QLineEdit* field = box(name);
        field->selectAll();
        if (keys.isEmpty())
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::keyClicks(field, keys);
    }
    int rowOfUnit(int number) const {
        for (int row = 1; row < state.datasheet.rows(); ++row)
            if (CellNumber(cell(row, 0)) == number)
                return row;
        return -1;
    }
};

} // namespace

class FormViewTest : public QObject {
    Q_OBJECT
private slots:
    void showsEachFieldFromItsCell_data() {
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
        row("number keeps its blank", 3, " 0", "Text4", " 0");
        row("depth charge defence", 12, " 9", "Text13", " 9");
        row("bomber size", 14, " 4", "Text15", " 4");
        row("initiative", 16, " 5", "Text14", " 5");
        row("spotting", 18, " 3", "Text18", " 3");
        row("movement above 31", 21, "40", "Text16", "31");
        row("fuel", 22, " 60", "Text22", " 60");
        row("ammo", 23, " 8", "Text21", " 8");
        row("lives above 15", 24, "16", "Text20", "15");
        row("prestige below 0", 26, "-5", "Text19", "0");
        row("year above 99", 30, "120", "Text25", "99");
        row("year expired", 31, " 45", "Text26", " 45");
        row("hangar", 33, " 2", "Text23", " 2");
        row("class", 2, " 3", "Combo12", "3");
        row("class half to even", 2, "2.5", "Combo12", "2");
        row("class without entry", 2, "999", "Combo12", "-1");
        row("move medium", 19, " 1", "Combo8", "1");
        row("move method", 20, " 4", "Combo9", "4");
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
    }
    void showsEachFieldFromItsCell() {
        QFETCH(int, column);
        QFETCH(QString, cellText);
        QFETCH(QString, control);
        QFETCH(QString, expected);
        LoadedGame game;
        game.state.datasheet.setCell(1, 13, QStringLiteral(" 0")); // the option before row 2
        game.form->ShowUnitInForm(1);
        game.state.datasheet.setCell(2, column, cellText);
        game.form->ShowUnitInForm(2);
        QCOMPARE(game.shown(control), expected);
        QCOMPARE(game.form->shownRow(), 2);
        QCOMPARE(game.state.datasheet.col(), 0);
    }

    // Typing into a box, then pressing a button beside it if any.
    void typingRunsTheRangeRules_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* tag, const char* control, const char* typed,
                            const char* button, const char* expected) {
            QTest::newRow(tag) << QString::fromLatin1(control) << QString::fromLatin1(typed)
                               << QString::fromLatin1(button) << QString::fromLatin1(expected);
        };
        row("attack 300", "Text4", "300", "", "255");
        row("attack -7", "Text6", "-7", "", "-7");
        row("attack 12abc", "Text5", "12abc", "", "12abc");
        row("attack emptied", "Text7", "", "", "");
        row("month emptied", "Text24", "", "", "0");
        row("month 13", "Text24", "13", "", "12");
        row("lives 99", "Text20", "99", "", "15");
        row("icon 700", "Text27", "700", "", "0");
        row("icon -1", "Text27", "-1", "", "0");
        row("icon < steps down", "Text27", "5", "Command7", "4");
        row("icon < at 0 does nothing", "Text27", "0", "Command7", "0");
        row("icon > at 599 does nothing", "Text27", "599", "Command8", "599");
        row("name", "Text2", "Tiger 2", "", "Tiger 2");
    }
    void typingRunsTheRangeRules() {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, button);
        LoadedGame game;
        game.box(control)->setText(QStringLiteral("1"));
        game.form->setUndoEnabled(false);
        game.type(control, typed);
        if (!button.isEmpty())
            game.control<QPushButton>(button)->click();
        QTEST(game.box(control)->text(), "expected");
        QVERIFY(game.undoEnabled());
    }

    void iconPictureFollowsTheBox() {
        LoadedGame game;
        auto* picture = game.control<QLabel>(QStringLiteral("Picture1"));
        game.type(QStringLiteral("Text27"), QStringLiteral("5.5"));
        QVERIFY(!picture->pixmap().isNull());
        QCOMPARE(picture->toolTip(), QStringLiteral("Icon number: 6"));

        game.state.graphics.IconStart[3] = 0; // the start of the container is no image
        game.type(QStringLiteral("Text27"), QStringLiteral("3"));
        QCOMPARE(picture->palette().color(QPalette::Window), QColor(255, 128, 128));
        QCOMPARE(picture->toolTip(), QStringLiteral("This picture is invalid. There is a "
                                                    "graphical error in the file."));
        QVERIFY(picture->pixmap().isNull());
        game.type(QStringLiteral("Text27"), QStringLiteral("2"));
        QVERIFY(picture->palette().color(QPalette::Window) != QColor(255, 128, 128));

        // An icon far larger than its box costs no more than the box.
        const QString shp = platform::findNoCase(game.state.DataFolder, QStringLiteral("shp.pfp"));
        QByteArray rows;
        for (int y = 0; y < 300; ++y)
            rows += QByteArray("\x01\xff\x01\xff\x01\xff\xfe\x07\0", 9);
        QFile file(shp);
        QVERIFY(file.open(QIODevice::Append));
        game.state.graphics.IconStart[7] = file.size();
        file.write(testing::ImageBytes(0, 0, 999, 299, rows, 1000));
        file.close();
        game.type(QStringLiteral("Text27"), QStringLiteral("7"));
        QVERIFY(!picture->pixmap().isNull());
        QVERIFY(picture->pixmap().width() <= picture->width() &&
                picture->pixmap().height() <= picture->height());

        QFile::remove(platform::findNoCase(game.state.DataFolder, QStringLiteral("shp.pfp")));
        game.type(QStringLiteral("Text27"), QStringLiteral("4"));
        QCOMPARE(game.dialogs.informed.size(), 1);
        QVERIFY(game.dialogs.informed[0].contains(QStringLiteral("shp.pfp")));
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
        LoadedGame game;
        game.form->showFromDatasheet(row);
        game.form->setNextEnabled(true); // as after opening a file of one unit
        const QString before = game.cell(row, 3);
        QGuiApplication::clipboard()->setText(QStringLiteral("block"));
        game.type(QStringLiteral("Text4"), QStringLiteral("77"));
        game.type(QStringLiteral("Text28"), QStringLiteral("5"));
        game.control<QPushButton>(button)->click();
        QCOMPARE(game.cell(row, 3), committed ? QStringLiteral("77") : before);
        QCOMPARE(game.state.EquipmentChanged, committed);
        const int shown = game.rowOfUnit(unitShown);
        QCOMPARE(game.form->shownRow(), shown);
        QCOMPARE(game.box(QStringLiteral("Text4"))->text(), game.cell(shown, 3));
        if (button != QLatin1String("Command9"))
            QVERIFY(!game.undoEnabled());
        QCOMPARE(game.control<QPushButton>(QStringLiteral("Command2"))->isEnabled(),
                 shown != Units);
        if (committed) // a commit ends any block copy
            QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    }

    void selectKeepsToTheUnitNumbers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("boxAfter");
        QTest::addColumn<int>("unit");
        const auto row = [](const char* tag, const char* typed, const QString& boxAfter, int unit) {
            QTest::newRow(tag) << QString::fromLatin1(typed) << boxAfter << unit;
        };
        row("beyond the last", "3000", QStringLiteral(" %1").arg(Units - 1), Units - 1);
        row("negative", "-3", QStringLiteral("0"), 0);
        row("inside", "17", QStringLiteral("17"), 17);
        row("no such unit", "3.5", QStringLiteral("3.5"), -1);
    }
    void selectKeepsToTheUnitNumbers() {
        QFETCH(QString, typed);
        QFETCH(QString, boxAfter);
        QFETCH(int, unit);
        LoadedGame game;
        game.state.datasheet.sort(Datasheet::TextDescending); // any order will do
        game.form->showFromDatasheet(4);
        game.type(QStringLiteral("Text28"), typed);
        game.click("Command9");
        QCOMPARE(game.box(QStringLiteral("Text28"))->text(), boxAfter);
        const int row = unit < 0 ? 4 : game.rowOfUnit(unit);
        QCOMPARE(game.form->shownRow(), row);
        QCOMPARE(game.control<QPushButton>(QStringLiteral("Command1"))->isEnabled(), row != 1);
    }

    // An untouched unit comes back as it was, cell for cell, even where the
    // form shows a value without its blank or has no entry for it.
    void commitWritesTheRowBack() {
        LoadedGame game;
        Datasheet& sheet = game.state.datasheet;
        sheet.setCell(2, 15, QStringLiteral(" 7"));
        sheet.setCell(2, 2, QStringLiteral("999"));  // no such class
        sheet.setCell(2, 13, QStringLiteral(" 7"));  // no such target type
        sheet.setCell(2, 71, QStringLiteral(" 12")); // no such sound
        game.form->ShowUnitInForm(2);
        const Datasheet::Row before = sheet.rowCells(2);
        sheet.setCell(2, 73, QStringLiteral("4 5 6")); // changed in the grid meanwhile
        game.form->CommitFormToGrid();
        for (int col = 0; col < 73; ++col)
            QCOMPARE(sheet.cell(2, col), before[size_t(col)]);
        QCOMPARE(sheet.cell(2, 73), QStringLiteral("4 5 6"));
        QVERIFY(!game.state.EquipmentChanged);
    }

    void nationBoxesTurnOrangeWhileOneHasTheFocus() {
        LoadedGame game;
        game.form->resize(1280, 800);
        // Plainly orange: most of the box's place beside its flag, not an outline.
        auto orange = [&](int i) {
            auto* box = game.control<QCheckBox>(QStringLiteral("Check1_%1").arg(i));
            const QImage shown = box->parentWidget()->grab().toImage();
            int count = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    count += shown.pixelColor(x, y) == QColor(255, 128, 0);
            return count * 2 > shown.width() * shown.height();
        };
        QVERIFY(!orange(0));
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(game.control<QCheckBox>(QStringLiteral("Check1_3")), &in);
        QVERIFY(orange(0));
        QVERIFY(orange(30));
        QVERIFY(!orange(31)); // "Unused" never changes
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(game.control<QCheckBox>(QStringLiteral("Check1_3")), &out);
        QVERIFY(!orange(0));
    }

    void descriptionIsShownAndStoredAsOneLine() {
        LoadedGame game;
        auto* text = game.control<QPlainTextEdit>(QStringLiteral("Text3"));
        const int number = int(CellNumber(game.cell(1, 0)));
        QCOMPARE(text->toPlainText(), game.state.LongDescriptions.at(number));
        text->setFocus();
        text->selectAll();
        QTest::keyClicks(text, QStringLiteral("first"));
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral("second"));
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral("third"));
        game.form->CommitFormToGrid();
        QCOMPARE(game.state.LongDescriptions.at(number), QStringLiteral("first second third"));
        // A description nobody edits survives a commit unchanged, no-break spaces included.
        const QString french = QStringLiteral("Char lourd\u00a0: 45\u00a0t.");
        game.state.LongDescriptions[number] = french;
        game.form->ShowUnitInForm(1);
        game.form->CommitFormToGrid();
        QCOMPARE(game.state.LongDescriptions.at(number), french);
        // A unit number beyond the table grows it; a negative one shows none.
        game.state.datasheet.setCell(1, 0, QStringLiteral("2500"));
        game.form->CommitFormToGrid();
        QCOMPARE(game.state.LongDescriptions.value(2500), french);
        game.state.datasheet.setCell(3, 0, QStringLiteral("-4"));
        game.form->ShowUnitInForm(3);
        QVERIFY(text->toPlainText().isEmpty());
    }

    void soundListsSelectTheUnitsSound_data() {
        QTest::addColumn<QString>("cellText");
        QTest::addColumn<QString>("entry");
        const auto row = [](const char* tag, const char* cellText, const char* entry) {
            QTest::newRow(tag) << QString::fromLatin1(cellText) << QString::fromLatin1(entry);
        };
        row("loader's blank", " 1001", "1001.mel");
        row("upper-case extension", "1004", "1004.MEL");
        row("two digits", "12", "None");
        row("empty", "", "None");
    }
    void soundListsSelectTheUnitsSound() {
        QFETCH(QString, cellText);
        QFETCH(QString, entry);
        LoadedGame game;
        game.form->reloadReferenceData(); // rebuilt, not appended
        QVERIFY(!game.undoEnabled());     // nothing the unit shows has changed
        auto* list = game.control<QComboBox>(QStringLiteral("Combo6"));
        QCOMPARE(list->count(), game.state.soundFiles.size() + 1);
        game.state.datasheet.setCell(2, 71, cellText);
        game.form->ShowUnitInForm(2);
        QCOMPARE(list->currentText(), entry);
    }

    void playWritesTheWaveFileAndPlaysIt() {
        LoadedGame game;
        const QString wave = game.state.ProgramFolder + QStringLiteral("test.wav");
        QVERIFY(platform::writeWholeFile(wave, QByteArray(100000, 'x'))); // an older, longer one
        auto* list = game.control<QComboBox>(QStringLiteral("Combo5"));
        list->setCurrentText(QStringLiteral("1002.mel"));
        game.click("Command4");
        QCOMPARE(game.player.calls,
                 (QStringList{QStringLiteral("stop"), QStringLiteral("play ") + wave}));
        const QByteArray sound =
            *platform::readWholeFile(game.state.SoundFolder + QStringLiteral("1002.mel"));
        const QByteArray written = *platform::readWholeFile(wave);
        QCOMPARE(written.left(4), QByteArray("RIFF"));
        QCOMPARE(written, sound::WaveHeader(sound.size()) + sound.mid(24));
        QVERIFY(game.dialogs.informed.isEmpty());

        game.player.calls.clear();
        list->setCurrentIndex(0); // "None"
        game.click("Command4");
        QVERIFY(game.player.calls.isEmpty());
        QVERIFY(game.dialogs.informed.isEmpty());

        // A missing sound file is reported and the player left as it was.
        const QString missing = game.state.SoundFolder + QStringLiteral("1003.mel");
        QVERIFY(QFile::remove(missing));
        list->setCurrentText(QStringLiteral("1003.mel"));
        game.click("Command4");
        QVERIFY(game.player.calls.isEmpty());
        QCOMPARE(game.dialogs.informed, QStringList{MissingSoundFileMessage(game.state, missing)});
    }
};

QTEST_MAIN(FormViewTest)
#include "test_formview.moc"
