#pragma once

#include <QGroupBox>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillon {
struct EditorState;
namespace platform {
class Dialogs;
}
} // namespace quillon

namespace quillon::formview {

// The "Icon" frame (Frame9): "<" (Command7), the icon id box (Text27), ">"
// (Command8), the label Label8 and the unit icon (Picture1). Every change of
// the box runs the icon id rule: numbers outside 0..IconCount-1 become "0",
// then the icon is drawn at twice its size.
class IconFrame : public QGroupBox {
    Q_OBJECT
public:
    IconFrame(EditorState& state, platform::Dialogs& dialogs, std::function<void()> changed,
              QWidget* parent = nullptr);

    QLineEdit* box() const { return box_; }
    QPushButton* downButton() const { return down_; }
    QPushButton* upButton() const { return up_; }
    QLabel* picture() const { return picture_; }

    // After a game folder check: the icon of the box's number again, or
    // icon 0 when no unit is shown yet.
    void reload(bool unitShown);
    // The picture's tooltip in the current language.
    void refreshTooltip();

    static QColor InvalidBackground() { return QColor(255, 128, 128); }

private:
    void runIconRule();
    void checkAndShow(); // the rule without enabling Undo
    void showUnitIcon();
    void step(int delta);
    void setBackground(const QColor& colour);

    enum class Shown { Nothing, Icon, Invalid };
    Shown shown_ = Shown::Nothing;
    qint64 shownNumber_ = 0;

    EditorState& state_;
    platform::Dialogs& dialogs_;
    std::function<void()> changed_;
    QLineEdit* box_;
    QPushButton* down_;
    QPushButton* up_;
    QLabel* picture_;
};

} // namespace quillon::formview
