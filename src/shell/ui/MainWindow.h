#pragma once

#include "check/TakeValues.h"
#include "datasheet/ShownRows.h"
#include "datasheet/UnitChanges.h"
#include "i18n/Language.h"
#include "platform/ui/LongStep.h"
#include "platform/ui/QtTextTranslation.h"
#include "shell/EditorState.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QStackedWidget;
class QTimer;
class QUndoStack;

namespace quillon {

namespace platform {
class Dialogs;
class WavePlayer;
} // namespace platform

class CheckWindow;
class CompareWindow;
class DatasheetPage;
class DatasheetView;
class FindBar;
class FormView;
class LocateGameDialog;
class OpenDialog;
class SaveAsDialog;
class SetupDialog;

// The editor window ("Form1"): the menu, the datasheet grid and beneath it
// the form view, sharing one area. It owns the one EditorState and the
// dialogs (separate windows parented to it).
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(platform::Dialogs& dialogs, platform::WavePlayer& player, QString programFolder,
               QString defaultGameFolder, QString userConfigFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: configuration, game folder check, setup dialog
    // when needed, initial menu and button states, empty clipboard.
    void start();
    // Opens the equipment files named on the command line (a folder, or its
    // KorEquip.EQP) as File > Open does; at a first start, once the setup
    // dialog has found the game.
    void OpenAtStart(const QString& path);

    EditorState& state() { return state_; }
    FormView* formView() const { return formView_; }
    DatasheetView* datasheetView() const { return datasheetView_; }
    DatasheetPage* datasheetPage() const { return datasheetPage_; }
    FindBar* findBar() const { return findBar_; }
    SetupDialog* setupDialog() const { return setupDialog_; }
    LocateGameDialog* locateGameDialog() const { return locateDialog_; }
    OpenDialog* openDialog() const { return openDialog_; }
    SaveAsDialog* saveAsDialog() const { return saveAsDialog_; }
    CheckWindow* checkWindow() const { return checkWindow_; }
    CompareWindow* compareWindow() const { return compareWindow_; }
    QAction* action(const QString& objectName) const;
    bool datasheetShown() const;
    bool programEnded() const { return ended_; }

    // Procedures other windows and tests start.
    void ApplyLanguage();
    void ToggleView();
    bool SaveEquipment(); // false when the save did not complete

    // How the Edit menu's Undo and Redo name a step: a message of the
    // language tables (i18n::msg::Step...) whose %1 is a unit number or a
    // column's heading.
    struct StepName {
        const char* message = nullptr;
        int unit = -1;
        int column = -1;
    };
    // Adds a change to the units to the history of changes, doing it first
    // unless it is `done` already (CellsChange::setting gives one to do).
    void pushUnitChange(std::unique_ptr<UnitChange> change, StepName name, bool done);
    QUndoStack* undoStack() const { return undoStack_; }
    // How long a step runs before its progress dialog shows (tests shorten it).
    void setProgressDelay(int ms) { progressDelay_ = ms; }

signals:
    // The program ends: every window is closed; main() quits the event loop.
    void programEnding();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction (MainWindow.cpp).
    void buildMenu();
    static QString designCaption(const char* name);
    QAction* addMenuAction(QMenu* menu, const char* name, const QKeySequence& shortcut,
                           std::function<void()> slot);
    void followHowToKeys();
    void setInsertDeleteEnabled(bool on);
    void showDatasheet(bool on);
    void endProgram();

    // Datasheet view and editing (MainWindowEditing.cpp).
    void onSortRequested(Qt::KeyboardModifiers modifiers);
    void ShowChosenUnit();
    void onCopy();
    void onPaste();
    void changeUnitRows(UnitRowChange::Kind kind);
    // After whole-sheet operations: a unit cell current, in view.
    void showCurrentUnitCell();
    void onToggleTooltips();

    // Files (MainWindowFiles.cpp).
    void onOpen();
    void onOpenConfirmed(const QString& folder);
    void onSave();
    void onSaveAs();
    void onSaveAsConfirmed(const QString& folder);
    void onExit();
    void LoadEquipment();
    void setFileActionsEnabled(bool on);
    // The busy pointer and, past a second, a progress dialog labelled with
    // this message of the language tables (i18n::msg::Progress...).
    platform::LongStep longStep(const char* message);
    // Save first takes in the form view's edits, as Next would.
    void commitShownUnit();
    // Work that Exit and Open would lose: committed or still in the form.
    bool unsavedChanges() const;

    // The history of changes: Undo and Redo (MainWindowUndo.cpp).
    void buildUndoActions(QMenu* edit);
    void onUndo();
    void onRedo();
    void updateUndoActions();
    // After a step was undone or redone: its cells current, or its unit shown.
    void showStep(const UnitChange& change, bool undone);
    // EquipmentChanged from where the history stands against the file.
    void followSavedState();
    QString menuText(const char* control, const StepName* name) const;
    // Undo and Redo keys in a text field of this window: the field's own
    // while it has typing to take back, else the menu items'.
    bool routeUndoKeys(QObject* watched, QEvent* event);
    // Find, the filter and the status line (MainWindowFind.cpp).
    void buildFindAndFilter(QMenu* edit);
    void findUnit(bool backwards);
    void onFilterMenu();
    // Insert and delete as the view wants them, but off while a filter is on.
    void applyInsertDeleteState();
    void applyFindAndFilterLanguage();
    RowShown rowShown() const;

    // The unit check and the comparison with another file (MainWindowCheck.cpp).
    void buildCheckAndCompare(QMenu* edit);
    void runCheck();
    // Makes the unit's cell current in the datasheet (clearing a filter that
    // hides it), or shows the unit in the form view as Next would.
    void goToUnitCell(int row, int unit, int column);
    void onCompare();
    void compareWith(const QString& folder);
    void refreshComparison();
    void endComparison();
    void takeOtherValues(const std::vector<check::DifferencePick>& picks);
    // The open file changed under the windows: their lists follow.
    void refreshReports();

    // Start-up, setup and languages (MainWindowStartup.cpp).
    void ReadConfigurationAndCheck();
    void RunGameFolderCheck();
    std::array<std::pair<QWidget*, const char*>, 5> languageWindows();
    void ApplyCaptionsEverywhere(i18n::Language language);
    void showSetupDialog();
    void showMainWindow();
    void ApplyTooltipsEverywhere();
    void ApplyColumnHeadings();
    void onSetupMenu();
    void onSetupConfirmed();
    void onSetupCancelled();
    void onLocateConfirmed(const QString& folder);
    void emptyClipboard();
    void openPendingFile();

    platform::Dialogs& dialogs_;
    platform::WavePlayer& player_;
    QString programFolder_;
    QString defaultGameFolder_;
    QString userConfigFolder_;
    QString pendingOpen_;
    EditorState state_;
    platform::QtTextTranslation qtTexts_;
    int progressDelay_ = 1000;

    QStackedWidget* views_ = nullptr;
    FormView* formView_ = nullptr;
    DatasheetView* datasheetView_ = nullptr;
    DatasheetPage* datasheetPage_ = nullptr;
    FindBar* findBar_ = nullptr;
    bool insertDeleteWanted_ = false;
    SetupDialog* setupDialog_ = nullptr;
    LocateGameDialog* locateDialog_ = nullptr;
    OpenDialog* openDialog_ = nullptr;
    SaveAsDialog* saveAsDialog_ = nullptr;
    QUndoStack* undoStack_ = nullptr;
    CheckWindow* checkWindow_ = nullptr;
    CompareWindow* compareWindow_ = nullptr;
    // The file the open one is compared with, as read from its folder.
    struct OtherFile {
        QString path;
        Datasheet sheet;
        std::optional<QStringList> descriptions;
        check::Comparison comparison;
    };
    std::unique_ptr<OtherFile> other_;
    QTimer* compareTimer_ = nullptr;
    bool openForCompare_ = false; // the open dialog picks the file to compare with
    bool ended_ = false;
};

} // namespace quillon
