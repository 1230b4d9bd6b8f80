#include "formview/ui/CountryFrame.h"

#include "gamedata/ui/PictureImage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace quillon::formview {
namespace {
constexpr int Columns = 8;
constexpr QSize FlagBox(26, 16);

// A nation's name takes the room its cell has and is cut short (with an
// ellipsis; the tooltip has it whole) only where that room ends.
class NationName : public QLabel {
public:
    explicit NationName(QWidget* parent) : QLabel(parent) {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    void setName(const QString& name) {
        name_ = name;
        setToolTip(name);
        fit();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        fit();
    }

private:
    void fit() { setText(fontMetrics().elidedText(name_, Qt::ElideRight, width())); }
    QString name_;
};

} // namespace

CountryFrame::CountryFrame(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("Frame8"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(5);
    for (int i = 0; i < BoxCount; ++i) {
        auto* cell = new QWidget(this);
        auto* row = new QHBoxLayout(cell);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(3);
        auto* box = new QCheckBox(cell);
        box->setObjectName(QStringLiteral("Check1_%1").arg(i));
        auto* flag = new QLabel(cell);
        flag->setObjectName(QStringLiteral("Picture2_%1").arg(i));
        flag->setMinimumSize(FlagBox);
        flag->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        row->addWidget(box);
        row->addWidget(flag);
        auto* name = new NationName(cell);
        name->setObjectName(QStringLiteral("NationName_%1").arg(i));
        row->addWidget(name, 1);
        names_.append(name);
        layout->addWidget(cell, i / Columns, i % Columns);
        boxes_.append(box);
        flags_.append(flag);
        cells_.append(cell);
    }
    for (int column = 0; column < Columns; ++column)
        layout->setColumnStretch(column, 1);
    boxes_.last()->setText(QStringLiteral("Unused"));
    names_.last()->hide();
}

void CountryFrame::setFlags(const QVector<gamedata::Picture>& flags) {
    for (int k = 0; k < BoxCount; ++k) {
        if (k < flags.size() && !flags[k].isNull())
            flags_[k]->setPixmap(QPixmap::fromImage(gamedata::ToImage(flags[k])));
        else
            flags_[k]->clear();
    }
}

void CountryFrame::setTooltips(const QStringList& nationTips, const QStringList& flagTips) {
    for (int k = 0; k < BoxCount; ++k) {
        boxes_[k]->setToolTip(nationTips.value(k));
        flags_[k]->setToolTip(flagTips.value(k));
    }
}

} // namespace quillon::formview

namespace quillon::formview {

void CountryFrame::setNationNames(const QStringList& names) {
    for (int k = 0; k + 1 < BoxCount; ++k)
        static_cast<NationName*>(names_[k])->setName(names.value(k));
}

} // namespace quillon::formview
