#include "formview/ui/AboutWindow.h"

#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "platform/ui/ProgramIcon.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace quillon::formview {
namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, bool wrap) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(wrap);
    return label;
}

} // namespace

AboutWindow::AboutWindow(platform::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About ") + i18n::AboutTitle());
    setWindowIcon(platform::ProgramIcon());

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(platform::ProgramIcon().pixmap(64));
    auto* title = makeLabel(this, "lblTitle", i18n::AboutTitle(), false);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    title->setFont(big);
    auto* version = makeLabel(this, "lblVersion", i18n::VersionText(), false);
    description_ = makeLabel(this, "lblDescription", i18n::InitialAboutDescription(), true);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    auto* disclaimer = makeLabel(this, "lblDisclaimer", i18n::Disclaimer(), true);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->addWidget(description_, 2, 1);
    layout->addWidget(line, 3, 0, 1, 2);
    layout->addWidget(disclaimer, 4, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    layout->addLayout(buttons, 5, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    setMinimumWidth(520);

    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(sysInfo, &QPushButton::clicked, this,
            [this] { dialogs_.inform(QString::fromLatin1(i18n::msg::SysInfoUnavailable)); });
}

void AboutWindow::applyLanguage(i18n::Language language) {
    setWindowTitle(i18n::Caption(language, u"frmAbout", u"Caption"));
    description_->setText(i18n::AboutDescription(language));
}

} // namespace quillon::formview
