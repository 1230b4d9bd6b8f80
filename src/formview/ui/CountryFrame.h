#pragma once

#include "gamedata/Picture.h"

#include <QGroupBox>
#include <QList>
#include <QStringList>
#include <QVector>

class QCheckBox;
class QLabel;

namespace quillon::formview {

// The "Country" frame (Frame8): one check box per nation (Check1_0 ..
// Check1_31) beside its flag (Picture2_0 .. Picture2_31). The tooltips come
// from the game's lists, not from the language tables.
class CountryFrame : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int BoxCount = 32;

    explicit CountryFrame(QWidget* parent = nullptr);

    QCheckBox* box(int i) const { return boxes_[i]; }
    const QList<QCheckBox*>& boxes() const { return boxes_; }
    QLabel* flag(int i) const { return flags_[i]; }
    // Box i with its flag and name, the area that shows it highlighted.
    const QList<QWidget*>& cells() const { return cells_; }

    // Flag k goes beside box k; flags beyond the boxes have no place.
    void setFlags(const QVector<gamedata::Picture>& flags);
    void setTooltips(const QStringList& nationTips, const QStringList& flagTips);
    // The nations' names beside their flags (the last box has its caption).
    void setNationNames(const QStringList& names);

private:
    QList<QCheckBox*> boxes_;
    QList<QLabel*> flags_;
    QList<QLabel*> names_;
    QList<QWidget*> cells_;
};

} // namespace quillon::formview
