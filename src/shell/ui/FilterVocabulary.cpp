#include "shell/ui/FilterVocabulary.h"

#include "formview/ui/FormFields.h"
#include "i18n/Messages.h"
#include "shell/EditorState.h"

namespace quillon {

FilterVocabulary FilterVocabularyFor(const EditorState& state) {
    const i18n::Language language = state.language();
    const i18n::Language languages[] = {language, i18n::Language::English};
    FilterVocabulary vocabulary;
    for (const i18n::Language names : languages) {
        const QStringList headings = i18n::ColumnHeadings(names, state.lists.NationNames);
        for (int column = 0; column < headings.size(); ++column)
            vocabulary.columnNames.append({headings[column], column});
    }
    for (const i18n::Language names : languages)
        vocabulary.columnNames.append(formview::FieldLabels(names));
    // The columns of the form's drop-down lists, and the target type.
    const gamedata::TextLists& lists = state.lists;
    const std::pair<int, const QStringList*> sources[] = {
        {2, &lists.classes},     {formview::TargetTypeColumn, &lists.targetTypes},
        {19, &lists.moveMedia},  {20, &lists.moveMethods},
        {32, &lists.transports}, {66, &lists.specials},
        {67, &lists.specials},   {68, &lists.specials},
        {69, &lists.specials},
    };
    for (const auto& [column, entries] : sources)
        vocabulary.listEntries.insert(column, *entries);
    vocabulary.andWords.append(i18n::Message(language, i18n::msg::FilterAnd));
    return vocabulary;
}

} // namespace quillon
