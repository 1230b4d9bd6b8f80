// The form view end to end on a generated game folder: showing a unit,
// the field rules, commit, undo and navigation, icons, flags and sounds.
#include "datasheet/CellNumber.h"
#include "equipment/EquipmentFiles.h"
#include "formview/ui/FormView.h"
#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/WavePlayer.h"
#include "samplegame/SampleGame.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"
#include "sound/SoundLists.h"
#include "sound/WaveFile.h"
#include "support/RecordingDialogs.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

namespace {

// Records the order of stop and play, which the silent player does not.
struct RecordingPlayer : platform::WavePlayer {
    QStringList calls;
    void stop() override { calls.append(QStringLiteral("stop")); }
    void play(const QString& wavePath) override {
        calls.append(QStringLiteral("play ") + wavePath);
    }
};

constexpr int Units = 40;
constexpr int Icons = 600;

// A sample game checked and loaded as the editor does, with the form view
// showing unit 1.
struct LoadedGame {
    QTemporaryDir dir;
    EditorState state;
    testing::RecordingDialogs dialogs;
    RecordingPlayer player;
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
    const QString& cell(int row, int col) const { return state.datasheet.cell(row, col); }

    // The value a control shows, as text: boxes their text, lists their
    // index, check boxes "1"/"0", the target type the checked option.
    QString shown(const QString& name) const {
        QWidget* widget = form->findChild<QWidget*>(name);
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            return box->text();
        if (auto* list = qobject_cast<QComboBox*>(widget))
            return QString::number(list->currentIndex());
        if (auto* check = qobject_cast<QCheckBox*>(widget))
            return check->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
            return text->toPlainText();
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
        row("attack above 255", 3, "300", "Text4", "255");
        row("attack -7 stays", 3, "-7", "Text4", "-7");
        row("12abc stays", 4, "12abc", "Text5", "12abc");
        row("depth charge defence", 12, " 9", "Text13", " 9");
        row("bomber size", 14, " 4", "Text15", " 4");
        row("initiative", 16, " 5", "Text14", " 5");
        row("spotting", 18, " 3", "Text18", " 3");
        row("movement above 31", 21, "40", "Text16", "31");
        row("fuel", 22, " 60", "Text22", " 60");
        row("ammo", 23, " 8", "Text21", " 8");
        row("lives above 15", 24, "16", "Text20", "15");
        row("prestige below 0", 26, "-5", "Text19", "0");
        row("empty month", 29, "", "Text24", "0");
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
        row("icon above the last", 27, "700", "Text27", "0");
        row("icon 599", 27, "599", "Text27", "599");
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

    void showsTheUnitsDescription() {
        LoadedGame game;
        const int number = int(CellNumber(game.cell(3, 0)));
        game.form->ShowUnitInForm(3);
        QCOMPARE(game.shown(QStringLiteral("Text3")), game.state.LongDescriptions.at(number));
        game.state.datasheet.setCell(3, 0, QStringLiteral("-4"));
        game.form->ShowUnitInForm(3);
        QCOMPARE(game.shown(QStringLiteral("Text3")), QString());
    }

    void typingRunsTheRangeRules_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("attack 300") << "Text4"
                                    << "300"
                                    << "255";
        QTest::newRow("attack -7") << "Text6"
                                   << "-7"
                                   << "-7";
        QTest::newRow("attack emptied") << "Text7"
                                        << ""
                                        << "";
        QTest::newRow("month emptied") << "Text24"
                                       << ""
                                       << "0";
        QTest::newRow("month 13") << "Text24"
                                  << "13"
                                  << "12";
        QTest::newRow("month 0") << "Text24"
                                 << "0"
                                 << "0";
        QTest::newRow("lives 99") << "Text20"
                                  << "99"
                                  << "15";
        QTest::newRow("icon 700") << "Text27"
                                  << "700"
                                  << "0";
        QTest::newRow("icon 599") << "Text27"
                                  << "599"
                                  << "599";
        QTest::newRow("icon -1") << "Text27"
                                 << "-1"
                                 << "0";
        QTest::newRow("name") << "Text2"
                              << "Tiger 2"
                              << "Tiger 2";
    }
    void typingRunsTheRangeRules() {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        LoadedGame game;
        game.box(control)->setText(QStringLiteral("1"));
        game.form->setUndoEnabled(false);
        game.type(control, typed);
        QCOMPARE(game.box(control)->text(), expected);
        QVERIFY(game.undoEnabled());
    }

