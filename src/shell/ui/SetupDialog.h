#pragma once

#include "i18n/Language.h"

#include <QWidget>

class QButtonGroup;
class QLineEdit;
class QPushButton;

namespace quillon {

// "Form3": the game folder (Text1, double-click browses) and the language
// (Option1..3). The main window carries out confirm and cancel.
class SetupDialog : public QWidget {
    Q_OBJECT
public:
    explicit SetupDialog(QWidget* parent);

    QString folderText() const;
    void setFolderText(const QString& text);
    i18n::Language selectedLanguage() const;
    void selectLanguage(i18n::Language language);
    QPushButton* useButton() const { return use_; }
    QPushButton* cancelButton() const { return cancel_; }

signals:
    void useClicked();
    void cancelClicked();
    void browseRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLineEdit* folder_;
    QButtonGroup* languages_;
    QPushButton* use_;
    QPushButton* cancel_;
};

} // namespace quillon
