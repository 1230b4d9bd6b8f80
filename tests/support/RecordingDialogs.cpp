#include "support/RecordingDialogs.h"

namespace quillon::testing {

void RecordingDialogs::inform(const QString& text) {
    informed.append(text);
}

bool RecordingDialogs::ask(const QString& text) {
    asked.append(text);
    return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

void RecordingDialogs::clear() {
    informed.clear();
    asked.clear();
    answers.clear();
}

} // namespace quillon::testing
