#include "shell/ui/SetupDialog.h"

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

// The texts the dialog shows before any language has been applied (the
// first start without a configuration).
struct LanguageOption {
    const char* name;
    const char* designText;
    i18n::Language language;
};
constexpr LanguageOption Options[] = {
    {"Option1", "English", i18n::Language::English},
    {"Option2", "German", i18n::Language::German},
    {"Option3", "French", i18n::Language::French},
};

const char* const DesignExplanation =
    "This tool needs to know where Korvath is installed and which language you prefer. Click "
    "the language you prefer to see all program texts in it, then type the full path of the "
    "folder where Korvath is installed, and click 'Use' to go on editing equipment.";

} // namespace

SetupDialog::SetupDialog(QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(new QLineEdit(this)), languages_(new QButtonGroup(this)),
      use_(new QPushButton(QStringLiteral("Use"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("Form3"));
    auto* explanation = new QLabel(QString::fromLatin1(DesignExplanation), this);
    explanation->setObjectName(QStringLiteral("Label1"));
    explanation->setWordWrap(true);

    auto* folderFrame = new QGroupBox(QStringLiteral("Korvath Game folder"), this);
    folderFrame->setObjectName(QStringLiteral("Frame2"));
    folder_->setObjectName(QStringLiteral("Text1"));
    folder_->installEventFilter(this);
    auto* folderLayout = new QVBoxLayout(folderFrame);
    folderLayout->addWidget(folder_);
    folderLayout->addStretch();

    auto* languageFrame = new QGroupBox(QStringLiteral("Language"), this);
    languageFrame->setObjectName(QStringLiteral("Frame1"));
    auto* languageLayout = new QVBoxLayout(languageFrame);
    for (const LanguageOption& option : Options) {
        auto* button = new QRadioButton(QString::fromLatin1(option.designText), languageFrame);
        button->setObjectName(QString::fromLatin1(option.name));
        languages_->addButton(button, int(option.language));
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

    connect(use_, &QPushButton::clicked, this, &SetupDialog::useClicked);
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
