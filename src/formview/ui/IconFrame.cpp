#include "formview/ui/IconFrame.h"

#include "datasheet/CellNumber.h"
#include "formview/ui/FieldRules.h"
#include "formview/ui/FormFields.h"
#include "gamedata/ui/PictureImage.h"
#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "shell/EditorState.h"
#include "shell/GameFolderCheck.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quillon::formview {
namespace {
constexpr int IconScale = 2;
constexpr int IconColumnStart = 25; // unit icons are drawn from this column on
constexpr QSize PictureSize(150, 110);
} // namespace

IconFrame::IconFrame(EditorState& state, platform::Dialogs& dialogs, std::function<void()> changed,
                     QWidget* parent)
    : QGroupBox(parent), state_(state), dialogs_(dialogs), changed_(std::move(changed)),
      box_(new QLineEdit(this)), down_(new QPushButton(QStringLiteral("<"), this)),
      up_(new QPushButton(QStringLiteral(">"), this)), picture_(new QLabel(this)) {
    setObjectName(QStringLiteral("Frame9"));
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label8"));
    label->setAlignment(Qt::AlignCenter);
    box_->setObjectName(QStringLiteral("Text27"));
    box_->setAlignment(Qt::AlignCenter);
    box_->setMaximumWidth(60);
    down_->setObjectName(QStringLiteral("Command7"));
    up_->setObjectName(QStringLiteral("Command8"));
    for (QPushButton* button : {down_, up_}) {
        button->setFixedWidth(28);
    }
    picture_->setObjectName(QStringLiteral("Picture1"));
    picture_->setFixedSize(PictureSize);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setAutoFillBackground(true);
    picture_->setFrameShape(QFrame::StyledPanel);
    setBackground(QApplication::palette().color(QPalette::Button));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setVerticalSpacing(4);
    layout->addWidget(label, 0, 0, 1, 3);
    layout->addWidget(down_, 1, 0);
    layout->addWidget(box_, 1, 1);
    layout->addWidget(up_, 1, 2);
    layout->addWidget(picture_, 2, 0, 1, 3, Qt::AlignHCenter);

    connect(box_, &QLineEdit::textChanged, this, [this] { runIconRule(); });
    connect(down_, &QPushButton::clicked, this, [this] { step(-1); });
    connect(up_, &QPushButton::clicked, this, [this] { step(+1); });
}

void IconFrame::reload(bool unitShown) {
    // A unit on show keeps its number; the text changes (and Undo is
    // enabled) only when the new graphics have no such icon.
    if (!unitShown && box_->text() != QLatin1String("0"))
        box_->setText(QStringLiteral("0"));
    else
        checkAndShow();
}

void IconFrame::runIconRule() {
    changed_();
    checkAndShow();
}

void IconFrame::checkAndShow() {
    if (state_.graphics.IconCount <= 0) {
        // Without icons every number would turn into 0 and be written back:
        // keep the text and show nothing.
        picture_->clear();
        shown_ = Shown::Nothing;
        return;
    }
    const double v = CellNumber(box_->text());
    if (v < 0 || v > state_.graphics.IconCount - 1)
        SetTextIfChanged(box_, QStringLiteral("0"));
    showUnitIcon();
}

void IconFrame::showUnitIcon() {
    const gamedata::Graphics& graphics = state_.graphics;
    if (!graphics.IconsAvailable)
        return;
    picture_->clear();
    shown_ = Shown::Nothing;
    const auto n = RoundHalfEven(CellNumber(box_->text()));
    if (n < 0 || n >= graphics.IconCount)
        return;
    const gamedata::UnitIcon icon = gamedata::ShowUnitIcon(state_.DataFolder, graphics, int(n));
    if (icon.shpMissing) {
        dialogs_.inform(MissingDataFileMessage(
            state_, platform::findNoCase(state_.DataFolder, QStringLiteral("shp.pfp"))));
        return;
    }
    shownNumber_ = n;
    if (!icon.valid || icon.image.isNull()) {
        shown_ = Shown::Invalid;
        setBackground(InvalidBackground());
        refreshTooltip();
        return;
    }
    shown_ = Shown::Icon;
    setBackground(QApplication::palette().color(QPalette::Button));
    refreshTooltip();
    // The blank columns before the icon's own first column are left out of
    // the view so that the icon sits in the middle of its box.
    QImage image = gamedata::ToImage(icon.image);
    if (image.width() > IconColumnStart)
        image = image.copy(IconColumnStart, 0, image.width() - IconColumnStart, image.height());
    // The box shows the middle of an icon too large for it: only that part
    // is scaled, so that no icon costs more than the box.
    const QSize shown = image.size().boundedTo(PictureSize / IconScale);
    if (shown != image.size())
        image = image.copy(QRect(
            QPoint((image.width() - shown.width()) / 2, (image.height() - shown.height()) / 2),
            shown));
    const QImage scaled =
        image.scaled(image.size() * IconScale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    picture_->setPixmap(QPixmap::fromImage(scaled));
}

void IconFrame::refreshTooltip() {
    const i18n::Language language = state_.language();
    if (shown_ == Shown::Invalid)
        picture_->setToolTip(i18n::Message(language, i18n::msg::InvalidPicture));
    else if (shown_ == Shown::Icon)
        picture_->setToolTip(i18n::Message(language, i18n::msg::IconNumber) + QLatin1Char(' ') +
                             QString::number(shownNumber_));
}

void IconFrame::step(int delta) {
    const double v = CellNumber(box_->text());
    if (delta < 0 ? v > 0 : v < state_.graphics.IconCount - 1)
        box_->setText(PlainNumberText(v + delta));
}

void IconFrame::setBackground(const QColor& colour) {
    QPalette palette = picture_->palette();
    palette.setColor(QPalette::Window, colour);
    picture_->setPalette(palette);
}

} // namespace quillon::formview
