#pragma once

#include "datasheet/FilterCondition.h"
#include "i18n/Language.h"

#include <QPalette>
#include <QWidget>

class QLabel;
class QLineEdit;

namespace quillon {

class Datasheet;
class DatasheetFilter;
class DatasheetView;

// The datasheet view: the filter field ("FilterText") with the reason a
// filter is not understood ("FilterProblem"), the grid, and beneath it the
// status line ("StatusLine": units shown, the current unit, the filter).
class DatasheetPage : public QWidget {
    Q_OBJECT
public:
    explicit DatasheetPage(Datasheet& sheet, QWidget* parent = nullptr);

    DatasheetView* view() const { return view_; }
    DatasheetFilter* filter() const;
    QLineEdit* filterField() const { return field_; }
    QString problemText() const;
    // What the status line shows (it is written once the event loop runs).
    QString statusText() const;

    // Texts of the reasons and the status line in `language`, and the
    // column and entry names the filter language knows; the filter typed so
    // far is read again with them.
    void applyLanguage(i18n::Language language, FilterVocabulary vocabulary);

signals:
    // The filter came on, went off or changed.
    void filterChanged();

private:
    void refilter();
    void keepCurrentUnitShown();
    void scheduleStatus();

    Datasheet& sheet_;
    DatasheetView* view_;
    QLineEdit* field_;
    QLabel* problem_;
    QLabel* status_;
    QPalette fieldPalette_;
    bool statusPending_ = false;
    i18n::Language language_ = i18n::Language::English;
    FilterVocabulary vocabulary_;
};

} // namespace quillon
