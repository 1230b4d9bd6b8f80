#pragma once

#include <QWidget>
#include <functional>
#include <memory>

namespace quillon {

struct EditorState;
class UnitChange;
namespace formview {
class AboutWindow;
class HowToWindow;
} // namespace formview
namespace platform {
class Dialogs;
class WavePlayer;
} // namespace platform

// The form view: one unit of the datasheet field by field. It lives inside
// the main window (beneath the datasheet grid) and carries the controls
// Text1..Text28, Combo1..Combo12, Option1..Option5, Check1_0..Check1_31,
// Picture1, Picture2_0..Picture2_31, Picture3..Picture22, Command1..Command9
// and the frames Frame1..Frame18, Label1..Label8 as object names.
class FormView : public QWidget {
    Q_OBJECT
public:
    FormView(EditorState& state, platform::Dialogs& dialogs, platform::WavePlayer& player,
             QWidget* parent = nullptr);
    ~FormView() override;

    // Fills every field from datasheet row `row` and remembers that row as
    // the one the form shows: commits go there, wherever the datasheet's
    // current cell has moved since.
    void ShowUnitInForm(int row);
    int shownRow() const;

    // Writes the fields back into columns 1..72 of the shown row (15, 25,
    // 28 as they were when shown; the unit number is never written) and the
    // description into LongDescriptions; empties the system clipboard. A
    // commit that changes nothing leaves EquipmentChanged as it was.
    void CommitFormToGrid();
    // The fields differ from what the shown unit had when it was shown or
    // last committed.
    bool hasUncommittedEdits() const;
    // ... and the one edit is a description pasted with Paste.
    bool onlyDescriptionPasted() const;

    // Where commits go, to be done by the sink (through the history of
    // changes): the change and whether the one edit was a pasted
    // description. Without a sink a commit writes the datasheet itself.
    using CommitSink =
        std::function<void(std::unique_ptr<UnitChange> change, bool descriptionPasted)>;
    void setCommitSink(CommitSink sink);

    // Double-click / Enter on the datasheet: Prev/Next enabled per row, row
    // shown.
    void showFromDatasheet(int row);

    // Takes in the shown unit's edits as "Next Unit" does (the file counts
    // as changed), then shows datasheet row `row`.
    void commitAndShow(int row);

    // The rows were reordered (a save sorts them): the unit the form shows now
    // stands in `row`. The fields keep what they hold; Prev/Next follow.
    void followShownUnit(int row);

    // After a game folder check: lists, option captions, value-picture tips,
    // flags, sound lists and the icon are rebuilt from the state.
    void reloadReferenceData();

    // Button states the main window sets (start-up, opening a file).
    void setPrevEnabled(bool on);   // Command1
    void setNextEnabled(bool on);   // Command2
    void setUndoEnabled(bool on);   // Command3
    void setSelectEnabled(bool on); // Command9

    // Edit menu in the form view: the long description through the private
    // DescriptionBuffer, never the system clipboard.
    void copyDescription();
    void pasteDescription();

    // The help windows: the how-to window (Form4) is created with the form
    // and only shown and hidden; the About window (frmAbout) lives from its
    // first use until its OK button discards it (null then).
    formview::HowToWindow* howTo() const;
    void showHowTo();
    formview::AboutWindow* aboutWindow() const;
    void showAbout();

    // After the window has applied a language: the help windows' texts and
    // the form's own texts that the language tables do not name (value and
    // sound names, the icon's tooltip).
    void applyLanguage();
    // The tooltip switch (F2) for the help windows; captions stay.
    void applyTooltips();

signals:
    // The datasheet should scroll so that `row` is its first visible row.
    void scrollDatasheetTo(int row);
    // A field changed, a unit was shown or committed: whether there are
    // uncommitted edits may have changed.
    void formChanged();

private:
    struct Private;
    Private* d;
};

} // namespace quillon
