#include "gamedata/TextLists.h"

#include <algorithm>
#include <array>

namespace quillon::gamedata {

namespace {

constexpr int MaxNationNames = 51;
constexpr int MaxNationBoxes = 32; // nation check boxes and flag pictures of the form view

// The items of a list entry: every line but comments ("#" first).
QStringList ListItems(const QByteArray& container, const GameIndex& index, const QString& name) {
    const int found = FindPfpEntry(index, name);
    if (found < 0)
        return {};
    QStringList items = ReadTextEntry(container, index.PfpIndex[found]);
    items.removeIf([](const QString& line) { return line.startsWith(u'#'); });
    return items;
}

// The marker counts only from the line's third character on, so the group
// number at the start of a heading line does not match by accident.
bool IsMarkerLine(const QString& line, const QString& marker) {
    return line.size() >= 3 && line.indexOf(marker, 2, Qt::CaseInsensitive) >= 0;
}

struct MiscGroup {
    const char* marker;
    int lines;
    QStringList TextLists::*target;
    bool trimmed;
};

constexpr std::array<MiscGroup, 5> MiscGroups{{
    {"11", 11, &TextLists::moveMethods, false},
    {"5", 5, &TextLists::targetTypes, true},
    {"5", 5, &TextLists::defenceTips, true},
    {"4", 4, &TextLists::transports, false},
    {"2", 2, &TextLists::moveMedia, false},
}};

// Reads the counted groups of MISC; stops at the container's end, leaving
// the groups that were not reached empty.
void ReadMisc(const QByteArray& container, const IndexRecord& entry, TextLists& lists) {
    qint64 position = entry.offset;
    std::optional<QString> line = ReadContainerLine(container, position);
    for (const MiscGroup& group : MiscGroups) {
        const QString marker = QString::fromLatin1(group.marker);
        while (line && !IsMarkerLine(*line, marker))
            line = ReadContainerLine(container, position);
        if (!line)
            return;
        line = ReadContainerLine(container, position); // the line after the marker
        for (int taken = 0; line && taken < group.lines; ++taken) {
            line = ReadContainerLine(container, position);
            if (line)
                (lists.*group.target).append(group.trimmed ? TrimBlanks(*line) : *line);
        }
        if (!line)
            return;
    }
}

QString FirstLineAt(const QByteArray& container, qint64 position) {
    return TrimBlanks(ReadContainerLine(container, position).value_or(QString()));
}

// The number after the last description the index can give: entries are
// matched in ascending order from "0" on, so the walk ends at the first
// name that is not a larger unit number.
int DescriptionsIndexed(const GameIndex& index, int first) {
    int last = -1;
    for (int i = first; i >= 0 && i <= index.PfpLast(); ++i) {
        const QString name = NormaliseEntryName(index.PfpIndex[i].name);
        const int n = name.toInt();
        if (name != QString::number(n) || n <= last || n >= MaxPfpRecords)
            break;
        last = n;
    }
    return last + 1;
}

// Description entries stand in ascending numeric order; a number without
// an entry keeps its place with the placeholder.
void ReadDescriptions(const QByteArray& container, const GameIndex& index,
                      QStringList& longDescriptions, int minCount) {
    int i = FindPfpEntry(index, QStringLiteral("0"));
    const int count = std::max(minCount, DescriptionsIndexed(index, i));
    QStringList descriptions;
    descriptions.reserve(count);
    QString name = i >= 0 ? NormaliseEntryName(index.PfpIndex[i].name) : QString();
    for (int k = 0; k < count; ++k) {
        if (i >= 0 && name == QString::number(k)) {
            descriptions.append(FirstLineAt(container, index.PfpIndex[i].offset));
            if (i < index.PfpLast())
                name = NormaliseEntryName(index.PfpIndex[++i].name);
        } else {
            descriptions.append(DescriptionPlaceholder(k));
        }
    }
    longDescriptions = std::move(descriptions);
}

} // namespace

QString DescriptionPlaceholder(int unitNumber) {
    return QLatin1Char(' ') + QString::number(unitNumber) + QStringLiteral(".txt");
}

void CoverUnits(QStringList& longDescriptions, int unitCount) {
    if (longDescriptions.isEmpty())
        return;
    longDescriptions.reserve(unitCount);
    for (qsizetype k = longDescriptions.size(); k < unitCount; ++k)
        longDescriptions.append(DescriptionPlaceholder(int(k)));
}

void LoadTextLists(const QByteArray& container, const GameIndex& index, TextLists& lists,
                   QStringList& longDescriptions, int minCount) {
    lists = TextLists{};
    if (FindPfpEntry(index, QStringLiteral("CLASSES")) < 0)
        return;
    lists.classes = ListItems(container, index, QStringLiteral("CLASSES"));

    const QStringList nations = ListItems(container, index, QStringLiteral("NATIONS"));
    for (const QString& nation : nations.first(std::min<qsizetype>(nations.size(), MaxNationNames)))
        lists.NationNames.append(TrimBlanks(nation));
    lists.nationTooltips = nations.first(std::min<qsizetype>(nations.size(), MaxNationBoxes));

    const QStringList flags = ListItems(container, index, QStringLiteral("BIGNATS"));
    lists.flagTooltips = flags.first(std::min<qsizetype>(flags.size(), MaxNationBoxes));

    lists.specials = ListItems(container, index, QStringLiteral("SPECIALS"));

    const int misc = FindPfpEntry(index, QStringLiteral("MISC"));
    if (misc >= 0)
        ReadMisc(container, index.PfpIndex[misc], lists);

    ReadDescriptions(container, index, longDescriptions, std::max(MinDescriptions, minCount));
}

} // namespace quillon::gamedata
