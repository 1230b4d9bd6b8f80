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
    QByteArray data;
    for (const qint64 start : ReadSectionDirectory(*file, index.PfpIndex[entry].offset)) {
        const std::optional<ImageHeader> header = ReadImage(*file, start, data);
        if (!header || !header->valid()) {
            ++report.invalidFlags;
            graphics.flags.append(QImage());
            continue;
        }
        // Flags keep their own first column; unit icons do not.
        graphics.flags.append(DecodeToImage(*header, data, graphics.palette, header->x0));
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
    if (pal)
        LoadPalette(*pal, graphics.palette);
    else
        report.paletteMissing = true;

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
