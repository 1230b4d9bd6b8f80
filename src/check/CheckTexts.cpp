// How the check's findings read: severity, reason, heading, summary.
#include "check/UnitCheck.h"

#include "i18n/ReportTexts.h"

namespace quillon::check {

namespace {

struct KindInfo {
    ProblemKind kind;
    Severity severity;
    const char* id;
    const char* reason; // name of the reason text
};

// One row per kind, in the order of the enum.
constexpr KindInfo Kinds[] = {
    {ProblemKind::NotANumber, Severity::Error, "not-a-number", i18n::report::NotANumber},
    {ProblemKind::OutOfRange, Severity::Error, "out-of-range", i18n::report::OutOfRange},
    {ProblemKind::NotWhole, Severity::Warning, "not-whole", i18n::report::NotWhole},
    {ProblemKind::UnknownBytes, Severity::Error, "unknown-bytes", i18n::report::UnknownBytes},
    {ProblemKind::NameNotStorable, Severity::Error, "name-not-storable",
     i18n::report::NameNotStorable},
    {ProblemKind::NameBlanks, Severity::Note, "name-blanks", i18n::report::NameBlanks},
    {ProblemKind::CharactersNotStorable, Severity::Error, "characters-not-storable",
     i18n::report::CharactersNotStorable},
    {ProblemKind::NoSuchIcon, Severity::Error, "no-such-icon", i18n::report::NoSuchIcon},
    {ProblemKind::NotInList, Severity::Error, "not-in-list", i18n::report::NotInList},
    {ProblemKind::NoSoundFile, Severity::Error, "no-sound-file", i18n::report::NoSoundFile},
    {ProblemKind::ExpiresFirst, Severity::Error, "expires-first", i18n::report::ExpiresFirst},
    {ProblemKind::NotAMonth, Severity::Error, "not-a-month", i18n::report::NotAMonth},
    {ProblemKind::NoNation, Severity::Warning, "no-nation", i18n::report::NoNation},
    {ProblemKind::EmptyName, Severity::Warning, "empty-name", i18n::report::EmptyName},
    {ProblemKind::DuplicateName, Severity::Note, "duplicate-name", i18n::report::DuplicateName},
    {ProblemKind::PlaceholderDescription, Severity::Warning, "placeholder-description",
     i18n::report::PlaceholderDescription},
    {ProblemKind::EmptyDescription, Severity::Warning, "empty-description",
     i18n::report::EmptyDescription},
};

constexpr bool inEnumOrder() {
    for (size_t i = 0; i < std::size(Kinds); ++i) {
        if (size_t(Kinds[i].kind) != i)
            return false;
    }
    return true;
}
static_assert(inEnumOrder(), "one row per kind, in the order of the enum");

const KindInfo& infoOf(ProblemKind kind) {
    return Kinds[size_t(kind)];
}

constexpr const char* AreaTexts[] = {i18n::report::AreaIcons, i18n::report::AreaLists,
                                     i18n::report::AreaSounds, i18n::report::AreaDescriptions};

} // namespace

Severity SeverityOf(ProblemKind kind) {
    return infoOf(kind).severity;
}

QString KindId(ProblemKind kind) {
    return QString::fromLatin1(infoOf(kind).id);
}

QString SeverityText(Severity severity, i18n::Language language) {
    constexpr const char* Texts[] = {i18n::report::Error, i18n::report::Warning,
                                     i18n::report::Note};
    return i18n::Message(language, Texts[size_t(severity)]);
}

QString ReasonText(const Problem& problem, i18n::Language language) {
    const QString text = i18n::Message(language, infoOf(problem.kind).reason);
    return text.contains(QLatin1String("%1")) ? text.arg(problem.argument) : text;
}

QString FieldHeading(int column, const QStringList& headings, i18n::Language language) {
    if (column == DescriptionColumn)
        return i18n::Caption(language, u"Form1", u"Frame15");
    return headings.value(column);
}

QString ProblemHeading(const Problem& problem, const QStringList& headings,
                       i18n::Language language) {
    if (problem.kind == ProblemKind::NoNation)
        return i18n::Caption(language, u"Form1", u"Frame8");
    return FieldHeading(problem.column, headings, language);
}

QString NotCheckedText(const CheckReport& report, i18n::Language language) {
    if (report.notChecked.empty())
        return {};
    QStringList areas;
    for (const Area area : report.notChecked)
        areas.append(i18n::Message(language, AreaTexts[size_t(area)]));
    return i18n::Message(language, i18n::report::NotChecked).arg(areas.join(QStringLiteral(", ")));
}

QString SummaryText(const CheckReport& report, i18n::Language language) {
    return i18n::Message(language, i18n::report::CheckSummary)
        .arg(report.units)
        .arg(report.count(Severity::Error))
        .arg(report.count(Severity::Warning))
        .arg(report.count(Severity::Note));
}

} // namespace quillon::check
