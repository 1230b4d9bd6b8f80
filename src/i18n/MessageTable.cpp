// Message box texts. Two-line texts are joined by CR LF; texts that end in
// ": " (or ":") are followed by a path or folder that the caller appends.
#include "i18n/LanguageTables.h"

namespace quillon::i18n::tables {
namespace {

const NamedText Messages[] = {
    {"NoSoundEntry", {u8"None", u8"Keine", u8"None"}},
    {"MsgCannotFindFile",
     {u8"I cannot find the file: ", u8"Folgende Datei wurde nicht gefunden:",
      u8"Impossible de trouver le fichier: "}},
    {"MsgInDataFolder",
     {u8"This file should be located in Korvath's 'DATA' folder.\r\n"
      u8"Check the foldersettings for this program, and make sure that the game is correctly "
      u8"located.",
      u8"Diese Datei sollte in Korvath's 'DATA'-Ordner installiert sein.\r\n"
      u8"Prüfen Sie die Ordnervorgaben für dieses Programm und stellen Sie sicher, daß das "
      u8"Spielverzeichnis korrekt angegeben ist.",
      u8"Ce fichier devrait se situer dans le dossier 'DATA' de Korvath.\r\n"
      u8"Tester les caractéristiques des dossiers de ce programme, et assurez-vous que le jeu "
      u8"est correctement localisé."}},
    {"MsgInSoundFolder",
     {u8"This file should be located in Korvath's 'BNK' folder.\r\n"
      u8"Check the foldersettings for this program, and make sure that the game is correctly "
      u8"located.",
      u8"Diese Datei sollte in Korvath's 'BNK'-Ordner liegen.\r\n"
      u8"Prüfen Sie die Ordnervorgaben für dieses Programm und stellen Sie sicher, daß das "
      u8"Spielverzeichnis korrekt angegeben ist.",
      u8"Ce fichier devrait se trouver dans le dossier 'BNK' de Korvath .\r\n"
      u8"Tester les caractéristiques des dossiers de ce programme, et assurez-vous que le jeu "
      u8"est correctement localisé."}},
    {"MsgGameFolderNotFound",
     {u8"Cannot find 'Korvath Gamefolder'",
      u8"Kann den Korvath-Hauptordner (der mit 'Korvath.exe') nicht finden!",
      u8"Impossible de trouver le dossier 'Korvath Game'"}},
    {"MsgSaveChangesFirst",
     {u8"The current equipment file has been changed.  Do you want to save the changes first?",
      u8"Das aktuelle Equipmentfile wurde geändert - möchten Sie die Änderungen speichern?",
      u8"Le Fichier Equipement actuel a été changé.  Voulez-vous sauvegarder les changements en "
      u8"premier?"}},
    {"MsgInvalidPicture",
     {u8"This picture is invalid. There is a graphical error in the file.",
      u8"Ungültiges Bildformat! Es liegt ein graphischer Fehler in der Datei vor.",
      u8"Cette image n'est pas valable. Il y a une erreur graphique dans son fichier."}},
    {"MsgCannotFindFolder",
     {u8"Cannot find the folder: ", u8"Kann das Verzeichnis nicht finden:",
      u8"Impossible de trouver le fichier: "}},
    {"MsgFolderUnavailable",
     {u8" - This is the folder you loaded the KOREQUIP.EQP and the KOREQUIP.TXT files from, but "
      u8"it is currently not available.\r\n"
      u8"Use the 'Save As' function to save your work.",
      u8" - Dies ist das Verzeichnis, von dem Sie sie 'KOREQUIP.EQP' und 'KOREQUIP.TXT' geladen "
      u8"haben, aber es steht momentan nicht zur Verfügung.\r\n"
      u8"Benutzen Sie die 'Speichern als...'-Option, um Ihre Arbeit zu speichern.",
      u8" - C'est depuis ce dossier que vous avez chargé le KOREQUIP.EQP et le KOREQUIP.TXT files "
      u8", mais il est actuellement indisponible.\r\n"
      u8"Utilisez la fonction 'Save As' pour sauvegarder votre travail."}},
    {"MsgDriveNotResponding",
     {u8"The drive you have chosen does not respond. Choose a local hard drive on your computer.",
      u8"Das Laufwerk, das Sie gewählt haben, antwortet nicht oder ist nicht verfügbar. Wählen "
      u8"Sie bitte ein lokales Lauwerk auf Ihrem Computer.",
      u8"Le disque dur que vous avez choisi ne répond pas. Choisissez un disque dur local dans "
      u8"votre ordinateur."}},
    {"MsgSaveBeforeExit",
     {u8"The Equipment file has been changed, do you want to save the file before ending the "
      u8"program?\r\n"
      u8"The Equipment file will be saved in the following folder: ",
      u8"Das aktuelle Equipmentfile wurde geändert, möchten Sie die Änderungen speichern?\r\n"
      u8"Das Equipmentfile wird in folgendem Ordner gespeichert: ",
      u8"Le fichier Equipment a été changé, voulez-vous le sauvegarder avant de fermer le "
      u8"programme?\r\n"
      u8"Le fichier Equipement sera sauvegardé dans le répertoire: "}},
    {"TextIconNumber", {u8"Icon number:", u8"Iconnummer:", u8"Numéro d'Icone:"}},

    // Failures this editor reports where the game's editors stayed silent.
    {"MsgFileTooShort",
     {u8"This file is shorter than its unit count says: ",
      u8"Diese Datei ist kürzer, als ihre Einheitenzahl angibt: ",
      u8"Ce fichier est plus court que ne l'indique son nombre d'unités: "}},
    {"MsgBadUnitCount",
     {u8"This file holds no valid unit count: ",
      u8"Diese Datei enthält keine gültige Einheitenzahl: ",
      u8"Ce fichier ne contient pas de nombre d'unités valable: "}},
    {"MsgCannotWriteFile",
     {u8"I cannot write the file: ", u8"Folgende Datei kann nicht geschrieben werden: ",
      u8"Impossible d'écrire le fichier: "}},
    {"MsgSaveNotCompleted",
     {u8"The save did not complete. The files on disk were not changed.",
      u8"Das Speichern wurde nicht abgeschlossen. Die Dateien auf der Festplatte wurden nicht "
      u8"verändert.",
      u8"La sauvegarde n'a pas abouti. Les fichiers sur le disque n'ont pas été modifiés."}},
    {"MsgNoSourceContainer",
     {u8"The unit descriptions were not saved, because this file cannot be read: ",
      u8"Die Einheitenbeschreibungen wurden nicht gespeichert, weil diese Datei nicht gelesen "
      u8"werden kann: ",
      u8"Les descriptions des unités n'ont pas été sauvegardées, car ce fichier ne peut pas être "
      u8"lu: "}},
    {"MsgNoDescriptionRecords",
     {u8"The unit descriptions were not saved: the game's index holds no description entries.",
      u8"Die Einheitenbeschreibungen wurden nicht gespeichert: Der Index des Spiels enthält keine "
      u8"Beschreibungseinträge.",
      u8"Les descriptions des unités n'ont pas été sauvegardées: l'index du jeu ne contient "
      u8"aucune entrée de description."}},
    {"MsgNoGameIndex",
     {u8"The unit descriptions were not saved, because the game's index files were not found. "
      u8"Check the game folder in the Setup.",
      u8"Die Einheitenbeschreibungen wurden nicht gespeichert, weil die Indexdateien des Spiels "
      u8"nicht gefunden wurden. Prüfen Sie das Spielverzeichnis in der Installation.",
      u8"Les descriptions des unités n'ont pas été sauvegardées, car les fichiers d'index du jeu "
      u8"sont introuvables. Vérifiez le dossier du jeu dans la Configuration."}},
    {"MsgPaletteTooShort",
     {u8"This file is too short to hold the game's palette: ",
      u8"Diese Datei ist zu kurz für die Farbpalette des Spiels: ",
      u8"Ce fichier est trop court pour contenir la palette du jeu: "}},
    {"MsgFlagsNotShown",
     {u8"These flags cannot be shown: ", u8"Diese Flaggen können nicht angezeigt werden: ",
      u8"Ces drapeaux ne peuvent pas être affichés: "}},
    {"MsgSoundTooShort",
     {u8"This sound file is too short to be played: ",
      u8"Diese Sounddatei ist zu kurz zum Abspielen: ",
      u8"Ce fichier son est trop court pour être joué: "}},
    {"MsgUnitLimitReached",
     {u8"No more units can be added: the equipment file holds at most 32767 units.",
      u8"Es können keine weiteren Einheiten hinzugefügt werden: Das Equipmentfile fasst "
      u8"höchstens 32767 Einheiten.",
      u8"Impossible d'ajouter d'autres unités: le fichier équipement contient au plus 32767 "
      u8"unités."}},
    {"MsgLastUnitKept",
     {u8"The last unit cannot be deleted.", u8"Die letzte Einheit kann nicht gelöscht werden.",
      u8"La dernière unité ne peut pas être supprimée."}},
    {"MsgNotEquipmentFile",
     {u8"This is not an equipment file (KorEquip.EQP or KorEquip.TXT): ",
      u8"Dies ist kein Equipmentfile (KorEquip.EQP oder KorEquip.TXT): ",
      u8"Ce n'est pas un fichier équipement (KorEquip.EQP ou KorEquip.TXT): "}},
    {"MsgCannotStoreCharacters",
     {u8"Nothing was saved: the game cannot store these characters. Change them and save again.",
      u8"Es wurde nichts gespeichert: Das Spiel kann diese Zeichen nicht speichern. Ändern Sie sie "
      u8"und speichern Sie erneut.",
      u8"Rien n'a été sauvegardé: le jeu ne peut pas enregistrer ces caractères. Modifiez-les et "
      u8"sauvegardez à nouveau."}},
    {"MsgSaveNotUndone",
     {u8"The save did not complete, and these files could not be put back as they were: ",
      u8"Das Speichern wurde nicht abgeschlossen, und diese Dateien konnten nicht "
      u8"wiederhergestellt werden: ",
      u8"La sauvegarde n'a pas abouti, et ces fichiers n'ont pas pu être remis dans leur état "
      u8"précédent: "}},
    {"MsgSaveInterrupted",
     {u8"A save into this folder was interrupted while it replaced its files, so they may not "
      u8"belong together: ",
      u8"Ein Speichervorgang in diesen Ordner wurde beim Ersetzen der Dateien unterbrochen; sie "
      u8"passen daher möglicherweise nicht zusammen: ",
      u8"Une sauvegarde dans ce dossier a été interrompue pendant qu'elle remplaçait ses "
      u8"fichiers; ils ne vont peut-être plus ensemble: "}},
    {"MsgFewerNamesThanUnits",
     {u8"This file holds fewer unit names than the equipment file holds units, so the two may "
      u8"come from different saves: ",
      u8"Diese Datei enthält weniger Einheitennamen, als das Equipmentfile Einheiten enthält; "
      u8"die beiden stammen möglicherweise aus verschiedenen Speichervorgängen: ",
      u8"Ce fichier contient moins de noms que le fichier équipement ne contient d'unités; les "
      u8"deux proviennent peut-être de sauvegardes différentes: "}},
    {"MsgIndexDoesNotFit",
     {u8"The unit descriptions in this index do not fit their text container, so the two may "
      u8"come from different saves: ",
      u8"Die Einheitenbeschreibungen dieses Index passen nicht zu ihrem Textcontainer; die beiden "
      u8"stammen möglicherweise aus verschiedenen Speichervorgängen: ",
      u8"Les descriptions des unités de cet index ne correspondent pas à leur conteneur de "
      u8"texte; les deux proviennent peut-être de sauvegardes différentes: "}},
    {"MsgPreviousSaveKeptIn",
     {u8"The files as they were before are kept in: ",
      u8"Die Dateien im vorherigen Zustand sind hier gesichert: ",
      u8"Les fichiers dans leur état précédent sont conservés dans: "}},
    {"MsgDescriptionIndexFull",
     {u8"The unit descriptions were not saved: the game's index holds at most 32767 entries, "
      u8"and these units with the game's other entries need %1.",
      u8"Die Einheitenbeschreibungen wurden nicht gespeichert: Der Index des Spiels fasst "
      u8"höchstens 32767 Einträge, und diese Einheiten brauchen mit den übrigen Einträgen des "
      u8"Spiels %1.",
      u8"Les descriptions des unités n'ont pas été sauvegardées: l'index du jeu contient au plus "
      u8"32767 entrées, et ces unités avec les autres entrées du jeu en demandent %1."}},
    {"MsgBadContainerName",
     {u8"The unit descriptions can be neither read nor saved: the game's index names as its text "
      u8"container something that is not a file of the data folder: ",
      u8"Die Einheitenbeschreibungen können weder gelesen noch gespeichert werden: Der Index des "
      u8"Spiels nennt als Textcontainer etwas, das keine Datei des Datenordners ist: ",
      u8"Les descriptions des unités ne peuvent être ni lues ni sauvegardées: l'index du jeu "
      u8"désigne comme conteneur de texte quelque chose qui n'est pas un fichier du dossier de "
      u8"données: "}},
    {"MsgTableRowShape",
     {u8"Nothing was imported: line %1 of the table has %2 cells, but every line needs %3: ",
      u8"Es wurde nichts importiert: Zeile %1 der Tabelle hat %2 Zellen, aber jede Zeile braucht "
      u8"%3: ",
      u8"Rien n'a été importé: la ligne %1 du tableau a %2 cellules, mais chaque ligne en "
      u8"demande %3: "}},
    {"MsgTableTooLong",
     {u8"Nothing was imported: the table holds more than 32767 units, the most an equipment file "
      u8"can hold: ",
      u8"Es wurde nichts importiert: Die Tabelle enthält mehr als 32767 Einheiten, mehr als ein "
      u8"Equipmentfile fassen kann: ",
      u8"Rien n'a été importé: le tableau contient plus de 32767 unités, le maximum d'un fichier "
      u8"équipement: "}},
    // The Edit menu's Undo and Redo: "%1" the menu item's caption, "%2" the step.
    {"TextStepFormat", {u8"%1 %2", u8"%1: %2", u8"%1 : %2"}},
    {"TextStepEditUnit", {u8"Edit Unit %1", u8"Einheit %1 bearbeiten", u8"Modifier l'unité %1"}},
    {"TextStepPasteDescription",
     {u8"Paste Description", u8"Beschreibung einfügen", u8"Coller la description"}},
    {"TextStepPaste", {u8"Paste", u8"Einfügen", u8"Coller"}},
    {"TextStepInsertUnit", {u8"Insert Unit %1", u8"Einheit %1 einfügen", u8"Insérer l'unité %1"}},
    {"TextStepDeleteUnit", {u8"Delete Unit %1", u8"Einheit %1 löschen", u8"Supprimer l'unité %1"}},
    {"TextStepSort", {u8"Sort by %1", u8"Nach %1 sortieren", u8"Trier par %1"}},
    {"TextStepSaveCorrections",
     {u8"Corrections by Save", u8"Korrekturen beim Speichern", u8"Corrections de la sauvegarde"}},
    {"MsgProgressOpen",
     {u8"Reading the units...", u8"Die Einheiten werden gelesen...", u8"Lecture des unités..."}},
    {"MsgProgressSave",
     {u8"Saving the units...", u8"Die Einheiten werden gespeichert...",
      u8"Enregistrement des unités..."}},
    {"MsgProgressCopy",
     {u8"Copying the units...", u8"Die Einheiten werden kopiert...", u8"Copie des unités..."}},
    {"MsgProgressPaste",
     {u8"Pasting the units...", u8"Die Einheiten werden eingefügt...", u8"Collage des unités..."}},
    {"MsgProgressCheck",
     {u8"Checking the units...", u8"Die Einheiten werden geprüft...",
      u8"Vérification des unités..."}},
    {"MsgFilterAnd", {u8"and", u8"und", u8"et"}},
    {"MsgFilterUnknownColumn",
     {u8"No column is called \"%1\".", u8"Keine Spalte heißt \"%1\".",
      u8"Aucune colonne ne s'appelle \"%1\"."}},
    {"MsgFilterNoColumn",
     {u8"\"%1\" needs a column before it.", u8"Vor \"%1\" fehlt eine Spalte.",
      u8"Il manque une colonne avant \"%1\"."}},
    {"MsgFilterNoValue",
     {u8"\"%1\" needs a value after it.", u8"Nach \"%1\" fehlt ein Wert.",
      u8"Il manque une valeur après \"%1\"."}},
    {"MsgFilterBadOperator",
     {u8"\"%1\" is not a comparison: use =, !=, <, <=, > or >=.",
      u8"\"%1\" ist kein Vergleich: Verwenden Sie =, !=, <, <=, > oder >=.",
      u8"\"%1\" n'est pas une comparaison: utilisez =, !=, <, <=, > ou >=."}},
    {"MsgFilterNotANumber",
     {u8"\"%1\" holds numbers, and \"%2\" is not a number.",
      u8"\"%1\" enthält Zahlen, und \"%2\" ist keine Zahl.",
      u8"\"%1\" contient des nombres, et \"%2\" n'est pas un nombre."}},
    {"MsgFilterUnknownEntry",
     {u8"\"%1\" has no entry called \"%2\".", u8"\"%1\" hat keinen Eintrag namens \"%2\".",
      u8"\"%1\" n'a pas d'entrée nommée \"%2\"."}},
    {"MsgFilterOpenQuote",
     {u8"A quotation mark is not closed.", u8"Ein Anführungszeichen wird nicht geschlossen.",
      u8"Un guillemet n'est pas fermé."}},
    {"MsgStatusUnits", {u8"%1 units", u8"%1 Einheiten", u8"%1 unités"}},
    {"MsgStatusShownUnits", {u8"%1 of %2 units", u8"%1 von %2 Einheiten", u8"%1 sur %2 unités"}},
    {"MsgStatusUnit", {u8"Unit %1: %2", u8"Einheit %1: %2", u8"Unité %1: %2"}},
    {"MsgStatusNoFilter", {u8"No filter", u8"Kein Filter", u8"Aucun filtre"}},
    {"MsgStatusFilter", {u8"Filter: %1", u8"Filter: %1", u8"Filtre: %1"}},
    {"MsgStatusFilterNotApplied",
     {u8"Filter not applied", u8"Filter nicht angewendet", u8"Filtre non appliqué"}},
    {"MsgFindWrappedForward",
     {u8"Passed the last unit: continued from the first.",
      u8"Nach der letzten Einheit: weiter bei der ersten.",
      u8"Après la dernière unité: reprise à la première."}},
    {"MsgFindWrappedBackward",
     {u8"Passed the first unit: continued from the last.",
      u8"Vor der ersten Einheit: weiter bei der letzten.",
      u8"Avant la première unité: reprise à la dernière."}},
    {"MsgFindNothing",
     {u8"No unit matches \"%1\".", u8"Keine Einheit passt zu \"%1\".",
      u8"Aucune unité ne correspond à \"%1\"."}},
    {"MsgPasteReachesHidden",
     {u8"Nothing was pasted: the selected block reaches units that the filter hides. Paste into "
      u8"units that stand together, or clear the filter first.",
      u8"Es wurde nichts eingefügt: Der gewählte Block reicht in Einheiten, die der Filter "
      u8"ausblendet. Fügen Sie in zusammenhängende Einheiten ein oder leeren Sie zuerst den "
      u8"Filter.",
      u8"Rien n'a été collé: le bloc choisi touche des unités que le filtre masque. Collez dans "
      u8"des unités qui se suivent, ou effacez d'abord le filtre."}},
    {"MsgFilterBlocksUnitEditing",
     {u8"Not while a filter is on: clear the filter to insert or delete units.",
      u8"Nicht während ein Filter aktiv ist: Leeren Sie den Filter, um Einheiten einzufügen oder "
      u8"zu löschen.",
      u8"Impossible tant qu'un filtre est actif: effacez le filtre pour insérer ou supprimer des "
      u8"unités."}},
    {"TextStepTakeValues", {u8"Take Values", u8"Werte übernehmen", u8"Reprendre les valeurs"}},
    {"MsgCompareThisFile", {u8"This File", u8"Diese Datei", u8"Ce fichier"}},
    {"MsgCompareOtherFile", {u8"Other File", u8"Andere Datei", u8"Autre fichier"}},
    {"MsgCompareOnlyInThisFile",
     {u8"only in this file", u8"nur in dieser Datei", u8"seulement dans ce fichier"}},
    {"MsgCompareOnlyInOtherFile",
     {u8"only in the other file", u8"nur in der anderen Datei",
      u8"seulement dans l'autre fichier"}},
    {"MsgCompareOtherPath", {u8"Compared with: %1", u8"Verglichen mit: %1", u8"Comparé avec: %1"}},
    {"MsgCompareSummary",
     {u8"%1 units differ: %2 changed, %3 only in this file, %4 only in the other file.",
      u8"%1 Einheiten unterscheiden sich: %2 geändert, %3 nur in dieser Datei, %4 nur in der "
      u8"anderen Datei.",
      u8"%1 unités diffèrent: %2 modifiées, %3 seulement dans ce fichier, %4 seulement dans "
      u8"l'autre fichier."}},
    {"MsgTakeNeedsUnitOrder",
     {u8"Units only in the other file can be taken only while the units stand in unit-number "
      u8"order: sort them by unit number first. Nothing was changed.",
      u8"Einheiten, die nur in der anderen Datei stehen, können nur übernommen werden, wenn die "
      u8"Einheiten nach Einheitennummer sortiert sind: Sortieren Sie sie zuerst danach. Es wurde "
      u8"nichts geändert.",
      u8"Les unités qui ne sont que dans l'autre fichier ne peuvent être reprises que si les "
      u8"unités sont triées par numéro d'unité: triez-les d'abord ainsi. Rien n'a été changé."}},
};

} // namespace

std::span<const NamedText> MessageTable() {
    return Messages;
}

} // namespace quillon::i18n::tables
