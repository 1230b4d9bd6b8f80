#include "samplegame/TextContainerGen.h"

#include "samplegame/Bytes.h"
#include "samplegame/GameLists.h"

namespace quillon::samplegame {

namespace {

QByteArray linesEntry(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes.append(toGameText(line) + "\r\n");
    return bytes;
}

QStringList withComment(const QString& comment, const QStringList& items) {
    return QStringList{comment} + items;
}

QStringList miscLines() {
    QStringList lines{QStringLiteral("# Lists of the unit form")};
    for (const MiscGroup& group : miscGroups()) {
        lines << group.markerLine << QStringLiteral("#");
        lines += group.items;
    }
    return lines;
}

const char* const monthNames[] = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};

QString withArticle(const QString& noun) {
    return (QStringLiteral("aeiou").contains(noun.left(1)) ? QStringLiteral("an ")
                                                           : QStringLiteral("a ")) +
           noun;
}

} // namespace

QString unitDescription(const GeneratedUnit& unit) {
    const QString className = withArticle(classNames().value(unit.unitClass).toLower());
    const QString nation = nationNames().value(unit.nation);
    const QString since = QString::fromLatin1(monthNames[(unit.monthAvailable + 11) % 12]) +
                          QStringLiteral(" 19") + QString::number(unit.yearAvailable);
    switch (unit.record.isEmpty() ? 0 : quint8(unit.record.at(48)) % 3) {
    case 0:
        return QStringLiteral("The %1 is %2 of the army of %3, in service from %4.")
            .arg(unit.name, className, nation, since);
    case 1:
        return QStringLiteral("First fielded by %1 in %2, the %3 served as %4 until the end.")
            .arg(nation, since, unit.name, className);
    default:
        return QStringLiteral("%1: %2 built in %3 and available from %4.")
            .arg(unit.name, className, nation, since);
    }
}

Container textContainer(const std::vector<GeneratedUnit>& units) {
    Container container{"txt", {}};
    container.entries.push_back(
        {"CLASSES", linesEntry(withComment(QStringLiteral("# Unit classes"), classNames()))});
    container.entries.push_back(
        {"NATIONS", linesEntry(withComment(QStringLiteral("# Nations"), nationNames()))});
    container.entries.push_back(
        {"BIGNATS",
         linesEntry(withComment(QStringLiteral("# Nations, full names"), nationLongNames()))});
    container.entries.push_back(
        {"SPECIALS",
         linesEntry(withComment(QStringLiteral("# Special abilities"), specialNames()))});
    container.entries.push_back({"MISC", linesEntry(miscLines())});
    for (std::size_t i = 0; i < units.size(); ++i)
        container.entries.push_back(
            {QByteArray::number(qulonglong(i)), linesEntry({unitDescription(units[i]).trimmed()})});
    return container;
}

} // namespace quillon::samplegame
