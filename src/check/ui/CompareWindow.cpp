#include "check/ui/CompareWindow.h"

#include "i18n/Messages.h"
#include "i18n/ReportTexts.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>

namespace quillon {

namespace {

constexpr int UnknownBytesColumn = 73;

// The unknown bytes are one cell of 120 values: the list shows the ones that differ.
std::pair<QString, QString> ShownValues(const check::CellChange& cell, i18n::Language language) {
    if (cell.column != UnknownBytesColumn)
        return {cell.valueA, cell.valueB};
    QStringList a, b;
    for (const check::ByteChange& change : check::UnknownByteChanges(cell.valueA, cell.valueB)) {
        const QString byte = i18n::Message(language, i18n::report::Byte).arg(change.position);
        a.append(byte + QStringLiteral(": ") + change.valueA);
        b.append(byte + QStringLiteral(": ") + change.valueB);
    }
    return {a.join(QStringLiteral(", ")), b.join(QStringLiteral(", "))};
}

} // namespace

CompareWindow::CompareWindow(QWidget* parent) : ReportWindow("CompareWindow", parent) {
    for (const auto& [name, whole] :
         {std::pair("TakeValues", false), std::pair("TakeUnits", true)}) {
        QPushButton* button = addButton(name);
        auto* item = new QAction(table());
        item->setObjectName(QString::fromLatin1(name));
        table()->addAction(item);
        takeActions_.push_back(item);
        const auto take = [this, whole = whole] {
            if (const auto picks = selectedPicks(whole); !picks.empty())
                emit takeRequested(picks);
        };
        connect(button, &QPushButton::clicked, this, take);
        connect(item, &QAction::triggered, this, take);
        connect(item, &QAction::enabledChanged, button, &QPushButton::setEnabled);
    }
    table()->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(table()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CompareWindow::updateButtons);
    updateButtons();
}

void CompareWindow::updateButtons() {
    const bool any = table()->selectionModel() && table()->selectionModel()->hasSelection();
    for (QAction* item : takeActions_)
        item->setEnabled(any);
}

std::vector<check::DifferencePick> CompareWindow::selectedPicks(bool wholeUnits) const {
    std::vector<check::DifferencePick> picks;
    for (const int entry : selectedEntries()) {
        check::DifferencePick pick = picks_[size_t(entry)];
        if (wholeUnits)
            pick.cell = -1;
        picks.push_back(pick);
    }
    return picks;
}

void CompareWindow::showComparison(const check::Comparison& comparison, const Datasheet& a,
                                   const Datasheet& b, const QStringList& headings,
                                   i18n::Language language, const QString& otherPath) {
    using namespace i18n::msg;
    const auto text = [language](const char* name) { return i18n::Message(language, name); };
    const QStringList titles{text(i18n::report::Unit), headings.value(1),
                             text(i18n::report::Column), text(CompareThisFile),
                             text(CompareOtherFile)};
    std::vector<Entry> entries;
    picks_.clear();
    for (int u = 0; u < int(comparison.units.size()); ++u) {
        const check::UnitDifference& unit = comparison.units[size_t(u)];
        const bool inA = unit.rowA >= 0;
        const int number = inA ? unit.unitA : unit.unitB;
        const QString name = inA ? a.cell(unit.rowA, 1) : b.cell(unit.rowB, 1);
        // In the open file's order; units only in the other one where they would stand.
        const int order = unit.unitA * 2 + (inA ? 1 : 0);
        if (unit.change != check::UnitPresence::Changed) {
            const QString presence = text(inA ? CompareOnlyInThisFile : CompareOnlyInOtherFile);
            // The value columns name the unit in the file that has it.
            entries.push_back({{QString::number(number), name, presence, inA ? name : QString(),
                                inA ? QString() : name},
                               {order * 100, {}, -1}});
            picks_.push_back({u, -1});
            continue;
        }
        for (int c = 0; c < int(unit.cells.size()); ++c) {
            const check::CellChange& cell = unit.cells[size_t(c)];
            const auto [valueA, valueB] = ShownValues(cell, language);
            entries.push_back(
                {{QString::number(number), name,
                  check::FieldHeading(cell.column, headings, language), valueA, valueB},
                 {order * 100 + cell.column, {}, cell.column * 100000 + number}});
            picks_.push_back({u, c});
        }
    }
    QString summary = text(CompareOtherPath).arg(otherPath) + QLatin1Char('\n');
    summary += comparison.equal() ? text(i18n::report::NoDifferences)
                                  : text(CompareSummary)
                                        .arg(comparison.units.size())
                                        .arg(comparison.count(check::UnitPresence::Changed))
                                        .arg(comparison.count(check::UnitPresence::OnlyInA))
                                        .arg(comparison.count(check::UnitPresence::OnlyInB));
    setEntries(titles, std::move(entries), summary);
    updateButtons();
}

} // namespace quillon
