#pragma once

#include "i18n/Language.h"

#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTableView;

namespace quillon {

// A window beside the main window that lists findings about the units as a
// table the user sorts by clicking a heading: a summary line, the table
// ("ReportList") and a row of buttons ending in "Close". Closing only hides
// it. Its texts come from the caption table under its object name.
class ReportWindow : public QWidget {
    Q_OBJECT
public:
    ReportWindow(const char* objectName, QWidget* parent);

    QTableView* table() const { return table_; }
    QString summaryText() const;
    // Rows of the list as filled (not as sorted), one per entry.
    int entryCount() const;
    QString entryText(int entry, int column) const;
    // The entry shown in row `row` of the table as sorted.
    int entryAt(int row) const;
    // The entries of the selected rows, in the order shown.
    std::vector<int> selectedEntries() const;
    // Sets the window's captions in `language`.
    void applyCaptions(i18n::Language language);

signals:
    // Double-click or Enter on a row.
    void entryChosen(int entry);
    void closed();

protected:
    QPushButton* addButton(const char* objectName);
    // One list row: its texts and, column by column, the number it sorts
    // by (columns without one sort by their text).
    struct Entry {
        QStringList texts;
        std::vector<std::optional<qint64>> sortKeys;
    };
    // Replaces the list, keeping the order the user chose.
    void setEntries(const QStringList& titles, std::vector<Entry> entries, const QString& summary);
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    class EntryModel;
    QLabel* summary_;
    QTableView* table_;
    EntryModel* entries_;
    QWidget* buttons_;
};

} // namespace quillon
