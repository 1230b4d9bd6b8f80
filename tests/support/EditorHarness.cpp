#include "support/EditorHarness.h"

#include "datasheet/ui/DatasheetView.h"
#include "formview/ui/FormView.h"
#include "shell/ui/FolderDialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

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

void EditorHarness::clickNumberCell(int row, Qt::KeyboardModifiers modifiers) {
    DatasheetView* view = window->datasheetView();
    view->scrollTo(view->model()->index(row - 1, 0));
    QHeaderView* header = view->verticalHeader();
    const int y = header->sectionViewportPosition(row - 1) + header->sectionSize(row - 1) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers,
                      QPoint(header->width() / 2, y));
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
            clickNumberCell(number(1));
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
            else
                qobject_cast<QPlainTextEdit*>(control)->setPlainText(word.section(u' ', 2));
        } else if (verb == QLatin1String("focus")) {
            control->setFocus();
        } else if (verb == QLatin1String("click")) {
            qobject_cast<QPushButton*>(control)->click();
        } else if (verb == QLatin1String("sheet")) {
            showDatasheet();
        } else if (verb == QLatin1String("open")) {
            if (!openDataFolder())
                return false;
        } else if (verb.contains(u'_')) {
            action(qPrintable(verb))->trigger();
        } else {
            pressKeys(parts);
        }
    }
    return true;
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
