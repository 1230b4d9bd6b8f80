#include "sound/SoundLists.h"

#include <QDir>
#include <algorithm>

namespace quillon::sound {

namespace {

constexpr int SoundNameLength = 4;
const QLatin1StringView SoundExtension(".mel");

QString TrimBlanks(QStringView text) {
    while (text.startsWith(u' '))
        text = text.sliced(1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text.toString();
}

} // namespace

QStringList ListSoundFiles(const QString& soundFolder) {
    const QDir folder(soundFolder);
    if (soundFolder.isEmpty() || !folder.exists())
        return {};
    QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeIf([](const QString& name) {
        return name.size() != SoundNameLength + SoundExtension.size() ||
               !name.endsWith(SoundExtension, Qt::CaseInsensitive);
    });
    // A fixed order on every platform; exact spelling breaks ties.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int byName = a.compare(b, Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a < b;
    });
    return names;
}

QStringList SoundListEntries(const QString& noSoundEntry, const QStringList& soundFiles) {
    return QStringList{noSoundEntry} + soundFiles;
}

int SelectSoundEntry(const QStringList& entries, QStringView cellText) {
    const QString soundName = TrimBlanks(cellText);
    if (soundName.isEmpty())
        return 0;
    const QString wanted = (soundName + SoundExtension).toUpper();
    int selected = 0;
    for (int i = 0; i < entries.size(); ++i) {
        if (TrimBlanks(entries[i]).toUpper() == wanted)
            selected = i;
    }
    return selected;
}

QString SoundCellText(QStringView listText) {
    return TrimBlanks(listText).left(SoundNameLength);
}

} // namespace quillon::sound
