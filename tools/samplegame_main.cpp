// quillon-samplegame: writes a synthetic game folder (or only the equipment
// files) for tests, benchmarks and demonstrations.
#include "samplegame/SampleGame.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {

bool readCount(const QCommandLineParser& parser, const QString& name, int low, int high,
               int& value) {
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int parsed = parser.value(name).toInt(&ok);
    if (!ok || parsed < low || parsed > high) {
        std::fprintf(stderr, "--%s must be a whole number from %d to %d\n", qPrintable(name), low,
                     high);
        return false;
    }
    value = parsed;
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillon-samplegame"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes a synthetic Korvath game folder made of invented data."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QStringLiteral("Folder to write (created if needed)."));
    using quillon::samplegame::MaxEquipmentUnits;
    using quillon::samplegame::MaxGameUnits;
    using quillon::samplegame::MaxIcons;
    parser.addOptions({
        {QStringLiteral("units"),
         QStringLiteral("Number of units (default 1100): 1 to %1 for a game, whose index holds "
                        "at most 32767 records; 1 to %2 with --equipment-only.")
             .arg(MaxGameUnits)
             .arg(MaxEquipmentUnits),
         QStringLiteral("N")},
        {QStringLiteral("icons"),
         QStringLiteral("Number of unit icons (default 400, at most %1).").arg(MaxIcons),
         QStringLiteral("N")},
        {QStringLiteral("sounds"), QStringLiteral("Number of sound files (default 8)."),
         QStringLiteral("N")},
        {QStringLiteral("seed"), QStringLiteral("Seed of the generator (default 1)."),
         QStringLiteral("S")},
        {QStringLiteral("equipment-only"),
         QStringLiteral("Write only KorEquip.EQP and KorEquip.TXT into FOLDER, for example a "
                        "folder beside a complete game, whose data then serves them.")},
    });
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        std::fprintf(stderr, "%s", qPrintable(parser.helpText()));
        return 2;
    }

    quillon::samplegame::Options options;
    int seed = int(options.seed);
    const bool equipmentOnly = parser.isSet(QStringLiteral("equipment-only"));
    if (!equipmentOnly && parser.value(QStringLiteral("units")).toInt() > MaxGameUnits) {
        std::fprintf(stderr,
                     "A game of more than %d units does not fit the index of 32767 records. "
                     "Write a larger equipment file with --equipment-only into a folder beside "
                     "a complete game.\n",
                     MaxGameUnits);
        return 2;
    }
    if (!readCount(parser, QStringLiteral("units"), 1,
                   equipmentOnly ? MaxEquipmentUnits : MaxGameUnits, options.units) ||
        !readCount(parser, QStringLiteral("icons"), 1, MaxIcons, options.icons) ||
        !readCount(parser, QStringLiteral("sounds"), 0, 8999, options.sounds) ||
        !readCount(parser, QStringLiteral("seed"), 0, 2147483647, seed))
        return 2;
    options.seed = unsigned(seed);

    const QString folder = QDir(parser.positionalArguments().constFirst()).absolutePath();
    if (equipmentOnly) {
        if (!quillon::samplegame::WriteEquipmentFiles(folder, options.units, options.seed)) {
            std::fprintf(stderr, "Cannot write the equipment files into %s\n",
                         qPrintable(QDir::toNativeSeparators(folder)));
            return 1;
        }
        std::printf("Equipment files written to %s (%d units)\n",
                    qPrintable(QDir::toNativeSeparators(folder)), options.units);
        return 0;
    }
    if (!quillon::samplegame::WriteSampleGame(folder, options)) {
        std::fprintf(stderr, "Cannot write the sample game into %s\n",
                     qPrintable(QDir::toNativeSeparators(folder)));
        return 1;
    }
    std::printf("Sample game written to %s (%d units, %d icons, %d sounds)\n",
                qPrintable(QDir::toNativeSeparators(folder)), options.units, options.icons,
                options.sounds);
    return 0;
}
