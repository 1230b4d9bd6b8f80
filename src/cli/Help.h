#pragma once

#include "cli/CliCommon.h"

namespace quillon::cli {

QList<Command> AllCommands();

// The whole command line, the program's name first: what quillon-cli prints
// and the exit status it ends with.
int RunCommandLine(const QStringList& arguments);

QString UsageText(); // the commands' syntax, for a usage error
QString HelpText();  // --help
// The same texts as a manual page (man(7) macros).
QString ManPage(const QString& version);

} // namespace quillon::cli
