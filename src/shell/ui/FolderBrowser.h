#pragma once

#include <QElapsedTimer>
#include <QStringList>
#include <QWidget>

class QFileSystemModel;
class QListWidget;
class QListWidgetItem;
class QTreeView;

namespace quillon {

// A folder tree ("Dir1") beside a list of the chosen folder's files
// ("File1") that match the name patterns, letter case ignored. Stands in
// for the drive, folder and file lists of the dialogs that pick a folder.
class FolderBrowser : public QWidget {
    Q_OBJECT
public:
    explicit FolderBrowser(QStringList patterns, QWidget* parent = nullptr);

    // The chosen folder, without a trailing separator except for the root.
    QString folder() const { return folder_; }
    // Points the tree and the file list at `path`. False (nothing changed)
    // when the folder does not exist or cannot be read.
    bool setFolder(const QString& path);
    QStringList fileNames() const; // what the file list shows

    QTreeView* folderTree() const { return tree_; }
    QListWidget* fileList() const { return files_; }

signals:
    void folderChanged(const QString& folder);
    // The user picked a folder that cannot be read; the browser stays put.
    void unreadableFolderChosen();
    void fileActivated();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void onTreeCurrentChanged();
    void revealFolder();
    void followModel();
    void refreshFiles();

    QStringList patterns_;
    QFileSystemModel* model_;
    QTreeView* tree_;
    QListWidget* files_;
    QString folder_;
    bool settingFolder_ = false;
    QElapsedTimer revealClock_;
};

} // namespace quillon
