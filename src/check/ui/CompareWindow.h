#pragma once

#include "check/TakeValues.h"
#include "check/ui/ReportWindow.h"

class QAction;

namespace quillon {

// "CompareWindow": every difference between the open file and another one,
// a row per differing cell and per unit only one of them has. The other
// file's values are taken for the selected rows ("TakeValues") or for the
// whole units of the selected rows ("TakeUnits"), from the buttons or the
// list's context menu.
class CompareWindow : public ReportWindow {
    Q_OBJECT
public:
    explicit CompareWindow(QWidget* parent);

    // `a` is the open file, `b` the other one, as compared.
    void showComparison(const check::Comparison& comparison, const Datasheet& a, const Datasheet& b,
                        const QStringList& headings, i18n::Language language,
                        const QString& otherPath);
    const check::DifferencePick& pick(int entry) const { return picks_[size_t(entry)]; }
    // The selected rows' picks; with `wholeUnits` their units whole.
    std::vector<check::DifferencePick> selectedPicks(bool wholeUnits) const;

signals:
    void takeRequested(const std::vector<check::DifferencePick>& picks);

private:
    void updateButtons();

    std::vector<check::DifferencePick> picks_;
    std::vector<QAction*> takeActions_;
};

} // namespace quillon
