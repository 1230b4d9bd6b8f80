#pragma once

// Names of the texts of the unit check and the comparison of two equipment
// files, looked up with Message(). "%1".."%4" mark the values filled in.
namespace quillon::i18n::report {

inline constexpr char Error[] = "ReportError";
inline constexpr char Warning[] = "ReportWarning";
inline constexpr char Note[] = "ReportNote";
inline constexpr char Unit[] = "ReportUnit";
inline constexpr char Column[] = "ReportColumn";
inline constexpr char Heading[] = "ReportHeading";
inline constexpr char Value[] = "ReportValue";
inline constexpr char Severity[] = "ReportSeverity";
inline constexpr char Kind[] = "ReportKind";
inline constexpr char Reason[] = "ReportReason";

// Reasons of the check; %1 is what a save stores, a count or a limit.
inline constexpr char NotANumber[] = "CheckNotANumber";
inline constexpr char OutOfRange[] = "CheckOutOfRange";
inline constexpr char NotWhole[] = "CheckNotWhole";
inline constexpr char UnknownBytes[] = "CheckUnknownBytes";
inline constexpr char NameNotStorable[] = "CheckNameNotStorable";
inline constexpr char CharactersNotStorable[] = "CheckCharactersNotStorable";
inline constexpr char NameBlanks[] = "CheckNameBlanks";
inline constexpr char NoSuchIcon[] = "CheckNoSuchIcon";
inline constexpr char NotInList[] = "CheckNotInList";
inline constexpr char NoSoundFile[] = "CheckNoSoundFile";
inline constexpr char ExpiresFirst[] = "CheckExpiresFirst";
inline constexpr char NotAMonth[] = "CheckNotAMonth";
inline constexpr char NoNation[] = "CheckNoNation";
inline constexpr char EmptyName[] = "CheckEmptyName";
inline constexpr char DuplicateName[] = "CheckDuplicateName";
inline constexpr char PlaceholderDescription[] = "CheckPlaceholderDescription";
inline constexpr char EmptyDescription[] = "CheckEmptyDescription";

// The check's summary and what it could not check without the game.
inline constexpr char CheckSummary[] = "CheckSummary"; // units, errors, warnings, notes
inline constexpr char NotChecked[] = "CheckNotChecked";
inline constexpr char AreaIcons[] = "CheckAreaIcons";
inline constexpr char AreaLists[] = "CheckAreaLists";
inline constexpr char AreaSounds[] = "CheckAreaSounds";
inline constexpr char AreaDescriptions[] = "CheckAreaDescriptions";

// The comparison of file A (the open one) with file B (the other one).
inline constexpr char Change[] = "DiffChange";
inline constexpr char Changed[] = "DiffChanged";
inline constexpr char OnlyInA[] = "DiffOnlyInA";
inline constexpr char OnlyInB[] = "DiffOnlyInB";
inline constexpr char NumberInB[] = "DiffNumberInB"; // unit number in B
inline constexpr char ValueInA[] = "DiffValueInA";
inline constexpr char ValueInB[] = "DiffValueInB";
inline constexpr char UnitInA[] = "DiffUnitInA";
inline constexpr char UnitInB[] = "DiffUnitInB";
inline constexpr char Byte[] = "DiffByte";           // position of an unknown byte
inline constexpr char DiffSummary[] = "DiffSummary"; // differing, changed, only A, only B
inline constexpr char NoDifferences[] = "DiffNoDifferences";

} // namespace quillon::i18n::report
