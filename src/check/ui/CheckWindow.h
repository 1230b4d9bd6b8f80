#pragma once

#include "check/UnitCheck.h"
#include "check/ui/ReportWindow.h"

namespace quillon {

// "CheckWindow": what the unit check found in the open file, one problem a
// row; "Refresh" checks again.
class CheckWindow : public ReportWindow {
    Q_OBJECT
public:
    explicit CheckWindow(QWidget* parent);

    void showReport(const check::CheckReport& report, const QStringList& headings,
                    i18n::Language language);
    const check::Problem& problem(int entry) const { return problems_[size_t(entry)]; }

signals:
    void refreshRequested();

private:
    std::vector<check::Problem> problems_;
};

} // namespace quillon
