// Start-up, the configuration, the game folder check, the setup and
// locate-game dialogs, and applying a language to every window.
#include "datasheet/ui/DatasheetModel.h"
#include "datasheet/ui/DatasheetView.h"
#include "formview/ui/FormView.h"
#include "i18n/Messages.h"
#include "i18n/ui/ApplyLanguageUi.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "shell/Configuration.h"
#include "shell/ConfigurationLocation.h"
#include "shell/GameFolderCheck.h"
#include "shell/StartFile.h"
#include "shell/ui/FolderBrowser.h"
#include "shell/ui/FolderDialogs.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/SetupDialog.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

namespace quillon {

void MainWindow::start() {
    state_.FileLoaded = false;
    state_.TooltipsOn = true;
    state_.ProgramFolder = ProgramFolderFrom(programFolder_);
    state_.UserConfigFolder = userConfigFolder_;
    showDatasheet(false);
    setInsertDeleteEnabled(false);
    for (const char* name : {"mnu_save", "mnu_save_as", "mnu_check", "mnu_compare"})
        action(QString::fromLatin1(name))->setEnabled(false);

    if (ReadConfiguration(state_, defaultGameFolder_) == ConfigurationSource::None) {
        // No configuration and no game in the default place: only the setup
        // dialog is seen, and cancelling it ends the program.
        hide();
        showSetupDialog();
    } else {
        setupDialog_->setFolderText(state_.GameFolder);
        RunGameFolderCheck();
        showMainWindow();
        if (!(state_.ExtIndexFound && state_.PfpIndexFound && state_.ConfigLoaded)) {
            setupDialog_->selectLanguage(i18n::Language::English);
            showSetupDialog();
        }
    }

    formView_->setPrevEnabled(false);
    formView_->setNextEnabled(false);
    formView_->setUndoEnabled(false);
    formView_->setSelectEnabled(false);
    action(QStringLiteral("mnu_spread"))->setEnabled(false);
    emptyClipboard();
}

void MainWindow::showMainWindow() {
    show();
    raise();
}

void MainWindow::showSetupDialog() {
    // The main window is not usable while the setup dialog is pending.
    setupDialog_->setWindowModality(Qt::ApplicationModal);
    setupDialog_->show();
    setupDialog_->raise();
    setupDialog_->activateWindow();
}

// Reads the configuration and, when there is one, runs the game folder check.
void MainWindow::ReadConfigurationAndCheck() {
    ReadConfiguration(state_, defaultGameFolder_);
    setupDialog_->setFolderText(state_.GameFolder);
    if (state_.ConfigLoaded)
        RunGameFolderCheck();
}

void MainWindow::RunGameFolderCheck() {
    const QStringList messages = CheckGameFolder(state_);
    for (const QString& message : messages)
        dialogs_.inform(message);
    ApplyLanguage();
    formView_->reloadReferenceData();
}

void MainWindow::ApplyLanguage() {
    const i18n::Language language = state_.language();
    state_.LanguageCode = i18n::LanguageCode(language);
    setupDialog_->selectLanguage(language);
    ApplyColumnHeadings(); // before the captions: a sort step is named by its heading
    ApplyCaptionsEverywhere(language);
    ApplyTooltipsEverywhere();
    formView_->applyLanguage(); // the help windows and the form's own texts
    applyFindAndFilterLanguage();
    refreshReports();
    emptyClipboard();
    showCurrentUnitCell();
}

// The windows that take their texts from the language tables, with their keys.
std::array<std::pair<QWidget*, const char*>, 5> MainWindow::languageWindows() {
    return {{{this, "Form1"},
             {openDialog_, "Form2"},
             {setupDialog_, "Form3"},
             {saveAsDialog_, "Form5"},
             {locateDialog_, "Form6"}}};
}

void MainWindow::ApplyCaptionsEverywhere(i18n::Language language) {
    for (const auto& [window, key] : languageWindows())
        i18n::ApplyCaptions(window, language, QString::fromLatin1(key));
    setWindowTitle(i18n::EditorName());
    followHowToKeys();
    qtTexts_.use(language == i18n::Language::German   ? QStringLiteral("de")
                 : language == i18n::Language::French ? QStringLiteral("fr")
                                                      : QString());
    updateUndoActions(); // the captions just set lack the step
}

void MainWindow::ApplyTooltipsEverywhere() {
    const i18n::Language language = state_.language();
    for (const auto& [window, key] : languageWindows()) {
        if (state_.TooltipsOn)
            i18n::ApplyTooltips(window, language, QString::fromLatin1(key));
        else
            i18n::ClearTooltips(window, QString::fromLatin1(key));
    }
    // The how-to window and the headings' full names follow the same switch.
    formView_->applyTooltips();
    datasheetView_->datasheetModel()->setHeadingTooltips(state_.TooltipsOn);
    applyInsertDeleteState();
}

// Headings into row 0 and the columns sized and aligned for them. The
// current cell stays where it was: with the heading row current, Copy would
// take the headings and Paste overwrite them.
void MainWindow::ApplyColumnHeadings() {
    const QStringList headings = i18n::ColumnHeadings(state_.language(), state_.lists.NationNames);
    Datasheet& sheet = state_.datasheet;
    Datasheet::Row row = sheet.rowCells(0);
    for (int col = 0; col < Datasheet::ColumnCount && col < headings.size(); ++col)
        row[size_t(col)] = headings[col];
    sheet.setRowCells(0, row);
    datasheetView_->applyColumnLayout();
}

void MainWindow::onSetupMenu() {
    setupDialog_->cancelButton()->setEnabled(true);
    showSetupDialog();
}

void MainWindow::onSetupConfirmed() {
    QString folder = setupDialog_->folderText().trimmed();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const bool accepted =
        platform::folderExists(folder) &&
        platform::fileExists(platform::findNoCase(folder, QString::fromLatin1(GameExecutableName)));
    if (!accepted) {
        dialogs_.inform(i18n::Message(state_.language(), i18n::msg::GameFolderNotFound));
        return;
    }
    const i18n::Language language = setupDialog_->selectedLanguage();
    state_.LanguageCode = i18n::LanguageCode(language);
    ApplyCaptionsEverywhere(language);
    state_.GameFolder = folder;
    if (WriteConfiguration(state_)) {
        ReadConfigurationAndCheck();
    } else {
        // The settings still serve this session; the next start asks again.
        dialogs_.inform(i18n::Message(language, i18n::msg::CannotWriteFile) +
                        ConfigurationFileToWrite(state_));
        state_.ConfigLoaded = true;
        RunGameFolderCheck();
    }
    setupDialog_->cancelButton()->setEnabled(true);
    setupDialog_->hide();
    showMainWindow();
    openPendingFile();
}

void MainWindow::onSetupCancelled() {
    if (state_.ConfigLoaded) {
        setupDialog_->hide();
        showMainWindow();
        return;
    }
    dialogs_.inform(QString::fromLatin1(i18n::msg::EndProgram));
    endProgram();
}

void MainWindow::onLocateConfirmed(const QString&) {
    setupDialog_->setFolderText(locateDialog_->browser()->folder().trimmed());
    setupDialog_->show();
    setupDialog_->raise();
}

void MainWindow::OpenAtStart(const QString& path) {
    pendingOpen_ = path;
    if (isVisible())
        openPendingFile();
}

void MainWindow::openPendingFile() {
    if (pendingOpen_.isEmpty())
        return;
    const StartFile start = StartFileFrom(pendingOpen_);
    const QString given = pendingOpen_;
    pendingOpen_.clear();
    if (start.equipmentName)
        onOpenConfirmed(start.folder);
    else
        dialogs_.inform(i18n::Message(state_.language(), i18n::msg::NotEquipmentFile) + given);
}

void MainWindow::emptyClipboard() {
    QGuiApplication::clipboard()->clear();
}

} // namespace quillon
