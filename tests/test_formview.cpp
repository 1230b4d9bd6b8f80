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
#include "support/RowFields.h"
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
#include <algorithm>
#include <cmath>

using namespace quillon;
using namespace Qt::StringLiterals;

namespace {

constexpr int Units = 40;
constexpr int Icons = 600;

// Each numeric box: its name, column and upper limit; "zero" when it also
// turns 0 or below into "0", "icon" when anything outside 0..upper becomes "0".
const char* const NumericBoxes[] = {
    "Text4 3 255",       "Text5 4 255",       "Text6 5 255",        "Text7 6 255",
    "Text8 7 255",       "Text9 8 255",       "Text10 9 255",       "Text11 10 255",
    "Text12 11 255",     "Text13 12 255",     "Text15 14 255",      "Text14 16 255",
    "Text17 17 255",     "Text18 18 255",     "Text16 21 31",       "Text22 22 255",
    "Text21 23 255",     "Text20 24 15",      "Text19 26 255 zero", "Text24 29 12 zero",
    "Text25 30 99 zero", "Text26 31 99 zero", "Text23 33 255",      "Text27 27 599 icon",
};

// What a numeric box keeps of a value put in: above its upper limit the
// limit (the icon "0"); below 0 "0" where the box has a lower limit, and
// nothing "0" where 0 or below is "0"; anything else as put in.
QString Kept(const QString& typed, const QString& upper, const QString& lower) {
    bool number = false;
    const double value = typed.toDouble(&number);
    if (number && value > upper.toInt())
        return lower == u"icon" ? u"0"_s : upper;
    if ((number && value < 0 && !lower.isEmpty()) || (typed.isEmpty() && lower == u"zero"))
        return u"0"_s;
    return typed;
}

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
    bool undoEnabled() const { return control<QPushButton>(u"Command3"_s)->isEnabled(); }
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
            return check->isChecked() ? u"1"_s : u"0"_s;
        for (int i = 1; i <= 5; ++i)
            if (control<QRadioButton>(u"Option%1"_s.arg(i))->isChecked())
                return QString::number(i - 1);
        return u"none"_s;
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
        const QString game = dir.filePath(u"game"_s);
        QVERIFY(samplegame::WriteSampleGame(game, {Units, Icons, 4, 7}));
        QDir(dir.path()).mkpath(u"program"_s);
        state.ProgramFolder = platform::withTrailingSeparator(dir.filePath(u"program"_s));
        state.GameFolder = platform::withTrailingSeparator(game);
        state.LanguageCode = u"uk"_s;
        CheckGameFolder(state);
        state.FileLoaded = true;
        graphics = state.graphics;
        descriptions = state.LongDescriptions;
        form = std::make_unique<FormView>(state, dialogs, player);
    }
    void init() {
        if (state.LanguageCode != QLatin1String("uk")) {
            state.LanguageCode = u"uk"_s;
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
    // entry), and leaves a cell changed in the grid meanwhile alone. Every
    // numeric box, shown from its cell, then a value put in (as a paste
    // would) at and beyond each end, half-way, and not a number: what the
    // box keeps, what the commit writes and what the record then stores.
    void fields_data() {
        // column|cell text|control|shown|put in|the box's upper limit|its lower rule
        QTest::addColumn<QString>("row");
        QTest::newRow("unit number normalised") << u"0| 2|Text1|2"_s;
        QTest::newRow("name keeps its blanks") << u"1|Panzer  |Text2|Panzer  "_s;
        QTest::newRow("movement above 31") << u"21|40|Text16|31"_s;
        QTest::newRow("class") << u"2| 3|Combo12|3"_s;
        QTest::newRow("class half to even, down") << u"2|2.5|Combo12|2"_s;
        QTest::newRow("move medium") << u"19| 1|Combo8|1"_s;
        QTest::newRow("move method half to even, up") << u"20|3.5|Combo9|4"_s;
        QTest::newRow("class without entry") << u"2|999|Combo12|-1"_s;
        QTest::newRow("transport") << u"32| 2|Combo10|2"_s;
        QTest::newRow("special negative") << u"66|-1|Combo1|-1"_s;
        QTest::newRow("special 4") << u"69| 6|Combo4|6"_s;
        QTest::newRow("target type") << u"13| 2|target|2"_s;
        QTest::newRow("target type 7 keeps the option") << u"13|7|target|0"_s;
        QTest::newRow("nation with blank") << u"34| 1|Check1_0|1"_s;
        QTest::newRow("nation with trailing blank") << u"40|1 |Check1_6|1"_s;
        QTest::newRow("nation 01") << u"41|01|Check1_7|0"_s;
        QTest::newRow("nation 2") << u"65|2|Check1_31|0"_s;
        QTest::newRow("icon 4.5 kept") << u"27|4.5|Text27|4.5"_s;
        QTest::newRow("sound with the loader's blank") << u"71| 1001|Combo6|2"_s;
        QTest::newRow("sound with an upper-case extension") << u"71|1004|Combo6|5"_s;
        QTest::newRow("sound of two digits") << u"71|12|Combo6|0"_s;
        QTest::newRow("no sound: the entry's text") << u"71||Combo6|0"_s;
        QTest::newRow("no such sound") << u"71| 12|Combo6|0"_s;
        QTest::newRow("a column without a field") << u"15| 7|Text1|1"_s;
        for (const char* line : NumericBoxes) {
            const QStringList box = QString::fromLatin1(line).split(u' ');
            const QString upper = box[2];
            const QString beyond = QString::number(upper.toInt() + 1);
            for (const QString& typed :
                 {u"0"_s, u"-1"_s, u"-0.5"_s, u"0.5"_s, upper, beyond, upper + u".5"_s, u"13.5"_s,
                  u"2.5"_s, QString(), u"12abc"_s})
                QTest::addRow("%s '%s'", line, qPrintable(typed))
                    << box[1] + u"| 7|"_s + box[0] + u"| 7|"_s + typed + u'|' + upper + u'|' +
                           box.value(3);
        }
    }
    void fields() {
        const auto [column, cellText, control, shownText, put, upper, lower] =
            testing::RowFields<7>();
        Datasheet& sheet = state.datasheet;
        if (upper.isEmpty()) {
            form->reloadReferenceData(); // rebuilt, not appended; what the unit shows stays
            QVERIFY(!undoEnabled());
            sheet.setCell(1, 13, u" 0"_s); // the option before row 2
            form->ShowUnitInForm(1);
        }
        const int col = column.toInt();
        sheet.setCell(2, col, cellText);
        form->ShowUnitInForm(2);
        QCOMPARE(shown(control), shownText);
        QCOMPARE(form->shownRow(), 2);
        QCOMPARE(sheet.col(), 0);

        Datasheet::Row expected = sheet.rowCells(2);
        sheet.setCell(2, 73, u"4 5 6"_s);
        expected[73] = u"4 5 6"_s;
        if (!upper.isEmpty()) {
            expected[col] = Kept(put, upper, lower);
            box(control)->selectAll();
            box(control)->insert(put);
            QCOMPARE(box(control)->text(), expected[col]);
            QVERIFY(undoEnabled());
        }
        form->CommitFormToGrid();
        QVERIFY(sheet.rowCells(2) == expected);
        QCOMPARE(state.EquipmentChanged, !upper.isEmpty());
        if (upper.isEmpty())
            return;
        const EquipmentRecord record = RowToRecord(sheet, 2);
        const int offset = col <= 26 ? col - 2 : col == 27 ? 25 : col;
        const int stored =
            col == 27 ? record.bytes[25] | record.bytes[26] << 8 : record.bytes[size_t(offset)];
        QCOMPARE(stored, StoredValue(expected[col], upper.toInt()));
    }

    // The name changed, then a value typed into a box and the button beside
    // it: the icon buttons step within the icons there are and keep the edit,
    // Select keeps to the unit numbers there are and discards it, Next commits
    // it (and ends any block copy), Undo takes it back.
    void typeThenButton_data() {
        // start row|box=typed|button|box after|unit shown ("-": the same row)|commits, pending
        QTest::addColumn<QString>("row");
        QTest::newRow("< steps down") << u"4|Text27=5|Command7|4|-|pending"_s;
        QTest::newRow("> steps up") << u"4|Text27=5|Command8|6|-|pending"_s;
        QTest::newRow("< at 0 does nothing") << u"4|Text27=0|Command7|0|-|pending"_s;
        QTest::newRow("> at 599 does nothing") << u"4|Text27=599|Command8|599|-|pending"_s;
        QTest::newRow("select beyond the last") << u"4|Text28=3000|Command9| 39|39|"_s;
        QTest::newRow("select negative") << u"4|Text28=-3|Command9|0|0|"_s;
        QTest::newRow("select inside") << u"4|Text28=17|Command9|17|17|"_s;
        QTest::newRow("select no such unit") << u"4|Text28=3.5|Command9|3.5|-|pending"_s;
        QTest::newRow("next") << u"1|Text4=77|Command2||8|commits"_s;
        QTest::newRow("next on the last row stays") << u"40|Text4=77|Command2|77|-|commits"_s;
        QTest::newRow("undo") << u"1|Text4=77|Command3||-|"_s;
    }
    void typeThenButton() {
        const auto [start, typed, button, boxAfter, unit, flags] = testing::RowFields<6>();
        state.datasheet.sort(Datasheet::TextDescending);
        form->showFromDatasheet(start.toInt());
        form->setNextEnabled(true); // as after opening a file of one unit
        const QString name = cell(start.toInt(), 1);
        QGuiApplication::clipboard()->setText(u"block"_s);
        type(u"Text2"_s, u"Tiger 2"_s);
        type(typed.section(u'=', 0, 0), typed.section(u'=', 1));
        control<QPushButton>(button)->click();
        const int row = unit == u"-" ? start.toInt() : rowOfUnit(unit.toInt());
        QCOMPARE(form->shownRow(), row);
        if (!boxAfter.isEmpty())
            QCOMPARE(box(typed.section(u'=', 0, 0))->text(), boxAfter);
        const bool commits = flags == u"commits";
        const bool pending = flags == u"pending";
        QCOMPARE(cell(start.toInt(), 1), commits ? u"Tiger 2"_s : name);
        QCOMPARE(state.EquipmentChanged, commits);
        if (button != u"Command9") // Select leaves Undo as showing the unit does
            QCOMPARE(undoEnabled(), pending);
        QCOMPARE(box(u"Text2"_s)->text(), pending ? u"Tiger 2"_s : cell(row, 1));
        QCOMPARE(control<QPushButton>(u"Command1"_s)->isEnabled(), row != 1);
        QCOMPARE(control<QPushButton>(u"Command2"_s)->isEnabled(), row != Units);
        QCOMPARE(QGuiApplication::clipboard()->text().isEmpty(), commits);
    }

    // The picture for each icon number: rounded half to even, red for what is
    // no image (the start of the container), never larger than its box.
    void iconPictureFollowsTheBox() {
        const QString shp = platform::findNoCase(state.DataFolder, u"shp.pfp"_s);
        const QByteArray icons = testing::Bytes(shp);
        const auto restore = qScopeGuard([&] { platform::writeWholeFile(shp, icons); });
        QByteArray rows;
        for (int y = 0; y < 300; ++y)
            rows += QByteArray("\x01\xff\x01\xff\x01\xff\xfe\x07\0", 9);
        QVERIFY(
            platform::writeWholeFile(shp, icons + testing::ImageBytes(0, 0, 999, 299, rows, 1000)));
        state.graphics.IconStart[7] = icons.size();
        state.graphics.IconStart[3] = 0;
        auto* picture = control<QLabel>(u"Picture1"_s);
        QStringList seen;
        for (const char* typed : {"5.5", "2.5", "3", "2", "7"}) {
            type(u"Text27"_s, QLatin1String(typed));
            const QPixmap image = picture->pixmap();
            const bool fits =
                image.width() <= picture->width() && image.height() <= picture->height();
            const bool red = picture->palette().color(QPalette::Window) == QColor(255, 128, 128);
            const QString size = fits ? u" [fits]"_s : u" [big]"_s;
            seen.append(picture->toolTip() + (image.isNull() ? QString() : size) +
                        (red ? " [red]" : ""));
        }
        QCOMPARE(seen.join(u'|'), "Icon number: 6 [fits]|Icon number: 2 [fits]|This picture is "
                                  "invalid. There is a graphical error in the file. [red]|Icon "
                                  "number: 2 [fits]|Icon number: 7 [fits]");

        QFile::remove(shp);
        type(u"Text27"_s, u"4"_s);
        QCOMPARE(dialogs.informed.size(), 1);
        QVERIFY(dialogs.informed[0].contains(u"shp.pfp"_s));
    }

    void nationBoxesTurnOrangeWhileOneHasTheFocus() {
        form->resize(1280, 800);
        // For nations 0, 30 and 31 ("Unused", which never changes): plainly
        // orange, most of the box's place beside its flag, not an outline.
        const auto oranges = [&] {
            QString shown;
            for (const int i : {0, 30, 31}) {
                const QImage image = control<QCheckBox>(u"Check1_%1"_s.arg(i))
                                         ->parentWidget()
                                         ->grab()
                                         .toImage()
                                         .convertToFormat(QImage::Format_RGB32);
                const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
                const qsizetype size = qsizetype(image.width()) * image.height();
                shown +=
                    std::count(pixels, pixels + size, qRgb(255, 128, 0)) * 2 > size ? u'1' : u'0';
            }
            return shown;
        };
        QCOMPARE(oranges(), "000");
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(control<QCheckBox>(u"Check1_3"_s), &in);
        QCOMPARE(oranges(), "110");
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(control<QCheckBox>(u"Check1_3"_s), &out);
        QCOMPARE(oranges(), "000");
    }

    void descriptionIsShownAndStoredAsOneLine() {
        auto* text = control<QPlainTextEdit>(u"Text3"_s);
        const int number = int(CellNumber(cell(1, 0)));
        QCOMPARE(text->toPlainText(), state.LongDescriptions.at(number));
        text->setFocus();
        text->selectAll();
        for (const char* line : {"first", "second"}) {
            QTest::keyClicks(text, QLatin1String(line));
            QTest::keyClick(text, Qt::Key_Return);
        }
        QTest::keyClicks(text, u"third"_s);
        form->CommitFormToGrid();
        QCOMPARE(state.LongDescriptions.at(number), u"first second third"_s);
        // A description nobody edits survives a commit unchanged, no-break spaces included.
        const QString french = u"Char lourd\u00a0: 45\u00a0t."_s;
        state.LongDescriptions[number] = french;
        form->ShowUnitInForm(1);
        form->CommitFormToGrid();
        QCOMPARE(state.LongDescriptions.at(number), french);
        // A unit number beyond the table grows it; a negative one shows none.
        state.datasheet.setCell(1, 0, u"2500"_s);
        form->CommitFormToGrid();
        QCOMPARE(state.LongDescriptions.value(2500), french);
        state.datasheet.setCell(3, 0, u"-4"_s);
        form->ShowUnitInForm(3);
        QVERIFY(text->toPlainText().isEmpty());
    }

    // Play: the sound behind a wave header, nothing for "None", and a
    // missing sound file reported with the player left as it was.
    void playWritesTheWaveFileAndPlaysIt() {
        const QString wave = state.ProgramFolder + u"test.wav"_s;
        auto* list = control<QComboBox>(u"Combo5"_s);
        QStringList sounds; // 12.mel is no sound
        for (int i = 0; i < list->count(); ++i)
            sounds.append(list->itemText(i));
        QCOMPARE(sounds.join(u' '), "None 1000.mel 1001.mel 1002.mel 1003.mel 1004.MEL");
        const QString missing = state.SoundFolder + u"1003.mel"_s;
        const QByteArray kept = testing::Bytes(missing);
        const auto restore = qScopeGuard([&] { platform::writeWholeFile(missing, kept); });
        QVERIFY(QFile::remove(missing));
        QStringList heard; // what the player was told, then the messages
        for (const char* sound : {"1002.mel", "None", "1003.mel"}) {
            player.calls.clear();
            dialogs.clear();
            list->setCurrentText(QLatin1String(sound));
            control<QPushButton>(u"Command4"_s)->click();
            heard.append((player.calls + dialogs.informed).join(u'/'));
        }
        QCOMPARE(heard, QStringList({"stop/play " + wave, "",
                                     "I cannot find the file: " + missing +
                                         "\r\nThis file should be located in Korvath's 'BNK' "
                                         "folder.\r\nCheck the foldersettings for this program, "
                                         "and make sure that the game is correctly located."}));
        // The sound's data behind a wave header (its bytes are the sound tests').
        const QByteArray sound = *platform::readWholeFile(state.SoundFolder + u"1002.mel"_s);
        const QByteArray written = *platform::readWholeFile(wave);
        QCOMPARE(written.left(4), QByteArray("RIFF"));
        QCOMPARE(written.mid(44), sound.mid(24));
    }

    // The how-to window (F1) and the About window (Ctrl+F1) in each language.
    // OK hides the how-to window and discards the About window, which comes
    // back with its first texts until a language is applied.
    void helpWindows_data() {
        // code|how-to title|its first line|About title|a part with the editor's name twice
        QTest::addColumn<QString>("row");
        QTest::newRow("English")
            << u"uk|Quillon - How To...|You can leave this Form open at any time, when running the "
               "Editor. This form is shown by pressing the 'F1' key.|About Quillon|You can copy "
               "from the the Quillon to MS Excel, modify the data, and then paste it back to the "
               "Quillon.  You can also"_s;
        QTest::newRow("German")
            << u"deu|QuillonWie kann ich...|Sie können dieses Fenster jederzeit verlassen, wenn "
               u"Sie "
               "den Editor benutzen. Dieses Fenster wird durch Dücken der 'F1'-Taste angezeigt."
               "|Über Quillon|Zusätzlich können Sie Daten von Quillon nach MS-Excel kopieren, dort "
               "verändern und dann wieder in Quillon einfügen. Sie"_s;
        QTest::newRow("French")
            << u"fra|Quillon - Comment faire pour...|Vous pouvez laisser cette Form ouverte à tout "
               "moment, quand vous vous servez de l' Editeur. Cette form est affichée quand on "
               "presse la touche  'F1'.|A propos de Quillon|Vous pouvez copier depuis le Quillon "
               "vers MS Excel, modifier les données, et le coller en retour vers Quillon.  Plus"_s;
    }
    void helpWindows() {
        const auto [code, howToTitle, howToText, aboutTitle, about] = testing::RowFields<5>();
        state.LanguageCode = code;
        form->applyLanguage();
        form->showHowTo();
        formview::HowToWindow* howTo = form->howTo();
        QVERIFY(howTo->isVisible());
        QCOMPARE(howTo->windowTitle() + u'|' + howTo->text()->toPlainText().section(u'\n', 0, 0),
                 howToTitle + u'|' + howToText);
        howTo->okButton()->click();
        QVERIFY(!howTo->isVisible());
        QCOMPARE(form->howTo(), howTo);

        const auto aboutText = [&] {
            return form->aboutWindow()->findChild<QLabel*>(u"lblDescription"_s)->text();
        };
        form->showAbout();
        QVERIFY(form->aboutWindow()->isVisible());
        QCOMPARE(form->aboutWindow()->windowTitle(), aboutTitle);
        QVERIFY(aboutText().contains(about));
        form->aboutWindow()->findChild<QPushButton*>(u"cmdSysInfo"_s)->click();
        QCOMPARE(dialogs.informed, // a message only, the window stays
                 QStringList{u"System Information Is Unavailable At This Time"_s});
        form->aboutWindow()->findChild<QPushButton*>(u"cmdOK"_s)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form->aboutWindow());
        form->showAbout();
        QCOMPARE(form->aboutWindow()->windowTitle(), u"About Quillon"_s);
        QVERIFY(aboutText().startsWith("This Korvath Equipment Editor changes the content of the"));
        form->applyLanguage();
        QVERIFY(aboutText().contains(about));
    }
};

QTEST_MAIN(FormViewTest)
#include "test_formview.moc"
