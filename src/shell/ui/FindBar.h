#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace quillon {

// The find bar beneath both views ("FindBar"): what to look for
// ("FindText"), whether to look in every cell and the descriptions too
// ("FindEverywhere"), Previous / Next, a note on how the last search went
// ("FindNote") and Close. Enter looks forward, Shift+Enter back, Esc closes.
class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(QWidget* parent = nullptr);

    QString query() const;
    bool everywhere() const;
    QLineEdit* field() const { return field_; }

    // Shows the bar with its text selected and the keyboard focus in it.
    void open();
    // An empty note clears it; a problem is shown in red.
    void setNote(const QString& note, bool problem = false);
    QString note() const;

signals:
    void findRequested(bool backwards);
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void closeBar();

    QLineEdit* field_;
    QCheckBox* everywhere_;
    QLabel* note_;
};

} // namespace quillon
