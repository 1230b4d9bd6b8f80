#include "shell/ui/MainWindow.h"

#include "check/ui/CheckWindow.h"
#include "check/ui/CompareWindow.h"
#include "datasheet/ui/DatasheetPage.h"
#include "datasheet/ui/DatasheetView.h"
#include "formview/ui/AboutWindow.h"
#include "formview/ui/FormView.h"
#include "formview/ui/HowToWindow.h"
#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "platform/ui/ProgramIcon.h"
#include "shell/ui/FindBar.h"
#include "shell/ui/FolderDialogs.h"
#include "shell/ui/SetupDialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <functional>

namespace quillon {

namespace {
#ifdef Q_OS_MACOS
constexpr bool TypingWithAlt = true;
#else
constexpr bool TypingWithAlt = false;
#endif
} // namespace

MainWindow::MainWindow(platform::Dialogs& dialogs, platform::WavePlayer& player,
                       QString programFolder, QString defaultGameFolder, QString userConfigFolder,
                       QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), player_(player),
      programFolder_(std::move(programFolder)), defaultGameFolder_(std::move(defaultGameFolder)),
      userConfigFolder_(std::move(userConfigFolder)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(i18n::EditorName());
    setWindowIcon(platform::ProgramIcon());

    views_ = new QStackedWidget(this);
    formView_ = new FormView(state_, dialogs_, player_, this);
    auto* formArea = new QScrollArea(views_);
    formArea->setWidget(formView_);
    formArea->setWidgetResizable(true);
    formArea->setFrameShape(QFrame::NoFrame);
    datasheetPage_ = new DatasheetPage(state_.datasheet, views_);
    datasheetView_ = datasheetPage_->view();
    // The grid keeps a usable minimum and is clipped rather than shrunk below it.
    datasheetView_->setMinimumSize(400, 200);
    views_->addWidget(formArea);
    views_->addWidget(datasheetPage_);
    // The find bar serves both views, beneath them.
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(views_, 1);
    findBar_ = new FindBar(central);
    column->addWidget(findBar_);
    setCentralWidget(central);

    setupDialog_ = new SetupDialog(this);
    locateDialog_ = new LocateGameDialog(this);
    openDialog_ = new OpenDialog(this);
    saveAsDialog_ = new SaveAsDialog(this);

    buildMenu();

    connect(formView_, &FormView::scrollDatasheetTo, datasheetView_,
            &DatasheetView::scrollToRowTop);
    connect(datasheetView_, &DatasheetView::sortRequested, this, &MainWindow::onSortRequested);
    connect(datasheetView_, &DatasheetView::unitChosen, this, &MainWindow::ShowChosenUnit);
    connect(openDialog_, &OpenDialog::confirmed, this, &MainWindow::onOpenConfirmed);
    connect(saveAsDialog_, &SaveAsDialog::confirmed, this, &MainWindow::onSaveAsConfirmed);
    connect(setupDialog_, &SetupDialog::useClicked, this, &MainWindow::onSetupConfirmed);
    connect(setupDialog_, &SetupDialog::cancelClicked, this, &MainWindow::onSetupCancelled);
    locateDialog_->setWindowModality(Qt::ApplicationModal);
    connect(setupDialog_, &SetupDialog::browseRequested, this,
            [this] { locateDialog_->showAt(setupDialog_->folderText()); });
    connect(locateDialog_, &LocateGameDialog::confirmed, this, &MainWindow::onLocateConfirmed);
    connect(locateDialog_, &LocateGameDialog::cancelled, this, [this] {
        setupDialog_->show();
        setupDialog_->raise();
    });
    for (FolderDialog* dialog :
         {static_cast<FolderDialog*>(openDialog_), static_cast<FolderDialog*>(saveAsDialog_),
          static_cast<FolderDialog*>(locateDialog_)}) {
        connect(dialog, &FolderDialog::unreadableFolderChosen, this, [this, dialog] {
            dialogs_.inform(i18n::Message(state_.language(), i18n::msg::DriveNotResponding));
            dialog->setFolder(QDir::rootPath());
        });
    }
    qApp->installEventFilter(this);
    // The form view needs about 1280 x 800 to show a whole unit at once.
    const QSize wanted(1280, 800);
    const QRect available = screen() ? screen()->availableGeometry() : QRect(QPoint(), wanted);
    resize(wanted.boundedTo(available.size()));
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    // The views read the state, which is destroyed before the QWidget base
    // deletes its children: take them down first, and let the history, which
    // goes with the children, go quietly.
    undoStack_->blockSignals(true);
    delete views_;
}

QAction* MainWindow::addMenuAction(QMenu* menu, const char* name, const QKeySequence& shortcut,
                                   std::function<void()> slot) {
    auto* item = new QAction(designCaption(name), this);
    item->setObjectName(QString::fromLatin1(name));
    item->setShortcut(shortcut);
    connect(item, &QAction::triggered, this, std::move(slot));
    menu->addAction(item);
    return item;
}

// English until a language is applied.
QString MainWindow::designCaption(const char* name) {
    return i18n::CaptionWithAccessKey(i18n::Language::English, u"Form1", QString::fromLatin1(name));
}

void MainWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    auto addMenu = [&](const char* name) {
        QMenu* menu = bar->addMenu(designCaption(name));
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    QMenu* file = addMenu("mnu_file");
    addMenuAction(file, "mnu_open", QKeySequence(Qt::CTRL | Qt::Key_O),
                  std::bind_front(&MainWindow::onOpen, this));
    file->addSeparator();
    addMenuAction(file, "mnu_save", QKeySequence(Qt::CTRL | Qt::Key_S),
                  std::bind_front(&MainWindow::onSave, this));
    addMenuAction(file, "mnu_save_as", QKeySequence(Qt::CTRL | Qt::Key_A),
                  std::bind_front(&MainWindow::onSaveAs, this));
    addMenuAction(file, "mnu_compare", QKeySequence(),
                  std::bind_front(&MainWindow::onCompare, this));
    file->addSeparator();
    addMenuAction(file, "mnu_exit", QKeySequence(Qt::CTRL | Qt::Key_Q),
                  std::bind_front(&MainWindow::onExit, this));

    QMenu* edit = addMenu("mnu_edit");
    buildUndoActions(edit);
    addMenuAction(edit, "mnu_copy", QKeySequence(Qt::CTRL | Qt::Key_C),
                  std::bind_front(&MainWindow::onCopy, this));
    addMenuAction(edit, "mnu_paste", QKeySequence(Qt::CTRL | Qt::Key_V),
                  std::bind_front(&MainWindow::onPaste, this));
    edit->addSeparator();
    addMenuAction(edit, "mnu_ins_after", QKeySequence(Qt::CTRL | Qt::Key_I),
                  [this] { changeUnitRows(UnitRowChange::Kind::InsertAfter); });
    addMenuAction(edit, "mnu_ins_before", QKeySequence(Qt::CTRL | Qt::Key_B),
                  [this] { changeUnitRows(UnitRowChange::Kind::InsertBefore); });
    addMenuAction(edit, "del_unit", QKeySequence(Qt::CTRL | Qt::Key_D),
                  [this] { changeUnitRows(UnitRowChange::Kind::Delete); });
    buildFindAndFilter(edit);
    buildCheckAndCompare(edit);

    // A command in the menu bar itself; the '&' of its caption gives its
    // access key (Alt+T in English; see followHowToKeys for the others).
    auto* spread = new QAction(designCaption("mnu_spread"), this);
    spread->setObjectName(QStringLiteral("mnu_spread"));
    connect(spread, &QAction::triggered, this, &MainWindow::ToggleView);
    bar->addAction(spread);

    QMenu* setup = addMenu("mnu_setup");
    // The how-to promises Alt+S for the setup window in every language.
    addMenuAction(setup, "mnu_folders", QKeySequence(Qt::Key_F12),
                  std::bind_front(&MainWindow::onSetupMenu, this))
        ->setShortcuts({QKeySequence(Qt::Key_F12), QKeySequence(Qt::ALT | Qt::Key_S)});
    addMenuAction(setup, "mnu_tips", QKeySequence(Qt::Key_F2),
                  std::bind_front(&MainWindow::onToggleTooltips, this));

    QMenu* help = addMenu("mnu_help");
    addMenuAction(help, "mnu_howto", QKeySequence(Qt::Key_F1), [this] { formView_->showHowTo(); });
    addMenuAction(help, "mnu_about", QKeySequence(Qt::CTRL | Qt::Key_F1),
                  [this] { formView_->showAbout(); });
    followHowToKeys();
}

// The how-to promises Alt+T for the view toggle in every language; where the
// caption's own access key is another letter, Alt+T is added to it.
void MainWindow::followHowToKeys() {
    QAction* spread = action(QStringLiteral("mnu_spread"));
    const QKeySequence altT(Qt::ALT | Qt::Key_T);
    spread->setShortcut(QKeySequence::mnemonic(spread->text()) == altT ? QKeySequence() : altT);
}

QAction* MainWindow::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

bool MainWindow::datasheetShown() const {
    return views_->currentWidget() == datasheetPage_;
}

void MainWindow::showDatasheet(bool on) {
    views_->setCurrentIndex(on ? 1 : 0);
    updateUndoActions(); // edits not yet taken in count in the form view only
}

void MainWindow::setInsertDeleteEnabled(bool on) {
    insertDeleteWanted_ = on;
    applyInsertDeleteState();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (routeUndoKeys(watched, event))
        return true;
    // A key pressed with Alt is a command: an access key (handled as a
    // shortcut before this) or nothing. It never types into a field or picks
    // a list entry. Ctrl+Alt is AltGr on some systems and types on, and so
    // does Option (Alt) on macOS, where it is how accented letters are typed.
    if (!TypingWithAlt && event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        !qobject_cast<QMenu*>(watched) && !qobject_cast<QMenuBar*>(watched)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers held = key->modifiers();
        if (held.testFlag(Qt::AltModifier) && !held.testFlag(Qt::ControlModifier) &&
            !key->text().isEmpty() && key->text().front().isPrint())
            return true;
    }
    // In the form view Copy and Paste act on the long description whichever
    // field has the focus, so the fields' own clipboard keys must not win.
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
        formView_->isAncestorOf(static_cast<QWidget*>(watched))) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Ctrl+A is Save As here, not the fields' select-all.
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) ||
            key->matches(QKeySequence::SelectAll)) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::endProgram() {
    if (ended_)
        return;
    ended_ = true;
    for (QWidget* window :
         {static_cast<QWidget*>(setupDialog_), static_cast<QWidget*>(locateDialog_),
          static_cast<QWidget*>(openDialog_), static_cast<QWidget*>(saveAsDialog_)})
        window->hide();
    if (QWidget* howTo = formView_->howTo())
        howTo->hide();
    if (QWidget* about = formView_->aboutWindow())
        about->hide();
    for (QWidget* report :
         {static_cast<QWidget*>(checkWindow_), static_cast<QWidget*>(compareWindow_)}) {
        if (report)
            report->hide();
    }
    hide();
    emit programEnding();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the window ends the program at once, without asking.
    event->accept();
    endProgram();
}

} // namespace quillon