    void anUnchangedFieldFiresNothing() {
        LoadedGame game;
        game.form->ShowUnitInForm(1);
        game.form->setUndoEnabled(false);
        game.form->ShowUnitInForm(1);
        QVERIFY(!game.undoEnabled());
    }

    void iconFollowsTheBoxAndTheButtons() {
        LoadedGame game;
        auto* picture = game.control<QLabel>(QStringLiteral("Picture1"));
        game.type(QStringLiteral("Text27"), QStringLiteral("5"));
        QVERIFY(!picture->pixmap().isNull());
        QCOMPARE(picture->toolTip(), QStringLiteral("Icon number: 5"));
        game.click("Command7");
        QCOMPARE(game.box(QStringLiteral("Text27"))->text(), QStringLiteral("4"));
        game.type(QStringLiteral("Text27"), QStringLiteral("0"));
        game.click("Command7");
        QCOMPARE(game.box(QStringLiteral("Text27"))->text(), QStringLiteral("0"));
        game.type(QStringLiteral("Text27"), QStringLiteral("599"));
        game.click("Command8");
        QCOMPARE(game.box(QStringLiteral("Text27"))->text(), QStringLiteral("599"));
        QCOMPARE(picture->toolTip(), QStringLiteral("Icon number: 599"));
        game.type(QStringLiteral("Text27"), QStringLiteral("5.5"));
        QCOMPARE(picture->toolTip(), QStringLiteral("Icon number: 6"));
        game.state.LanguageCode = QStringLiteral("deu");
        game.form->applyLanguage();
        QCOMPARE(picture->toolTip(), QStringLiteral("Iconnummer: 6"));
        // Enter on the focused button steps too.
        auto* up = game.control<QPushButton>(QStringLiteral("Command8"));
        QTest::keyClick(up, Qt::Key_Return);
        QCOMPARE(game.box(QStringLiteral("Text27"))->text(), QStringLiteral("6.5"));
    }

    void anInvalidIconShowsLightRed() {
        LoadedGame game;
        auto* picture = game.control<QLabel>(QStringLiteral("Picture1"));
        game.state.graphics.IconStart[3] = 0; // the start of the container is no image
        game.type(QStringLiteral("Text27"), QStringLiteral("3"));
        QCOMPARE(picture->palette().color(QPalette::Window), QColor(255, 128, 128));
        QCOMPARE(picture->toolTip(), QStringLiteral("This picture is invalid. There is a "
                                                    "graphical error in the file."));
        QVERIFY(picture->pixmap().isNull());
        game.type(QStringLiteral("Text27"), QStringLiteral("2"));
        QVERIFY(picture->palette().color(QPalette::Window) != QColor(255, 128, 128));

        QFile::remove(platform::findNoCase(game.state.DataFolder, QStringLiteral("shp.pfp")));
        game.type(QStringLiteral("Text27"), QStringLiteral("4"));
        QCOMPARE(game.dialogs.informed.size(), 1);
        QVERIFY(game.dialogs.informed[0].contains(QStringLiteral("shp.pfp")));
    }

    void withoutIconsTheIconNumberIsKept() {
        LoadedGame game;
        game.state.graphics.IconCount = 0;
        game.state.datasheet.setCell(2, 27, QStringLiteral(" 42"));
        game.form->ShowUnitInForm(2);
        QCOMPARE(game.box(QStringLiteral("Text27"))->text(), QStringLiteral(" 42"));
        QVERIFY(game.control<QLabel>(QStringLiteral("Picture1"))->pixmap().isNull());
    }

    void flagsAndNationNamesStandBesideTheBoxes() {
        LoadedGame game;
        const gamedata::TextLists& lists = game.state.lists;
        QVERIFY(game.state.graphics.flags.size() >= 31);
        for (int k = 0; k < 31; ++k) {
            auto* flag = game.control<QLabel>(QStringLiteral("Picture2_%1").arg(k));
            QCOMPARE(flag->pixmap().size(), game.state.graphics.flags[k].size());
            QCOMPARE(flag->toolTip(), lists.flagTooltips.value(k));
            QCOMPARE(game.control<QCheckBox>(QStringLiteral("Check1_%1").arg(k))->toolTip(),
                     lists.nationTooltips.value(k));
        }
        QCOMPARE(game.control<QLabel>(QStringLiteral("Picture8"))->toolTip(),
                 lists.defenceTips.value(0));
    }

