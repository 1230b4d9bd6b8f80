#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QStringList>

namespace quillon::testing {

// Records every message and question instead of showing a box; questions
// take their answers from a script, then No.
class RecordingDialogs : public platform::Dialogs {
public:
    void inform(const QString& text) override { informed.append(text); }
    bool ask(const QString& text) override {
        asked.append(text);
        return !answers.isEmpty() && answers.takeFirst();
    }
    void clear() {
        informed.clear();
        asked.clear();
        answers.clear();
    }

    QStringList informed; // messages, in order
    QStringList asked;    // questions, in order
    QList<bool> answers;  // the next questions' answers, first first
};

} // namespace quillon::testing
