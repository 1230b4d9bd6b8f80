#include "support/EditorHarness.h"

#include "datasheet/ui/DatasheetView.h"
#include "equipment/EquipmentFiles.h"
#include "formview/ui/FormView.h"
#include "i18n/Messages.h"
#include "shell/ui/FolderBrowser.h"
#include "shell/ui/FolderDialogs.h"
#include "shell/ui/SetupDialog.h"
#include "support/CoreTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <QWheelEvent>
#include <optional>

namespace quillon::testing {

EditorHarness::EditorHarness(int units, bool withGame) : game(units, withGame) {}

EditorHarness::~EditorHarness() = default;

MainWindow& EditorHarness::start() {
    window = std::make_unique<MainWindow>(dialogs, player, game.programFolder(),
                                          game.root() + QStringLiteral("no-default-game/"),
                                          game.userConfigFolder());
    window->start();
    return *window;
}

MainWindow& EditorHarness::restart() {
    dialogs.clear();
    if (!window || window->programEnded())
        return start();
    for (QWidget* other : QApplication::topLevelWidgets())
        if (other != window.get())
            other->hide();
    window->start();
    return *window;
}

namespace {

// The window may count as active while a dialog just closed still has the keys.
bool Activate(QWidget* window) {
    window->activateWindow();
    const auto active = [window] { return QApplication::activeWindow() == window; };
    for (int round = 0; round < 20 && !active(); ++round) // without qWaitFor's naps
        QCoreApplication::processEvents();
    return QTest::qWaitFor(active);
}

// Takes the folder away for a while (a drive unplugged), so that a save
// into it fails whoever runs the test.
struct FolderGone {
    explicit FolderGone(const QString& path) : path_(QDir::cleanPath(path)) {
        QDir().rename(path_, path_ + QStringLiteral(".away"));
    }
    ~FolderGone() { QDir().rename(path_ + QStringLiteral(".away"), path_); }
    QString path_;
};

QString unitFuel(const QString& folder) {
    Datasheet sheet;
    if (!LoadEquipmentFiles(folder, sheet, i18n::Language::English).ok)
        return QStringLiteral("not loaded");
    return sheet.cell(1, 22).trimmed();
}

// The messages by short name: %1 is the data folder, and a '*' stands for
// any text, which follows a name that ends in ':'.
const std::pair<const char*, const char*> Messages[] = {
    {"exit", "The Equipment file has been changed, do you want to save the file before ending the "
             "program?\r\nThe Equipment file will be saved in the following folder: %1"},
    {"open",
     "The current equipment file has been changed.  Do you want to save the changes first?"},
    {"units saved",
     "Your old files has been saved as: \r\n%1OLD_KorEquip.EQP\r\n%1OLD_KorEquip.TXT\r\n\r\n"
     "Your complete E-file now consists of the following files: \r\n%1KorEquip.EQP\r\n"
     "%1KorEquip.TXT\r\n\r\nAll these files has to be distributed, to implement all changes "
     "made to your E-file."},
    {"saved",
     "Your old files has been saved as: \r\n%1OLD_*All these files has to be distributed, to "
     "implement all changes made to your E-file."},
    {"no descriptions",
     "The unit descriptions were not saved, because this file cannot be read: %1txt.pfp"},
    {"new files",
     "Your old files has been saved as: \r\n\r\nYour complete E-file now consists of the "
     "following files: \r\n*All these files has to be distributed, to implement all changes "
     "made to your E-file."},
    {"last unit", "The last unit cannot be deleted."},
    {"cannot find:",
     "Cannot find the folder: * - This is the folder you loaded the KOREQUIP.EQP and the "
     "KOREQUIP.TXT files from, but it is currently not available.\r\nUse the 'Save As' "
     "function to save your work."},
    {"refused:", "Nothing was saved: the game cannot store these characters. Change them and save "
                 "again.\r\n*"}};

// Each message's short name, or the message itself after a '?'.
QStringList Named(const QStringList& messages, const QString& data) {
    QStringList names;
    for (const QString& text : messages) {
        QString name = "? " + text;
        for (const auto& [shortName, pattern] : Messages) {
            const QStringList ends = QString::fromUtf8(pattern).replace("%1", data).split(u'*');
            if (ends.size() == 1 ? text == ends.first()
                                 : text.startsWith(ends.first()) && text.endsWith(ends.last())) {
                name = QString::fromLatin1(shortName);
                if (name.endsWith(u':'))
                    name += " " + text.mid(ends.first().size()).chopped(ends.last().size());
                break;
            }
        }
        names.append(name);
    }
    return names;
}

} // namespace

bool EditorHarness::startOpen(bool datasheet, const QString& languageCode) {
    if (!game.isValid() || !game.writeConfiguration(languageCode))
        return false;
    start();
    if (!openDataFolder())
        return false;
    if (datasheet)
        showDatasheet();
    return true;
}

bool EditorHarness::startActive(const QString& code, bool datasheet) {
    return startOpen(datasheet, code) && Activate(window.get());
}

bool EditorHarness::reset(bool datasheet, const QString& code) {
    if (window)
        window->state().EquipmentChanged = false;
    // Starting again reads the game anew: its descriptions and index.
    if (!game.reset() || !game.writeConfiguration(code))
        return false;
    restart();
    const bool opened = openDataFolder();
    if (datasheet)
        showDatasheet();
    dialogs.clear();
    return opened && Activate(window.get());
}

bool EditorHarness::openDataFolder() {
    action("mnu_open")->trigger();
    OpenDialog* open = window->openDialog();
    if (!open->isVisible() || !open->setFolder(game.dataFolder()))
        return false;
    QTest::mouseClick(open->confirmButton(), Qt::LeftButton);
    return !open->isVisible();
}

QAction* EditorHarness::action(const char* name) const {
    return window->action(QString::fromLatin1(name));
}

bool EditorHarness::enabled(const char* actionName) const {
    return action(actionName)->isEnabled();
}

QString EditorHarness::cell(int row, int col) const {
    return window->state().datasheet.cell(row, col);
}

QStringList EditorHarness::column(int col) const {
    QStringList cells;
    for (int row = 1; row < window->state().datasheet.rows(); ++row)
        cells.append(cell(row, col));
    return cells;
}

void EditorHarness::showDatasheet() {
    if (!window->datasheetShown())
        action("mnu_spread")->trigger();
}

void EditorHarness::clickCell(int row, int col, Qt::KeyboardModifiers modifiers) {
    DatasheetView* view = window->datasheetView();
    const QModelIndex index = view->model()->index(row - 1, col - 1);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                      view->visualRect(index).center());
}