    void nationBoxesTurnOrangeWhileFocused() {
        LoadedGame game;
        game.form->show();
        QVERIFY(QTest::qWaitForWindowActive(game.form.get()));
        auto colour = [&](int k) {
            return game.control<QCheckBox>(QStringLiteral("Check1_%1").arg(k))
                ->palette()
                .color(QPalette::Window);
        };
        const QColor orange(255, 128, 0);
        game.control<QCheckBox>(QStringLiteral("Check1_5"))->setFocus();
        QCOMPARE(colour(0), orange);
        QCOMPARE(colour(30), orange);
        QVERIFY(colour(31) != orange);
        game.box(QStringLiteral("Text2"))->setFocus();
        QVERIFY(colour(0) != orange);
        QTRY_VERIFY(game.box(QStringLiteral("Text2"))->hasSelectedText());
        QCOMPARE(game.box(QStringLiteral("Text2"))->selectedText(),
                 game.box(QStringLiteral("Text2"))->text());
    }

    void nextCommitsTheEdit() {
        LoadedGame game;
        QSignalSpy scrolled(game.form.get(), &FormView::scrollDatasheetTo);
        QGuiApplication::clipboard()->setText(QStringLiteral("block"));
        game.type(QStringLiteral("Text4"), QStringLiteral("77"));
        game.click("Command2");
        QCOMPARE(game.cell(1, 3), QStringLiteral("77"));
        QVERIFY(game.state.EquipmentChanged);
        QCOMPARE(game.form->shownRow(), 2);
        QCOMPARE(game.state.datasheet.row(), 2);
        QVERIFY(!game.undoEnabled());
        QCOMPARE(scrolled.value(0).value(0).toInt(), 2);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        QVERIFY(game.control<QPushButton>(QStringLiteral("Command1"))->isEnabled());
    }

    void undoRestoresAndSelectDiscards() {
        LoadedGame game;
        const QString before = game.cell(1, 3);
        game.type(QStringLiteral("Text4"), QStringLiteral("77"));
        game.click("Command3");
        QCOMPARE(game.box(QStringLiteral("Text4"))->text(), before);
        QVERIFY(!game.undoEnabled());

        game.type(QStringLiteral("Text4"), QStringLiteral("77"));
        game.type(QStringLiteral("Text28"), QStringLiteral("5"));
        game.click("Command9");
        QCOMPARE(game.cell(1, 3), before);
        QVERIFY(!game.state.EquipmentChanged);
        QCOMPARE(game.form->shownRow(), game.rowOfUnit(5));
    }

    void selectKeepsToTheUnitNumbers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("boxAfter");
        QTest::addColumn<int>("unit");
        QTest::newRow("beyond the last")
            << "3000" << QStringLiteral(" %1").arg(Units - 1) << Units - 1;
        QTest::newRow("negative") << "-3"
                                  << "0" << 0;
        QTest::newRow("inside") << "17"
                                << "17" << 17;
        QTest::newRow("no such unit") << "3.5"
                                      << "3.5" << -1;
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

    void nextOnTheLastRowStaysThere() {
        LoadedGame game;
        game.form->showFromDatasheet(Units);
        game.form->setNextEnabled(true); // as after opening a file of one unit
        game.type(QStringLiteral("Text2"), QStringLiteral("Last"));
        game.click("Command2");
        QCOMPARE(game.form->shownRow(), Units);
        QCOMPARE(game.cell(Units, 1), QStringLiteral("Last"));
        QVERIFY(!game.control<QPushButton>(QStringLiteral("Command2"))->isEnabled());
        game.form->showFromDatasheet(2);
        game.click("Command1");
        QVERIFY(!game.control<QPushButton>(QStringLiteral("Command1"))->isEnabled());
    }

    // Every cell of an untouched unit comes back as the same value.
    void commitWritesTheRowBack() {
        LoadedGame game;
        Datasheet& sheet = game.state.datasheet;
        sheet.setCell(2, 15, QStringLiteral(" 7"));
        sheet.setCell(2, 2, QStringLiteral("999"));  // no such class
        sheet.setCell(2, 13, QStringLiteral(" 7"));  // no such target type
        sheet.setCell(2, 71, QStringLiteral(" 12")); // no such sound
        sheet.setCell(2, 73, QStringLiteral("1 2 3"));
        game.form->ShowUnitInForm(2);
        const Datasheet::Row before = sheet.rowCells(2);
        sheet.setCell(2, 73, QStringLiteral("4 5 6")); // changed in the grid meanwhile
        game.form->CommitFormToGrid();
        const QStringList entries =
            sound::SoundListEntries(QStringLiteral("None"), game.state.soundFiles);
        for (int col = 0; col < 73; ++col) {
            QString expected = before[size_t(col)].trimmed();
            if (col == 15 || col == 25 || col == 28 || col == 2 || col == 13)
                expected = before[size_t(col)];
            else if (col >= 70 && col <= 72) {
                // A sound the lists do not offer is kept as it was.
                const int entry = sound::SelectSoundEntry(entries, before[size_t(col)]);
                expected = entry == 0 && !expected.isEmpty()
                               ? before[size_t(col)]
                               : sound::SoundCellText(entries.value(entry));
            }
            QCOMPARE(sheet.cell(2, col), expected);
        }
        QCOMPARE(sheet.cell(2, 73), QStringLiteral("4 5 6"));
        QCOMPARE(sheet.rowSel(), 2);
        QCOMPARE(sheet.colSel(), 73);
    }

