#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QStringList>

namespace quillon::testing {

// Records every message and question instead of showing a box; questions
// take their answers from a script (then the default answer).
class RecordingDialogs : public platform::Dialogs {
public:
    void inform(const QString& text) override;
    bool ask(const QString& text) override;

    QStringList informed; // messages, in order
    QStringList asked;    // questions, in order
    QList<bool> answers;  // the next questions' answers, first first
    bool defaultAnswer = false;

    void clear();
};

} // namespace quillon::testing
