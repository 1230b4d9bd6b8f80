#include "check/ui/CheckWindow.h"

#include "i18n/ReportTexts.h"

#include <QPushButton>

namespace quillon {

CheckWindow::CheckWindow(QWidget* parent) : ReportWindow("CheckWindow", parent) {
    connect(addButton("Refresh"), &QPushButton::clicked, this, &CheckWindow::refreshRequested);
}

void CheckWindow::showReport(const check::CheckReport& report, const QStringList& headings,
                             i18n::Language language) {
    using namespace i18n::report;
    problems_ = report.problems;
    const auto text = [language](const char* name) { return i18n::Message(language, name); };
    const QStringList titles{text(Unit),  headings.value(1), text(Column),
                             text(Value), text(Kind),        text(Reason)};
    std::vector<Entry> entries;
    entries.reserve(problems_.size());
    for (const check::Problem& p : problems_) {
        const int kind = int(check::SeverityOf(p.kind)) * 100 + int(p.kind);
        entries.push_back(
            {{QString::number(p.unit), p.name, check::ProblemHeading(p, headings, language),
              p.value, check::SeverityText(check::SeverityOf(p.kind), language),
              check::ReasonText(p, language)},
             // Within a column, by unit; kinds by severity first.
             {p.unit,
              {},
              p.column * 100000 + p.unit,
              {},
              kind * 100000 + p.unit,
              int(p.kind) * 100000 + p.unit}});
    }
    QString summary = check::SummaryText(report, language);
    if (const QString notChecked = check::NotCheckedText(report, language); !notChecked.isEmpty())
        summary += QLatin1Char('\n') + notChecked;
    setEntries(titles, std::move(entries), summary);
}

} // namespace quillon
