#include "shell/ui/SetupDialog.h"

#include "i18n/ui/ApplyLanguageUi.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon {

namespace {

constexpr i18n::Language Languages[] = {i18n::Language::English, i18n::Language::German,
                                        i18n::Language::French};

} // namespace

SetupDialog::SetupDialog(QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(new QLineEdit(this)), languages_(new QButtonGroup(this)),
      use_(new QPushButton(this)), cancel_(new QPushButton(this)) {
    setObjectName(QStringLiteral("Form3"));
    auto* explanation = new QLabel(this);
    explanation->setObjectName(QStringLiteral("Label1"));
    explanation->setWordWrap(true);

    auto* folderFrame = new QGroupBox(this);
    folderFrame->setObjectName(QStringLiteral("Frame2"));
    folder_->setObjectName(QStringLiteral("Text1"));
    folder_->installEventFilter(this);
    auto* folderLayout = new QVBoxLayout(folderFrame);
    folderLayout->addWidget(folder_);
    folderLayout->addStretch();

    auto* languageFrame = new QGroupBox(this);
    languageFrame->setObjectName(QStringLiteral("Frame1"));
    auto* languageLayout = new QVBoxLayout(languageFrame);
    for (const i18n::Language language : Languages) {
        auto* button = new QRadioButton(languageFrame);
        button->setObjectName(QStringLiteral("Option%1").arg(int(language) + 1));
        languages_->addButton(button, int(language));
        languageLayout->addWidget(button);
    }
    selectLanguage(i18n::Language::English);

    use_->setObjectName(QStringLiteral("Command1"));
    cancel_->setObjectName(QStringLiteral("Command2"));
    use_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(use_);
    buttons->addWidget(cancel_);

    auto* choices = new QHBoxLayout;
    choices->addWidget(folderFrame, 3);
    choices->addWidget(languageFrame, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(choices);
    layout->addLayout(buttons);
    resize(520, 260);

    // The first start shows the texts every later one shows, in English.
    i18n::ApplyCaptions(this, i18n::Language::English, objectName());
    connect(use_, &QPushButton::clicked, this, &SetupDialog::useClicked);
    connect(folder_, &QLineEdit::returnPressed, this, &SetupDialog::useClicked);
    connect(cancel_, &QPushButton::clicked, this, &SetupDialog::cancelClicked);
}

QString SetupDialog::folderText() const {
    return folder_->text();
}

void SetupDialog::setFolderText(const QString& text) {
    folder_->setText(text);
}

i18n::Language SetupDialog::selectedLanguage() const {
    const int id = languages_->checkedId();
    return id < 0 ? i18n::Language::English : i18n::Language(id);
}

void SetupDialog::selectLanguage(i18n::Language language) {
    if (QAbstractButton* button = languages_->button(int(language)))
        button->setChecked(true);
}

bool SetupDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == folder_ && event->type() == QEvent::MouseButtonDblClick) {
        emit browseRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SetupDialog::closeEvent(QCloseEvent* event) {
    // Closing the window is a cancel: it may end the program at a first start.
    event->ignore();
    emit cancelClicked();
}

} // namespace quillon