void EditorHarness::rightClickGrid(Qt::KeyboardModifiers modifiers) {
    DatasheetView* view = window->datasheetView();
    QTest::mouseClick(view->viewport(), Qt::RightButton, modifiers, QPoint(5, 5));
}

bool EditorHarness::run(const QString& script) {
    for (const QString& word : script.split(u'|')) {
        const QStringList parts = word.split(u' ');
        const QString& verb = parts.first();
        const auto number = [&parts](int i) { return parts.value(i).toInt(); };
        QWidget* control = window->formView()->findChild<QWidget*>(parts.value(1));
        if (verb == QLatin1String("cell") || verb == QLatin1String("shift")) {
            clickCell(number(1), number(2),
                      verb == QLatin1String("shift") ? Qt::ShiftModifier : Qt::NoModifier);
        } else if (verb == QLatin1String("number")) {
            DatasheetView* view = window->datasheetView();
            view->scrollTo(view->model()->index(number(1) - 1, 0));
            QHeaderView* header = view->verticalHeader();
            const int y = header->sectionViewportPosition(number(1) - 1) +
                          header->sectionSize(number(1) - 1) / 2;
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->width() / 2, y));
        } else if (verb == QLatin1String("sort")) {
            rightClickGrid(
                (parts.contains(QLatin1String("shift")) ? Qt::ShiftModifier : Qt::NoModifier) |
                (parts.contains(QLatin1String("ctrl")) ? Qt::ControlModifier : Qt::NoModifier));
        } else if (verb == QLatin1String("clip")) {
            QGuiApplication::clipboard()->setText(word.section(u' ', 1));
        } else if (verb == QLatin1String("type")) {
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                                word.section(u' ', 1), Qt::NoModifier);
        } else if (verb == QLatin1String("set")) {
            if (auto* box = qobject_cast<QLineEdit*>(control))
                box->setText(word.section(u' ', 2));
            else if (auto* list = qobject_cast<QComboBox*>(control))
                list->setCurrentIndex(number(2));
            else
                qobject_cast<QPlainTextEdit*>(control)->setPlainText(word.section(u' ', 2));
        } else if (verb == QLatin1String("hold")) {
            QTest::keyPress(control, Qt::Key_Return);
            for (int i = 0; i < number(2); ++i) {
                QKeyEvent again(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier,
                                QStringLiteral("\r"), true);
                QApplication::sendEvent(QApplication::focusWidget(), &again);
            }
            QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
        } else if (verb == QLatin1String("wheel")) {
            const QPointF inside(control->width() / 2.0, control->height() / 2.0);
            QWheelEvent wheel(inside, control->mapToGlobal(inside), QPoint(), QPoint(0, -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(control, &wheel);
        } else if (verb == QLatin1String("focus")) {
            control->setFocus();
        } else if (verb == QLatin1String("click")) {
            qobject_cast<QPushButton*>(control)->click();
        } else if (verb == QLatin1String("language")) {
            action("mnu_folders")->trigger();
            window->setupDialog()->findChild<QAbstractButton*>("Option" + parts.value(1))->click();
            QTest::mouseClick(window->setupDialog()->useButton(), Qt::LeftButton);
        } else if (verb == QLatin1String("sheet")) {
            showDatasheet();
        } else if (verb == QLatin1String("open")) {
            if (!openDataFolder())
                return false;
        } else if (verb.contains(u'_')) {
            action(qPrintable(verb))->trigger();
        } else {
            for (const QString& key : parts) {
                const QKeyCombination combination = QKeySequence(key)[0];
                QTest::keyClick(QApplication::focusWidget(), combination.key(),
                                combination.keyboardModifiers());
            }
        }
    }
    return true;
}

