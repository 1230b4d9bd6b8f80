#include "gamedata/Graphics.h"

#include "platform/Files.h"

#include <QFile>

namespace quillon::gamedata {

namespace {

// shp.pfp is read at most once per check, and only when an indexed section
// needs it.
class ShpFile {
public:
    explicit ShpFile(const QString& dataFolder)
        : path(platform::findNoCase(dataFolder, "shp.pfp")) {}
    const QByteArray* bytes() {
        if (!tried) {
            tried = true;
            contents = platform::readWholeFile(path);
        }
        return contents ? &*contents : nullptr;
    }

private:
    QString path;
    bool tried = false;
    std::optional<QByteArray> contents;
};

void LoadFlags(const GameIndex& index, ShpFile& shp, Graphics& graphics, GraphicsReport& report) {
    const int entry = FindPfpEntry(index, QStringLiteral("FLAGSLG"));
    if (entry < 0)
        return;
    const QByteArray* file = shp.bytes();
    if (!file) {
        report.shpMissing = true;
        return;
    }
    graphics.flags.clear();
    // Flags may share their bytes: together they may claim no more pixels
    // than the whole file could fill.
    qint64 budget = MaxPixelsPerCodeByte * file->size();
    QByteArray data;
    const QVector<qint64> starts =
        ReadSectionDirectory(*file, index.PfpIndex[entry].offset, ShownFlags);
    for (qsizetype k = 0; k < starts.size(); ++k) {
        const std::optional<ImageHeader> header = ReadImage(*file, starts[k], data);
        Picture flag;
        // Flags keep their own first column; unit icons do not.
        if (header && CanvasPixels(*header, header->x0) <= budget)
            flag = DecodeToImage(*header, data, graphics.palette, header->x0);
        if (flag.isNull())
            report.invalidFlags.append(int(k) + 1);
        else
            budget -= qint64(flag.width()) * flag.height();
        graphics.flags.append(flag);
    }
}

void LoadIconDirectory(const GameIndex& index, ShpFile& shp, Graphics& graphics,
                       GraphicsReport& report) {
    const int entry = FindPfpEntry(index, QStringLiteral("UNITICON"));
    if (entry < 0)
        return; // a directory from an earlier check stays in use
    graphics.IconsAvailable = true;
    const QByteArray* file = shp.bytes();
    if (!file) {
        report.shpMissing = true;
        return;
    }
    graphics.IconStart = ReadSectionDirectory(*file, index.PfpIndex[entry].offset);
    graphics.IconCount = int(graphics.IconStart.size());
}

} // namespace

GraphicsReport LoadGraphics(const QString& dataFolder, const GameIndex& index, Graphics& graphics) {
    GraphicsReport report;
    const std::optional<QByteArray> pal =
        platform::readWholeFile(platform::findNoCase(dataFolder, "pal.pfp"));
    if (!pal)
        report.paletteMissing = true;
    else if (!LoadPalette(*pal, graphics.palette))
        report.paletteShort = true;

    ShpFile shp(dataFolder);
    LoadFlags(index, shp, graphics, report);
    LoadIconDirectory(index, shp, graphics, report);
    return report;
}

UnitIcon ShowUnitIcon(const QString& dataFolder, const Graphics& graphics, int n) {
    UnitIcon icon;
    if (!graphics.IconsAvailable)
        return icon;
    QFile file(platform::findNoCase(dataFolder, "shp.pfp"));
    if (!platform::fileExists(file.fileName()) || !file.open(QIODevice::ReadOnly)) {
        icon.shpMissing = true;
        return icon;
    }
    if (n < 0 || n >= graphics.IconStart.size() || !file.seek(graphics.IconStart[n]))
        return icon;
    // Only this image is needed, not the whole container.
    const QByteArray bytes = file.read(ImageHeaderSize + MaxImageData);
    QByteArray data;
    const std::optional<ImageHeader> header = ReadImage(bytes, 0, data);
    if (!header || !header->valid())
        return icon;
    icon.image = DecodeToImage(*header, data, graphics.palette, 25);
    icon.valid = !icon.image.isNull();
    return icon;
}

} // namespace quillon::gamedata
