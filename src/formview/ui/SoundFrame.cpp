#include "formview/ui/SoundFrame.h"

#include "sound/ui/SoundPlayback.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace quillon::formview {

SoundFrame::SoundFrame(EditorState& state, platform::Dialogs& dialogs, platform::WavePlayer& player,
                       QWidget* parent)
    : QGroupBox(parent), state_(state), dialogs_(dialogs), player_(player) {
    setObjectName(QStringLiteral("Frame7"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setVerticalSpacing(3);
    for (int i = 0; i < ListCount; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("SoundLabel%1").arg(i + 1));
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("Combo%1").arg(5 + i));
        list->setMinimumContentsLength(9);
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("Command%1").arg(4 + i));
        button->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
        button->setFixedWidth(32);
        // The name above its list, so that long names in any language fit.
        layout->addWidget(label, 2 * i, 0, 1, 2);
        layout->addWidget(list, 2 * i + 1, 0);
        layout->addWidget(button, 2 * i + 1, 1);
        layout->setColumnStretch(0, 1);
        connect(button, &QPushButton::clicked, this, [this, list] {
            sound::PlayListEntry(state_, dialogs_, player_, list->currentText());
        });
        labels_.append(label);
        lists_.append(list);
        buttons_.append(button);
    }
}

void SoundFrame::setEntries(const QStringList& entries) {
    for (QComboBox* list : std::as_const(lists_)) {
        const QString shown = list->currentText();
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(entries);
        const int again = entries.indexOf(shown);
        list->setCurrentIndex(again >= 0 ? again : (entries.isEmpty() ? -1 : 0));
    }
    entries_ = entries;
}

} // namespace quillon::formview
