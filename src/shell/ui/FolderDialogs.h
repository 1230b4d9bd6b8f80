#pragma once

#include <QStringList>
#include <QWidget>

class QPushButton;

namespace quillon {

class FolderBrowser;

// A non-blocking window that picks a folder: folder tree and file list,
// Command1 confirms, Command2 cancels. Closing or cancelling only hides it,
// so it keeps the folder it showed last.
class FolderDialog : public QWidget {
    Q_OBJECT
public:
    FolderDialog(const QString& objectName, QStringList patterns, QWidget* parent);

    bool setFolder(const QString& path) const;
    // Shows the dialog in front at `path`, or at the nearest folder above it
    // that can be read, with the folder tree taking the keys.
    void showAt(const QString& path);
    // The chosen folder, blanks trimmed, ending in the separator.
    QString chosenFolder() const;
    FolderBrowser* browser() const { return browser_; }
    QPushButton* confirmButton() const { return confirm_; }
    QPushButton* cancelButton() const { return cancel_; }

signals:
    void confirmed(const QString& folder);
    void cancelled();
    void unreadableFolderChosen();

protected:
    void confirm();
    void cancel();
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    FolderBrowser* browser_;
    QPushButton* confirm_;
    QPushButton* cancel_;
};

// "Form2": the folder of the equipment files to open; shows KorEquip.* and
// confirms on a double click in the file list.
class OpenDialog : public FolderDialog {
    Q_OBJECT
public:
    explicit OpenDialog(QWidget* parent);
};

// "Form5": the folder to save the equipment files into; shows every file.
class SaveAsDialog : public FolderDialog {
    Q_OBJECT
public:
    explicit SaveAsDialog(QWidget* parent);
};

// "Form6": the game folder; shows only the game executable.
class LocateGameDialog : public FolderDialog {
    Q_OBJECT
public:
    explicit LocateGameDialog(QWidget* parent);
};

} // namespace quillon
