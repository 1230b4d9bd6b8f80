// quillon-manpage VERSION FILE: writes quillon-cli's manual page, made from
// the texts its --help prints, so that the two never differ.
#include "cli/Help.h"
#include "platform/Files.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fputs("usage: quillon-manpage VERSION FILE\n", stderr);
        return 2;
    }
    const QByteArray page = quillon::cli::ManPage(args[1]).toUtf8();
    if (!quillon::platform::writeWholeFile(args[2], page)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
