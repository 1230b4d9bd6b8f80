#include "shell/ui/FolderBrowser.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QTimer>
#include <QTreeView>

namespace quillon {

FolderBrowser::FolderBrowser(QStringList patterns, QWidget* parent)
    : QWidget(parent), patterns_(std::move(patterns)), model_(new QFileSystemModel(this)),
      tree_(new QTreeView(this)), files_(new QListWidget(this)) {
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QDir::rootPath());
    tree_->setObjectName(QStringLiteral("Dir1"));
    tree_->setModel(model_);
    tree_->setHeaderHidden(true);
    for (int column = 1; column < model_->columnCount(); ++column)
        tree_->hideColumn(column);
    tree_->setMinimumSize(220, 220);
    files_->setObjectName(QStringLiteral("File1"));
    files_->setMinimumWidth(160);
    files_->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_, 3);
    layout->addWidget(files_, 2);

    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FolderBrowser::onTreeCurrentChanged);
    // The model reads folders in the background: bring the chosen one into
    // view once its parents have arrived.
    // The model reads and sorts folders in the background: follow it for a
    // moment after a folder was chosen, until the chosen one can be shown.
    connect(model_, &QFileSystemModel::directoryLoaded, this, &FolderBrowser::followModel);
    connect(model_, &QAbstractItemModel::layoutChanged, this, &FolderBrowser::followModel);
    connect(files_, &QListWidget::itemDoubleClicked, this, &FolderBrowser::fileActivated);
    setFolder(QDir::rootPath());
}

bool FolderBrowser::setFolder(const QString& path) {
    const QFileInfo info(path.trimmed());
    if (path.trimmed().isEmpty() || !info.isDir() || !info.isReadable() ||
        !QDir(info.absoluteFilePath()).isReadable())
        return false;
    folder_ = QDir::cleanPath(info.absoluteFilePath());
    revealClock_.start();
    revealFolder();
    refreshFiles();
    emit folderChanged(folder_);
    return true;
}

void FolderBrowser::followModel() {
    if (revealClock_.isValid() && !revealClock_.hasExpired(2000))
        revealFolder();
}

// Makes the chosen folder the tree's current item and scrolls to it.
void FolderBrowser::revealFolder() {
    const QModelIndex index = model_->index(folder_);
    if (!index.isValid())
        return;
    if (tree_->currentIndex() != index) {
        settingFolder_ = true;
        tree_->setCurrentIndex(index);
        settingFolder_ = false;
    }
    for (QModelIndex parent = index; parent.isValid(); parent = parent.parent())
        tree_->expand(parent);
    // Scroll once the view has laid out the rows that just arrived.
    QTimer::singleShot(0, tree_, [this] {
        const QModelIndex current = model_->index(folder_);
        if (current.isValid())
            tree_->scrollTo(current);
    });
}

void FolderBrowser::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    revealClock_.start();
    revealFolder(); // a hidden tree cannot scroll
}

void FolderBrowser::onTreeCurrentChanged() {
    if (settingFolder_)
        return;
    const QString path = model_->filePath(tree_->currentIndex());
    if (path.isEmpty() || path == folder_)
        return;
    if (!setFolder(path))
        emit unreadableFolderChosen();
}

void FolderBrowser::refreshFiles() {
    files_->clear();
    QDir dir(folder_);
    dir.setFilter(QDir::Files | QDir::Hidden);
    dir.setNameFilters(patterns_); // name filters ignore case unless told otherwise
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    files_->addItems(dir.entryList());
}

QStringList FolderBrowser::fileNames() const {
    QStringList names;
    for (int i = 0; i < files_->count(); ++i)
        names.append(files_->item(i)->text());
    return names;
}

} // namespace quillon