    void descriptionIsStoredAsOneLine() {
        LoadedGame game;
        auto* text = game.control<QPlainTextEdit>(QStringLiteral("Text3"));
        text->setFocus();
        text->selectAll();
        QTest::keyClicks(text, QStringLiteral("first"));
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral("second"));
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral("third"));
        game.form->CommitFormToGrid();
        const int number = int(CellNumber(game.cell(1, 0)));
        QCOMPARE(game.state.LongDescriptions.at(number), QStringLiteral("first second third"));

        game.box(QStringLiteral("Text1"))->setText(QStringLiteral("2500"));
        game.form->CommitFormToGrid();
        QCOMPARE(game.state.LongDescriptions.size(), 2501);
        QCOMPARE(game.state.LongDescriptions.at(2500), QStringLiteral("first second third"));
    }

    void copyAndPasteUseTheDescriptionBuffer() {
        LoadedGame game;
        QGuiApplication::clipboard()->setText(QStringLiteral("outside"));
        const QString first = game.shown(QStringLiteral("Text3"));
        game.form->copyDescription();
        game.form->showFromDatasheet(2);
        game.form->setUndoEnabled(false);
        game.form->pasteDescription();
        QCOMPARE(game.shown(QStringLiteral("Text3")), first);
        QVERIFY(game.undoEnabled());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("outside"));
    }

    void soundListsSelectTheUnitsSound_data() {
        QTest::addColumn<QString>("cellText");
        QTest::addColumn<QString>("entry");
        QTest::newRow("loader's blank") << " 1001"
                                        << "1001.mel";
        QTest::newRow("upper-case extension") << "1004"
                                              << "1004.MEL";
        QTest::newRow("two digits") << "12"
                                    << "None";
        QTest::newRow("empty") << ""
                               << "None";
    }
    void soundListsSelectTheUnitsSound() {
        QFETCH(QString, cellText);
        QFETCH(QString, entry);
        LoadedGame game;
        game.form->reloadReferenceData(); // rebuilt, not appended
        QVERIFY(!game.undoEnabled());     // nothing the unit shows has changed
        auto* list = game.control<QComboBox>(QStringLiteral("Combo6"));
        QCOMPARE(list->count(), game.state.soundFiles.size() + 1);
        QCOMPARE(game.control<QComboBox>(QStringLiteral("Combo12"))->count(),
                 game.state.lists.classes.size());
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
    }

    void playReportsWhatStopsIt_data() {
        QTest::addColumn<QString>("problem");
        QTest::newRow("sound file missing") << "missing";
        QTest::newRow("shorter than its header") << "short";
        QTest::newRow("wave file cannot be written") << "unwritable";
    }
    void playReportsWhatStopsIt() {
        QFETCH(QString, problem);
        LoadedGame game;
        const QString sound = game.state.SoundFolder + QStringLiteral("1003.mel");
        const i18n::Language language = game.state.language();
        QString expected;
        QStringList calls{QStringLiteral("stop")};
        if (problem == QLatin1String("missing")) {
            QFile::remove(sound);
            expected = MissingSoundFileMessage(game.state, sound);
            calls.clear(); // the player is left as it was
        } else if (problem == QLatin1String("short")) {
            QVERIFY(platform::writeWholeFile(sound, QByteArray(10, 'm')));
            expected = i18n::Message(language, i18n::msg::SoundTooShort) + sound;
        } else {
            game.state.ProgramFolder = game.dir.filePath(QStringLiteral("nowhere/"));
            expected = i18n::Message(language, i18n::msg::CannotWriteFile) +
                       game.state.ProgramFolder + QStringLiteral("test.wav");
        }
        game.control<QComboBox>(QStringLiteral("Combo7"))
            ->setCurrentText(QStringLiteral("1003.mel"));
        game.click("Command6");
        QCOMPARE(game.player.calls, calls);
        QCOMPARE(game.dialogs.informed, QStringList{expected});
    }
};

QTEST_MAIN(FormViewTest)
#include "test_formview.moc"
