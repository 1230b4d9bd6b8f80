#pragma once

#include "datasheet/FilterCondition.h"

namespace quillon {

struct EditorState;

// The names the datasheet's filter knows the columns by: the headings and
// the form's labels in the language shown, then in English; the game's
// lists for the columns that hold an index into one; "and" and the
// language's own word for it.
FilterVocabulary FilterVocabularyFor(const EditorState& state);

} // namespace quillon
