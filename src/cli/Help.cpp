// The help of quillon-cli, kept once as data: --help prints it, and the
// build turns it into the manual page.
#include "cli/Help.h"

#include "cli/Commands.h"
#include "shell/Configuration.h"

#include <QRegularExpression>

namespace quillon::cli {

namespace {

struct Item {
    QString term;
    QString text;
};
struct Section {
    QString heading;
    QList<Item> items;
};

const char* const Summary = "quillon-cli works on the equipment files of the wargame Korvath "
                            "(KorEquip.EQP and KorEquip.TXT) as text, for scripts, batch edits "
                            "and version control. It shares its core with the editor, quillon.";

const std::pair<const char*, const char*> CommandTexts[] = {
    {"export", "Writes the units of FOLDER as tab-separated Windows-1252 text with CR LF line "
               "ends: the 74 English column headings, then one line per unit with the cells "
               "exactly as the editor's datasheet shows them. --descriptions adds the long "
               "description as a 75th column; -o writes to FILE instead of standard output."},
    {"import", "Reads such a table (heading line optional, LF or CR LF line ends) and saves it "
               "into FOLDER exactly as the editor's Save does: \"OLD_\" backups of the previous "
               "files and, with the game's data, the rebuilt description container. A 75th "
               "column sets the descriptions."},
    {"info", "Reports what the game folder check finds: index records, text lists, unit icons, "
             "flags and sound files."},
    {"icon", "Writes unit icon N, or all flags, as a PNG picture, --scale times its size."},
    {"check", "Lists what is wrong or suspicious in the units of FOLDER: values a save would "
              "correct, references the game's data cannot serve, availability that cannot "
              "happen, units in no nation, empty or duplicate names and placeholder "
              "descriptions. --tsv writes a tab-separated table instead of a report."},
    {"diff", "Lists the differences between the units of FOLDER_A and FOLDER_B: units only in "
             "one of them and every cell that differs, names and unknown bytes included; "
             "--descriptions compares the long descriptions too. --tsv writes a tab-separated "
             "table instead."},
};

QList<Section> Sections() {
    QList<Section> sections;
    Section commands{QStringLiteral("Commands"), {}};
    for (const Command& command : AllCommands()) {
        QString text;
        for (const auto& [name, summary] : CommandTexts)
            if (command.name == QLatin1String(name))
                text = QString::fromLatin1(summary);
        commands.items.append({command.usage, text});
    }
    sections.append(commands);
    sections.append(
        {QStringLiteral("Options"),
         {{QStringLiteral("--game G"),
           QStringLiteral("The game folder, instead of the one the editor's configuration names.")},
          {QStringLiteral("-h, --help"), QStringLiteral("Shows this help.")},
          {QStringLiteral("-v, --version"), QStringLiteral("Shows the version.")}}});
    sections.append(
        {QStringLiteral("Files"),
         {{QString::fromLatin1(ConfigurationFileName),
           QStringLiteral("The editor's configuration: beside quillon-cli, or else in the user's "
                          "configuration folder (~/.config/Quillon on Linux). Its gamefolder= "
                          "line names the game folder, its nationalit= line the language of "
                          "the messages.")}}});
    sections.append({QStringLiteral("Exit status"),
                     {{QStringLiteral("0"), QStringLiteral("Success.")},
                      {QStringLiteral("1"), QStringLiteral("A reported failure: the message is "
                                                           "on standard error, and nothing is "
                                                           "half-written.")},
                      {QStringLiteral("2"), QStringLiteral("Bad usage.")},
                      {QStringLiteral("3"), QStringLiteral("check found errors or warnings, or "
                                                           "diff found differences.")}}});
    return sections;
}

// `text` broken into lines of at most `width` characters after `indent`.
QString wrapped(const QString& text, int indent, int width = 79) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QString out, line;
    for (const QString& word : text.split(blanks, Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && indent + line.size() + 1 + word.size() > width) {
            out += QString(indent, QLatin1Char(' ')) + line + QLatin1Char('\n');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        out += QString(indent, QLatin1Char(' ')) + line + QLatin1Char('\n');
    return out;
}

// Text for a man page line: backslashes and hyphens escaped, and no line
// that starts like a request.
QString roff(QString text) {
    text.replace(QLatin1Char('\\'), QStringLiteral("\\e"))
        .replace(QLatin1Char('-'), QStringLiteral("\\-"));
    if (text.startsWith(QLatin1Char('.')) || text.startsWith(QLatin1Char('\'')))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

const QStringList SynopsisLines = {QStringLiteral("quillon-cli COMMAND [ARGUMENTS]"),
                                   QStringLiteral("quillon-cli --help | --version")};

} // namespace

QList<Command> AllCommands() {
    return {ExportCommand(), ImportCommand(), InfoCommand(),
            IconCommand(),   CheckCommand(),  DiffCommand()};
}

QString UsageText() {
    QString text = QStringLiteral("usage:");
    for (const Command& command : AllCommands())
        text += QStringLiteral("\n  quillon-cli ") + command.usage;
    return text;
}

QString HelpText() {
    QString text = QStringLiteral("Usage: ") + SynopsisLines.join(QStringLiteral("\n       ")) +
                   QStringLiteral("\n\n") + wrapped(QString::fromLatin1(Summary), 0);
    for (const Section& section : Sections()) {
        text += QLatin1Char('\n') + section.heading + QStringLiteral(":\n");
        for (const Item& item : section.items)
            text += QStringLiteral("  ") + item.term + QLatin1Char('\n') + wrapped(item.text, 6);
    }
    text.chop(1); // PrintMessage ends the last line
    return text;
}

QString ManPage(const QString& version) {
    QString page =
        QStringLiteral(".TH QUILLON\\-CLI 1 \"\" \"quillon\\-cli %1\" \"User Commands\"\n"
                       ".SH NAME\nquillon\\-cli \\- the equipment files of Korvath as "
                       "text\n.SH SYNOPSIS\n")
            .arg(roff(version));
    for (const QString& line : SynopsisLines)
        page += QStringLiteral(".B ") + roff(line) + QStringLiteral("\n.br\n");
    page += QStringLiteral(".SH DESCRIPTION\n") + roff(QString::fromLatin1(Summary)) +
            QLatin1Char('\n');
    for (const Section& section : Sections()) {
        page += QStringLiteral(".SH ") + roff(section.heading.toUpper()) + QLatin1Char('\n');
        for (const Item& item : section.items)
            page += QStringLiteral(".TP\n.B ") + roff(item.term) + QLatin1Char('\n') +
                    roff(item.text) + QLatin1Char('\n');
    }
    return page;
}

} // namespace quillon::cli
