#pragma once

#include "i18n/Language.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace quillon::cli {

// ExitFound: check and diff found problems or differences.
enum ExitCode { ExitOk = 0, ExitFailure = 1, ExitUsage = 2, ExitFound = 3 };

// The arguments of one command after its name.
struct CommandLine {
    QStringList positional;
    QHash<QString, QString> values; // "--game" -> folder, "-o" -> file
    QSet<QString> flags;            // "--descriptions"
};

// A command of quillon-cli: its syntax and what runs once the arguments fit.
struct Command {
    QString name;
    QString usage; // e.g. "export FOLDER [--game G] [-o FILE]"
    QStringList valueOptions;
    QStringList flagOptions;
    int positionals = 0; // positional arguments required
    int (*run)(const CommandLine&) = nullptr;
    int optionalPositionals = 0; // how many more positional arguments may follow
};

// Parses `args` against `command`'s syntax; false (and `error`) when they do
// not fit.
bool ParseCommandLine(const Command& command, const QStringList& args, CommandLine& parsed,
                      QString& error);

// Settings of the editor installation beside this executable: the game
// folder (overridden by --game) and the language of messages.
struct CliSettings {
    QString gameFolder; // ends with '/', may be empty
    i18n::Language language = i18n::Language::English;
};
CliSettings SettingsFor(const CommandLine& line);

// A folder argument as an absolute folder ending with '/'.
QString FolderArgument(const QString& argument);

// The 74 English headings; without game data the nations are "Nation 0".."Nation 30".
QStringList EnglishHeadings(const QStringList& nationNames = {});

// Tab-separated text: cells joined by TAB, lines ended by CR LF, Windows-1252.
// TAB, CR and LF inside a cell become blanks so that the table stays a table.
QByteArray TableText(const QList<QStringList>& lines);
// Makes the TABs, CRs and LFs of one cell's characters blanks.
inline void BlankTableSeparators(QChar* first, QChar* last) {
    for (QChar* c = first; c != last; ++c) {
        if (*c == u'\t' || *c == u'\r' || *c == u'\n')
            *c = u' ';
    }
}

void WriteStdout(const QByteArray& bytes);
void PrintMessage(const QString& text); // stdout, line ends of the terminal
void PrintError(const QString& text);   // stderr

} // namespace quillon::cli
