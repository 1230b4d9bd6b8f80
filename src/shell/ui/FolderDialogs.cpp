#include "shell/ui/FolderDialogs.h"

#include "i18n/ui/ApplyLanguageUi.h"
#include "shell/Configuration.h"
#include "shell/ui/FolderBrowser.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace quillon {

FolderDialog::FolderDialog(const QString& objectName, QStringList patterns, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new FolderBrowser(std::move(patterns), this)),
      confirm_(new QPushButton(this)), cancel_(new QPushButton(this)) {
    setObjectName(objectName);
    confirm_->setObjectName(QStringLiteral("Command1"));
    cancel_->setObjectName(QStringLiteral("Command2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirm_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addLayout(buttons);
    resize(560, 380);

    connect(confirm_, &QPushButton::clicked, this, &FolderDialog::confirm);
    connect(cancel_, &QPushButton::clicked, this, &FolderDialog::cancel);
    connect(browser_, &FolderBrowser::unreadableFolderChosen, this,
            &FolderDialog::unreadableFolderChosen);
    // English until a language is applied (the locate dialog can be reached
    // from the first start's setup window).
    i18n::ApplyCaptions(this, i18n::Language::English, objectName);
}

bool FolderDialog::setFolder(const QString& path) const {
    return browser_->setFolder(path);
}

void FolderDialog::showAt(const QString& path) {
    QString folder = QDir::cleanPath(path.trimmed());
    while (!folder.isEmpty() && !setFolder(folder)) {
        const QString above = QFileInfo(folder).path();
        folder = above == folder ? QString() : above;
    }
    show();
    raise();
    activateWindow();
}

void FolderDialog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    browser_->folderTree()->setFocus();
}

void FolderDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cancel();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FolderDialog::cancel() {
    hide();
    emit cancelled();
}

QString FolderDialog::chosenFolder() const {
    const QString folder = browser_->folder().trimmed();
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

void FolderDialog::confirm() {
    const QString folder = chosenFolder();
    hide();
    emit confirmed(folder);
}

OpenDialog::OpenDialog(QWidget* parent)
    : FolderDialog(QStringLiteral("Form2"), {QStringLiteral("KorEquip.*")}, parent) {
    connect(browser(), &FolderBrowser::fileActivated, this, &OpenDialog::confirm);
}

SaveAsDialog::SaveAsDialog(QWidget* parent)
    : FolderDialog(QStringLiteral("Form5"), {QStringLiteral("*")}, parent) {
    // Never placed by the program: it starts where the process started.
    setFolder(QDir::currentPath());
}

LocateGameDialog::LocateGameDialog(QWidget* parent)
    : FolderDialog(QStringLiteral("Form6"), {QString::fromLatin1(GameExecutableName)}, parent) {}

} // namespace quillon