QString EditorHarness::play(const QString& script) {
    MainWindow& w = *window;
    const Datasheet& sheet = w.state().datasheet;
    DatasheetView* view = w.datasheetView();
    const QString root = game.root(), data = game.dataFolder(), copy = root + "copy/";
    QDir().mkpath(copy);
    QMap<QString, QByteArray> before = FolderBytes(data);
    QSignalSpy ending(&w, &MainWindow::programEnding);
    QStringList seen;
    const auto look = [&] {
        const bool shown = w.datasheetShown();
        QStringList state = {QStringLiteral("%1 %2/%3")
                                 .arg(shown ? "sheet" : "form")
                                 .arg(shown ? sheet.row() : w.formView()->shownRow())
                                 .arg(sheet.rows() - 1)};
        const int inserts =
            enabled("mnu_ins_after") + enabled("mnu_ins_before") + enabled("del_unit");
        const QString clip = QGuiApplication::clipboard()->text();
        const QWidget* popup = QApplication::activePopupWidget();
        state << (w.state().EquipmentChanged ? "changed" : "")
              << (enabled("mnu_spread") ? "toggle" : "")
              << (inserts == 3 ? "insert"
                  : inserts    ? "insert partly"
                               : "")
              << (clip.isEmpty() ? "" : "clip " + clip)
              << (popup ? "menu " + popup->objectName() : "")
              << (w.setupDialog()->isVisible() ? "setup" : "");
        for (const QString& question : Named(dialogs.asked, data))
            state << "asked " + question;
        for (const QString& message : Named(dialogs.informed, data))
            state << "told " + message;
        dialogs.asked.clear();
        dialogs.informed.clear();
        for (const QString& folder : {data, copy}) {
            if (folder == data ? FolderBytes(data) == before : QDir(copy).isEmpty())
                continue;
            state << (folder == data ? "data" : "copy") << (unitFuel(folder) == "77" ? "77" : "")
                  << (QDir(folder).entryList({"OLD_*"}).isEmpty() ? "" : "backups");
        }
        if (w.state().EquipmentFolder != data)
            state << "folder " + w.state().EquipmentFolder;
        state << (ending.count() ? "ended" : "")
              << (w.openDialog()->isVisible() ? "open dialog" : "")
              << (w.saveAsDialog()->isVisible() ? "save as" : "");
        seen << state.join(u' ').simplified().replace(root, "~/");
    };
    std::optional<FolderGone> gone;
    for (const QString& word : script.split(u'|')) {
        const QStringList parts = word.split(u' ');
        const QString& verb = parts[0];
        const int number = parts.value(1).toInt();
        const QString rest = word.section(u' ', 1);
        if (verb == "gone") {
            gone.emplace(rest == "root" ? root : data);
            continue;
        }
        bool done = true;
        if (verb == "dclick") {
            const QModelIndex index = view->model()->index(number - 1, parts[2].toInt() - 1);
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                               view->visualRect(index).center());
        } else if (verb == "dnumber") {
            QHeaderView* numbers = view->verticalHeader();
            QTest::mouseDClick(
                numbers->viewport(), Qt::LeftButton, {},
                QPoint(numbers->width() / 2, numbers->sectionViewportPosition(number - 1) + 2));
        } else if (verb == "game") {
            done = game.reset(number) && openDataFolder();
            before = FolderBytes(data);
        } else if (verb == "yes") {
            dialogs.answers = {true};
        } else if (word == "into copy") {
            SaveAsDialog* saveAs = w.saveAsDialog();
            done =
                saveAs->focusWidget() == saveAs->browser()->folderTree() && saveAs->setFolder(copy);
        } else if (word == "confirm" || word == "cancel") {
            SaveAsDialog* saveAs = w.saveAsDialog();
            QTest::mouseClick(word == "confirm" ? saveAs->confirmButton() : saveAs->cancelButton(),
                              Qt::LeftButton);
        } else if (verb == "block") {
            done = QFile::remove(data + rest) && QDir().mkdir(data + rest);
        } else if (word == "=") {
            look();
        } else if (verb == "=col") {
            seen << column(number).join(u',');
        } else if (verb == "=undo") {
            const QAction* undo = action("mnu_undo");
            const QAction* redo = action("mnu_redo");
            seen << (undo->isEnabled() ? undo->text() : "-") + " / " +
                        (redo->isEnabled() ? redo->text() : "-") +
                        (w.state().EquipmentChanged ? " *" : "");
        } else if (verb.startsWith("=") && verb.size() > 1 && verb[1].isLetter()) {
            const QWidget* field = w.formView()->findChild<QWidget*>(verb.mid(1));
            const char* value = field->inherits("QComboBox")        ? "currentIndex"
                                : field->inherits("QPlainTextEdit") ? "plainText"
                                                                    : "text";
            seen << "[" + field->property(value).toString() + "]";
        } else if (verb.startsWith("=")) {
            seen << "[" + sheet.cell(verb.mid(1).toInt(), number) + "]";
        } else {
            done = run(word);
        }
        gone.reset();
        if (!done)
            return seen.join("; ") + "; cannot " + word;
    }
    if (!script.section(u'|', -1).startsWith(u'='))
        look();
    return seen.join("; ");
}

void pressKeys(const QStringList& keys) {
    for (const QString& key : keys) {
        const QKeyCombination combination = QKeySequence(key)[0];
        QTest::keyClick(static_cast<QWidget*>(nullptr), combination.key(),
                        combination.keyboardModifiers());
    }
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace quillon::testing
