#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;

namespace quillon {
struct EditorState;
namespace platform {
class Dialogs;
class WavePlayer;
} // namespace platform
} // namespace quillon

namespace quillon::formview {

// The "Sounds" frame (Frame7): the move, attack and death sound lists
// (Combo5, Combo6, Combo7), each with its play button (Command4, Command5,
// Command6).
class SoundFrame : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int ListCount = 3;

    SoundFrame(EditorState& state, platform::Dialogs& dialogs, platform::WavePlayer& player,
               QWidget* parent = nullptr);

    QComboBox* list(int i) const { return lists_[i]; }
    QPushButton* playButton(int i) const { return buttons_[i]; }
    QLabel* label(int i) const { return labels_[i]; }

    // Rebuilds the three lists; each keeps the entry it showed when that
    // entry is still there.
    void setEntries(const QStringList& entries);
    const QStringList& entries() const { return entries_; }

private:
    EditorState& state_;
    platform::Dialogs& dialogs_;
    platform::WavePlayer& player_;
    QStringList entries_;
    QList<QComboBox*> lists_;
    QList<QPushButton*> buttons_;
    QList<QLabel*> labels_;
};

} // namespace quillon::formview
