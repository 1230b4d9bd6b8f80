// Captions of every window by control name, the window title as "Caption".
// Rows with the same text in all three languages are the design texts that
// do not change with the language; they are here so that every window takes
// all its captions from one place.
#include "i18n/LanguageTables.h"

namespace quillon::i18n::tables {
namespace {

const ControlText Captions[] = {
    // Main window.
    {"Form1", "Caption", {u8"{EditorName}", u8"{EditorName}", u8"{EditorName}"}},
    {"Form1",
     "Frame1",
     {u8"Unit Number and Name", u8"Einheitennummer und -name", u8"Numéro et Nom de l'unité"}},
    {"Form1", "Frame2", {u8"Class", u8"Klasse", u8"Catégorie"}},
    {"Form1", "Frame3", {u8"Attack Values", u8"Angriffswerte", u8"Valeurs d'attaque"}},
    {"Form1", "Frame4", {u8"Defense values", u8"Verteidigungswerte", u8"Valeurs de défense"}},
    {"Form1", "Frame5", {u8"Miscellaneous Values", u8"Verschiedene Werte", u8"Valeurs diverses"}},
    {"Form1", "Frame6", {u8"Special Abilities", u8"Spezialfähigkeiten", u8"Capacités spéciales"}},
    {"Form1", "Frame7", {u8"Sounds", u8"Sounds", u8"Sons"}},
    {"Form1", "Frame8", {u8"Country", u8"Land", u8"Pays"}},
    {"Form1", "Frame9", {u8"Icon", u8"Icon", u8"Image"}},
    {"Form1", "Frame10", {u8"Availability", u8"Verfügbarkeit", u8"Disponibilité"}},
    {"Form1", "Frame11", {u8"Target Type", u8"Zieltyp", u8"Type de cible"}},
    {"Form1", "Frame12", {u8"Non-Organic Transport", u8"Transportart", u8"Transport attaché"}},
    {"Form1", "Frame13", {u8"Move Method", u8"Bewegungsart", u8"Mode de Mouvement"}},
    {"Form1", "Frame14", {u8"Move Medium", u8"Bewegungsmedium", u8"Moyen de movement"}},
    {"Form1",
     "Frame15",
     {u8"Long Unit Description", u8"Einheitenbeschreibung", u8"Description détaillée de l'unité"}},
    {"Form1", "Frame16", {u8"Changes", u8"Änderungen", u8"Changements"}},
    {"Form1", "Command1", {u8"Prev. Unit", u8"Vorherige Einheit", u8"Unité Précédente"}},
    {"Form1", "Command2", {u8"Next Unit", u8"Nächste Einheit", u8"Unité Suivante"}},
    {"Form1", "Command3", {u8"Undo", u8"Rückgängig", u8"Annuler"}},
    {"Form1", "Command9", {u8"SELECT", u8"SELECT", u8"CHOISIR"}},
    {"Form1", "mnu_file", {u8"File", u8"Datei", u8"Fichier"}},
    {"Form1", "mnu_open", {u8"Open", u8"Öffnen", u8"Ouvrir"}},
    {"Form1", "mnu_save", {u8"Save", u8"Speichern", u8"Sauvegarder"}},
    {"Form1", "mnu_save_as", {u8"Save As...", u8"Speichern als...", u8"Sauvegarder Comme..."}},
    {"Form1", "mnu_exit", {u8"Exit", u8"Beenden", u8"Sortir"}},
    {"Form1", "mnu_edit", {u8"Edit", u8"Bearbeiten", u8"Editer"}},
    {"Form1", "mnu_copy", {u8"Copy", u8"Kopieren", u8"Copier"}},
    {"Form1", "mnu_paste", {u8"Paste", u8"Einfügen", u8"Coller"}},
    {"Form1",
     "mnu_spread",
     {u8"&Toggle Spreadsheet", u8"&Ansicht umschalten",
      u8"&Passer de la vue Spreadsheet à la vue Form "}},
    {"Form1", "mnu_folders", {u8"Setup", u8"Installation", u8"Configuration"}},
    {"Form1", "mnu_help", {u8"Help", u8"Hilfe", u8"Aide"}},
    {"Form1", "mnu_howto", {u8"How do I...", u8"Wie kann ich...", u8"Comment faire ..."}},
    {"Form1", "mnu_about", {u8"About", u8"Über", u8"A Propos"}},
    {"Form1", "Check1_31", {u8"Unused", u8"Nicht benutzt", u8"Inemployé"}},
    {"Form1", "Label1", {u8"Month Available", u8"ab Monat", u8"Mois de Disponibilité"}},
    {"Form1", "Label2", {u8"Year Available", u8"ab Jahr", u8"Année de disponibilité"}},
    {"Form1", "Label3", {u8"Year Expired", u8"bis Jahr", u8"Année de Mise Hors Service "}},
    {"Form1", "Label8", {u8"Select Icon ID", u8"Wähle Icon #", u8"Choisir l'ID de l'Icone"}},
    {"Form1", "Frame17", {u8"Unit Scroll", u8"Unit Scroll", u8"Unit Scroll"}},
    {"Form1", "Frame18", {u8"Find Unit #", u8"Find Unit #", u8"Find Unit #"}},
    {"Form1", "mnu_setup", {u8"Setup", u8"Setup", u8"Setup"}},
    {"Form1",
     "mnu_tips",
     {u8"Toggle Tooltiptexts", u8"Toggle Tooltiptexts", u8"Toggle Tooltiptexts"}},
    {"Form1",
     "mnu_ins_after",
     {u8"Insert Unit After", u8"Insert Unit After", u8"Insert Unit After"}},
    {"Form1",
     "mnu_ins_before",
     {u8"Insert Unit Before", u8"Insert Unit Before", u8"Insert Unit Before"}},
    {"Form1", "del_unit", {u8"Delete Unit", u8"Delete Unit", u8"Delete Unit"}},
    {"Form1", "mnu_find", {u8"Find...", u8"Suchen...", u8"Rechercher..."}},
    {"Form1", "mnu_find_next", {u8"Find Next", u8"Weitersuchen", u8"Rechercher le suivant"}},
    {"Form1",
     "mnu_find_prev",
     {u8"Find Previous", u8"Rückwärts suchen", u8"Rechercher le précédent"}},
    {"Form1", "mnu_filter", {u8"Filter...", u8"Filtern...", u8"Filtrer..."}},
    {"Form1", "FindLabel", {u8"Find:", u8"Suchen:", u8"Rechercher:"}},
    {"Form1",
     "FindEverywhere",
     {u8"All cells and descriptions", u8"Alle Zellen und Beschreibungen",
      u8"Toutes les cellules et descriptions"}},
    {"Form1", "FindNext", {u8"Next", u8"Weiter", u8"Suivant"}},
    {"Form1", "FindPrevious", {u8"Previous", u8"Zurück", u8"Précédent"}},
    {"Form1", "FindClose", {u8"Close", u8"Schließen", u8"Fermer"}},
    {"Form1", "FilterLabel", {u8"Filter:", u8"Filter:", u8"Filtre:"}},

    // Open, setup, how-to, save-as, About and locate-game windows.
    {"Form2",
     "Caption",
     {u8"Locate Equipment File", u8"EQP-Datei suchen", u8"Localiser le Fichier Equipement"}},
    {"Form2", "Command1", {u8"Get EQP file", u8" EQP-Datei laden", u8"Saisir le fichier EQP "}},
    {"Form2", "Command2", {u8"Cancel", u8"Abbrechen", u8"Annuler"}},
    {"Form3",
     "Caption",
     {u8"{EditorName} - Setup Information.", u8"{EditorName} - Setup Information.",
      u8"{EditorName} - Informations d'Installation."}},
    {"Form3",
     "Label1",
     {u8"This tool needs to know where you have installed your copy of Korvath and which language "
      u8"you prefer to use.  Simply click on the language you prefer to make all program texts "
      u8"show in this language. Then type the full path of the folder where Korvath is installed. "
      u8"Finally click the 'Use' button to continue with the Equipment Editing.",
      u8"Dieses Tool benötigt Angaben, wo Ihr Korvath-Verzeichnis ist und welche Sprache Sie "
      u8"bevorzugen. Klicken Sie einfach auf die von Ihnen bevorzugte Sprache, um alle "
      u8"Programmtexte in dieser Sprache angezeigt zu bekommen. Tippen Sie dann den kompletten "
      u8"Pfad zu Ihrer Korvath-Installation ein (z.B. C:\\programfiles\\korvath\\). Zum Abschluß "
      u8"klicken Sie den 'Anwenden’-Button an, um mit dem Editieren fortzufahren.",
      u8"Cet Utilitaire doit savoir où vous avez installé votre copie de Korvath et quelle langue "
      u8"vous aimez mieux employer. Cliquez simplement sur la langue que vous préférez pour que "
      u8"tous les textes du programme s'affichent dans cette langue. Puis tapez le chemin d'accès "
      u8"complet pour accéder à l'endroit où Korvath est installé. Enfin cliquez sur le "
      u8"bouton'Employer' pour continuer de vous servir de L'Editeur d'Equipement."}},
    {"Form3", "Command1", {u8"Use", u8"Anwenden", u8"Employer"}},
    {"Form3", "Command2", {u8"Cancel", u8"Abbrechen", u8"Annuler"}},
    {"Form3", "Frame1", {u8"Language", u8"Sprache", u8"Langue"}},
    {"Form3", "Option1", {u8"English", u8"English", u8"Anglais"}},
    {"Form3", "Option2", {u8"Deutsch", u8"Deutsch", u8"Allemand"}},
    {"Form3", "Option3", {u8"Francais", u8"Francais", u8"Francais"}},
    {"Form3",
     "Frame2",
     {u8"Korvath Game Folder", u8"Korvath Hauptverzeichnis", u8"Dossier du jeu Korvath"}},
    {"Form4",
     "Caption",
     {u8"{EditorName} - How To...", u8"{EditorName}Wie kann ich...",
      u8"{EditorName} - Comment faire pour..."}},
    {"Form5",
     "Caption",
     {u8"{EditorName} - Save Equipment Files", u8"{EditorName} - Equipment-Files speichern",
      u8"{EditorName} - Sauvegarder les Fichiers Equipement"}},
    {"Form5",
     "Command1",
     {u8"Save Equipment Files", u8"Speichere Equipment-Files",
      u8"Sauvegarder les Fichiers Equipement"}},
    {"Form5", "Command2", {u8"Cancel", u8"Abbrechen", u8"Annuler"}},
    {"frmAbout",
     "Caption",
     {u8"About {EditorName}", u8"Über {EditorName}", u8"A propos de {EditorName}"}},
    {"Form6",
     "Caption",
     {u8"{EditorName} - Locate KORVATH.EXE", u8"{EditorName} - Suche KORVATH.EXE",
      u8"{EditorName} - Localisez KORVATH.EXE"}},
    {"Form6", "File1", {u8"KORVATH.EXE", u8"KORVATH.EXE", u8"KORVATH.EXE"}},
    {"Form6",
     "Command1",
     {u8"Use Folder", u8"Benutze aktuelles Verzeichnis?", u8"Utiliser Dossier"}},
    {"Form6", "Command2", {u8"Cancel", u8"Abbrechen", u8"Annuler"}},
    {"Form4", "Command1", {u8"OK", u8"OK", u8"OK"}},
    {"frmAbout", "lblTitle", {u8"{EditorName}", u8"{EditorName}", u8"{EditorName}"}},
    {"frmAbout", "lblVersion", {u8"Version 2.0.1", u8"Version 2.0.1", u8"Version 2.0.1"}},
    {"frmAbout", "cmdOK", {u8"OK", u8"OK", u8"OK"}},
    {"frmAbout", "cmdSysInfo", {u8"&System Info...", u8"&System Info...", u8"&System Info..."}},
    // The Edit menu's history of changes; the step follows (TextStep...).
    {"Form1", "mnu_undo", {u8"Undo", u8"Rückgängig", u8"Annuler"}},
    {"Form1", "mnu_redo", {u8"Redo", u8"Wiederherstellen", u8"Rétablir"}},
    // The unit check and the comparison with another file.
    {"Form1", "mnu_check", {u8"Check Units", u8"Einheiten prüfen", u8"Vérifier les unités"}},
    {"Form1", "mnu_compare", {u8"Compare With...", u8"Vergleichen mit...", u8"Comparer avec..."}},
    {"CheckWindow",
     "Caption",
     {u8"{EditorName} - Check Units", u8"{EditorName} - Einheiten prüfen",
      u8"{EditorName} - Vérifier les unités"}},
    {"CheckWindow", "Refresh", {u8"Check Again", u8"Erneut prüfen", u8"Vérifier à nouveau"}},
    {"CheckWindow", "Close", {u8"Close", u8"Schließen", u8"Fermer"}},
    {"CompareWindow",
     "Caption",
     {u8"{EditorName} - Compare With Another File",
      u8"{EditorName} - Mit anderer Datei vergleichen",
      u8"{EditorName} - Comparer avec un autre fichier"}},
    {"CompareWindow",
     "TakeValues",
     {u8"Take Selected Values", u8"Gewählte Werte übernehmen", u8"Reprendre les valeurs choisies"}},
    {"CompareWindow",
     "TakeUnits",
     {u8"Take Whole Units", u8"Ganze Einheiten übernehmen", u8"Reprendre les unités entières"}},
    {"CompareWindow", "Close", {u8"Close", u8"Schließen", u8"Fermer"}},
};

// The menus' access keys: the letter of the caption that Alt (or the open
// menu) takes. No two in one menu or in the menu bar share a letter, and the
// menu bar leaves S and T to the setup window and the view toggle.
const ControlText AccessKeys[] = {
    {"Form1", "mnu_file", {u8"F", u8"D", u8"F"}},
    {"Form1", "mnu_open", {u8"O", u8"f", u8"O"}},
    {"Form1", "mnu_save", {u8"S", u8"S", u8"S"}},
    {"Form1", "mnu_save_as", {u8"A", u8"a", u8"C"}},
    {"Form1", "mnu_exit", {u8"x", u8"B", u8"t"}},
    {"Form1", "mnu_edit", {u8"E", u8"B", u8"E"}},
    {"Form1", "mnu_copy", {u8"C", u8"K", u8"C"}},
    {"Form1", "mnu_paste", {u8"P", u8"E", u8"o"}},
    {"Form1", "mnu_ins_after", {u8"A", u8"A", u8"A"}},
    {"Form1", "mnu_ins_before", {u8"B", u8"B", u8"B"}},
    {"Form1", "del_unit", {u8"D", u8"D", u8"D"}},
    {"Form1", "mnu_setup", {u8"u", u8"u", u8"u"}},
    {"Form1", "mnu_folders", {u8"S", u8"I", u8"C"}},
    {"Form1", "mnu_tips", {u8"T", u8"T", u8"T"}},
    {"Form1", "mnu_help", {u8"H", u8"H", u8"A"}},
    {"Form1", "mnu_howto", {u8"H", u8"W", u8"C"}},
    {"Form1", "mnu_about", {u8"A", u8"b", u8"A"}},
    {"Form1", "mnu_undo", {u8"U", u8"R", u8"n"}},
    {"Form1", "mnu_redo", {u8"R", u8"W", u8"t"}},
    {"Form1", "mnu_find", {u8"F", u8"S", u8"h"}},
    {"Form1", "mnu_find_next", {u8"N", u8"t", u8"s"}},
    {"Form1", "mnu_find_prev", {u8"v", u8"h", u8"p"}},
    {"Form1", "mnu_filter", {u8"i", u8"F", u8"F"}},
    {"Form1", "mnu_check", {u8"k", u8"p", u8"V"}},
    {"Form1", "mnu_compare", {u8"C", u8"V", u8"p"}},
};

} // namespace

std::span<const ControlText> CaptionTable() {
    return Captions;
}

std::span<const ControlText> AccessKeyTable() {
    return AccessKeys;
}

} // namespace quillon::i18n::tables
