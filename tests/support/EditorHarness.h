#pragma once

#include "shell/ui/MainWindow.h"
#include "support/RecordingDialogs.h"
#include "support/SampleGameFolder.h"
#include "support/SilentWavePlayer.h"

#include <memory>

class QAbstractItemView;
class QPoint;

namespace quillon::testing {

// The real main window over a sample game in a temporary folder, with the
// message boxes and the audio device replaced by recording doubles.
struct EditorHarness {
    explicit EditorHarness(int units = 10, bool withGame = true);
    ~EditorHarness();

    // Creates the window and runs its start-up.
    MainWindow& start();
    // Runs the start-up again on the window, as a new start of the program
    // would, with the other windows closed and the messages forgotten; a
    // window that does not exist or has ended is created.
    MainWindow& restart();
    // Configures the language (English unless told), starts, opens the
    // game's data folder and, if asked, shows the datasheet; false if any
    // step failed.
    bool startOpen(bool datasheet = false, const QString& languageCode = QStringLiteral("uk"));
    // As startOpen, in `code`'s language, with the window active so that
    // keys reach the focused widget and shortcuts fire.
    bool startActive(const QString& code = QStringLiteral("uk"), bool datasheet = false);
    // Brings the window back to a freshly opened sample game in `code`'s
    // language, active, on the form or the datasheet: other windows closed,
    // the game written anew and started again, messages forgotten. A window
    // that does not exist or has ended is created as by startActive.
    bool reset(bool datasheet = false, const QString& code = QStringLiteral("uk"));
    // Opens the game's data folder through the open dialog.
    bool openDataFolder();

    QAction* action(const char* name) const;
    QString cell(int row, int col) const;
    QStringList column(int col) const; // cells of every unit row
    bool enabled(const char* actionName) const;

    // Mouse on the grid (model coordinates are datasheet row - 1, col - 1).
    void clickCell(int row, int col, Qt::KeyboardModifiers modifiers = {});
    void rightClickGrid(Qt::KeyboardModifiers modifiers = {});
    void showDatasheet(); // switches to the datasheet view through the menu

    // Runs a script of words separated by '|': "cell R C" clicks a cell,
    // "shift R C" with Shift, "number R" a unit's number cell, "sort" right-
    // clicks the grid ("sort shift", "sort ctrl"), "clip TEXT" puts TEXT on
    // the clipboard, "type TEXT" types it into the focused field. On a form
    // control: "set NAME TEXT" fills it (a list: the index), "focus NAME",
    // "click NAME", "hold NAME N" holds Return with N repeats, "wheel NAME"
    // turns the wheel a notch down. "language N" chooses the setup's N-th
    // language (1 English, 2 German, 3 French), "sheet" shows the datasheet, "open"
    // opens the data folder, a name with '_' triggers that menu item, and
    // any other word is keys ("Alt+F", "Return") on the focused widget.
    // False if opening failed.
    bool run(const QString& script);
    // Runs a script with more words and returns what a user saw, parts
    // separated by "; " and the temporary folder shown as "~/". "dclick R
    // C" and "dnumber R" double click, "game N" opens a new game of N units,
    // "yes" answers the next question, "gone FOLDER" takes "data" or the
    // temporary "root" away during the next word, "into copy", "confirm"
    // and "cancel" act in Save As (the root's "copy/"), "block FILE" puts a
    // folder in a data file's place. "=R C" shows a cell, "=NAME" a form
    // field, "=col N" a column, "=undo" the Undo and Redo items ("-" when off, "*" while the file
    // counts as changed), and "=" the view and its unit row, flags, menus and dialogs, the messages
    // by short name and the files saved since the script began, as does the end of a script that
    // does not end in a "=" word.
    QString play(const QString& script);

    SampleGameFolder game;
    RecordingDialogs dialogs;
    SilentWavePlayer player;
    std::unique_ptr<MainWindow> window;
};

// Each key sequence ("Alt+F", "5", "Tab", "Shift+F3") on whatever has the focus.
void pressKeys(const QStringList& keys);

// The whole file, or nothing if it cannot be read.
QByteArray fileBytes(const QString& path);

} // namespace quillon::testing
