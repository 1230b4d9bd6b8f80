#include "formview/ui/CountryFrame.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace quillon::formview {
namespace {
constexpr int Columns = 8;
constexpr QSize FlagBox(34, 22);
} // namespace

CountryFrame::CountryFrame(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("Frame8"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setHorizontalSpacing(10);
    layout->setVerticalSpacing(2);
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
        row->addStretch();
        layout->addWidget(cell, i / Columns, i % Columns);
        boxes_.append(box);
        flags_.append(flag);
    }
    boxes_.last()->setText(QStringLiteral("Unused"));
}

void CountryFrame::setFlags(const QVector<QImage>& flags) {
    for (int k = 0; k < BoxCount; ++k) {
        if (k < flags.size() && !flags[k].isNull())
            flags_[k]->setPixmap(QPixmap::fromImage(flags[k]));
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
