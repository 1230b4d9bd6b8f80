#pragma once

// Names of the message texts, so that a typo is a compile error.
namespace quillon::i18n::msg {

inline constexpr char NoSoundEntry[] = "NoSoundEntry";
inline constexpr char CannotFindFile[] = "MsgCannotFindFile";
inline constexpr char InDataFolder[] = "MsgInDataFolder";
inline constexpr char InSoundFolder[] = "MsgInSoundFolder";
inline constexpr char GameFolderNotFound[] = "MsgGameFolderNotFound";
inline constexpr char SaveChangesFirst[] = "MsgSaveChangesFirst";
inline constexpr char InvalidPicture[] = "MsgInvalidPicture";
inline constexpr char CannotFindFolder[] = "MsgCannotFindFolder";
inline constexpr char FolderUnavailable[] = "MsgFolderUnavailable";
inline constexpr char DriveNotResponding[] = "MsgDriveNotResponding";
inline constexpr char SaveBeforeExit[] = "MsgSaveBeforeExit"; // followed by the folder
inline constexpr char IconNumber[] = "TextIconNumber";

// Texts this editor adds for the failures it reports.
inline constexpr char FileTooShort[] = "MsgFileTooShort";       // + path
inline constexpr char BadUnitCount[] = "MsgBadUnitCount";       // + path
inline constexpr char CannotWriteFile[] = "MsgCannotWriteFile"; // + path
inline constexpr char SaveNotCompleted[] = "MsgSaveNotCompleted";
inline constexpr char NoSourceContainer[] = "MsgNoSourceContainer"; // + path
inline constexpr char NoDescriptionRecords[] = "MsgNoDescriptionRecords";
inline constexpr char NoGameIndex[] = "MsgNoGameIndex";
inline constexpr char SoundTooShort[] = "MsgSoundTooShort";     // + path
inline constexpr char PaletteTooShort[] = "MsgPaletteTooShort"; // + path
inline constexpr char FlagsNotShown[] = "MsgFlagsNotShown";     // + flag numbers
inline constexpr char UnitLimitReached[] = "MsgUnitLimitReached";
inline constexpr char LastUnitKept[] = "MsgLastUnitKept";
inline constexpr char NotEquipmentFile[] = "MsgNotEquipmentFile";           // + path
inline constexpr char CannotStoreCharacters[] = "MsgCannotStoreCharacters"; // + lines
inline constexpr char SaveNotUndone[] = "MsgSaveNotUndone";                 // + paths
inline constexpr char SaveInterrupted[] = "MsgSaveInterrupted";             // + folder
inline constexpr char FewerNamesThanUnits[] = "MsgFewerNamesThanUnits";     // + path
inline constexpr char IndexDoesNotFit[] = "MsgIndexDoesNotFit";             // + path
inline constexpr char PreviousSaveKeptIn[] = "MsgPreviousSaveKeptIn";       // + paths
inline constexpr char DescriptionIndexFull[] = "MsgDescriptionIndexFull";   // %1 entries needed
inline constexpr char BadContainerName[] = "MsgBadContainerName";           // + name
inline constexpr char TableRowShape[] = "MsgTableRowShape"; // %1 line, %2 cells, %3 wanted; + path
inline constexpr char TableTooLong[] = "MsgTableTooLong";   // + path

// The Edit menu's Undo and Redo: the caption and the step joined by StepFormat.
inline constexpr char StepFormat[] = "TextStepFormat";
inline constexpr char StepEditUnit[] = "TextStepEditUnit"; // %1 unit number
inline constexpr char StepPasteDescription[] = "TextStepPasteDescription";
inline constexpr char StepPaste[] = "TextStepPaste";
inline constexpr char StepInsertUnit[] = "TextStepInsertUnit"; // %1 unit number
inline constexpr char StepDeleteUnit[] = "TextStepDeleteUnit"; // %1 unit number
inline constexpr char StepSort[] = "TextStepSort";             // %1 column heading
inline constexpr char StepSaveCorrections[] = "TextStepSaveCorrections";
// The progress dialog of a long step.
inline constexpr char ProgressOpen[] = "MsgProgressOpen";
inline constexpr char ProgressSave[] = "MsgProgressSave";
inline constexpr char ProgressCopy[] = "MsgProgressCopy";
inline constexpr char ProgressPaste[] = "MsgProgressPaste";
inline constexpr char ProgressCheck[] = "MsgProgressCheck";
// Find, the filter and the status line under the datasheet.
inline constexpr char FilterAnd[] = "MsgFilterAnd"; // the word that joins conditions
inline constexpr char FilterUnknownColumn[] = "MsgFilterUnknownColumn"; // %1 the words
inline constexpr char FilterNoColumn[] = "MsgFilterNoColumn";           // %1 the operator
inline constexpr char FilterNoValue[] = "MsgFilterNoValue";             // %1 column and operator
inline constexpr char FilterBadOperator[] = "MsgFilterBadOperator";     // %1 the operator
inline constexpr char FilterNotANumber[] = "MsgFilterNotANumber";       // %1 column, %2 value
inline constexpr char FilterUnknownEntry[] = "MsgFilterUnknownEntry";   // %1 column, %2 value
inline constexpr char FilterOpenQuote[] = "MsgFilterOpenQuote";
inline constexpr char StatusUnits[] = "MsgStatusUnits";           // %1 units
inline constexpr char StatusShownUnits[] = "MsgStatusShownUnits"; // %1 of %2 units
inline constexpr char StatusUnit[] = "MsgStatusUnit";             // %1 number, %2 name
inline constexpr char StatusNoFilter[] = "MsgStatusNoFilter";
inline constexpr char StatusFilter[] = "MsgStatusFilter"; // %1 the filter
inline constexpr char StatusFilterNotApplied[] = "MsgStatusFilterNotApplied";
inline constexpr char FindWrappedForward[] = "MsgFindWrappedForward";
inline constexpr char FindWrappedBackward[] = "MsgFindWrappedBackward";
inline constexpr char FindNothing[] = "MsgFindNothing"; // %1 what was looked for
inline constexpr char PasteReachesHidden[] = "MsgPasteReachesHidden";
inline constexpr char FilterBlocksUnitEditing[] = "MsgFilterBlocksUnitEditing";
// The unit check's and the comparison's windows.
inline constexpr char StepTakeValues[] = "TextStepTakeValues";
inline constexpr char CompareThisFile[] = "MsgCompareThisFile";
inline constexpr char CompareOtherFile[] = "MsgCompareOtherFile";
inline constexpr char CompareOnlyInThisFile[] = "MsgCompareOnlyInThisFile";
inline constexpr char CompareOnlyInOtherFile[] = "MsgCompareOnlyInOtherFile";
inline constexpr char CompareOtherPath[] = "MsgCompareOtherPath"; // %1 the other file
inline constexpr char CompareSummary[] =
    "MsgCompareSummary"; // differing, changed, only here, only there
inline constexpr char TakeNeedsUnitOrder[] = "MsgTakeNeedsUnitOrder";

// Always English, whatever the language.
inline constexpr char EndProgram[] = "This will end the program.";
inline constexpr char PaletteMissing[] = "Pallette is missing";
inline constexpr char ErrorInFlag[] = "error in flag";
inline constexpr char SysInfoUnavailable[] = "System Information Is Unavailable At This Time";

} // namespace quillon::i18n::msg
