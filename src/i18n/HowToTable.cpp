// The how-to text line by line, each line with the number of line breaks
// that come before it (2 leaves an empty line).
#include "i18n/LanguageTables.h"

namespace quillon::i18n::tables {
namespace {

const HowToLine HowTo[] = {
    {0,
     {u8"You can leave this Form open at any time, when running the Editor. This form is shown by "
      u8"pressing the 'F1' key.",
      u8"Sie können dieses Fenster jederzeit verlassen, wenn Sie den Editor benutzen. Dieses "
      u8"Fenster wird durch Dücken der 'F1'-Taste angezeigt.",
      u8"Vous pouvez laisser cette Form ouverte à tout moment, quand vous vous servez de l' "
      u8"Editeur. Cette form est affichée quand on presse la touche  'F1'."}},
    {2,
     {u8"This Equipment File editor for Korvath offers you these Options:",
      u8"Dieser Korvath-Equipment Editor bietet Ihnen folgende Möglichkeiten:",
      u8"Cet Editeur d'Equipement pour Korvath vous offre ces Options:"}},
    {2,
     {u8"You can access ALL menu points through shortcuts. Most are shown in the menus. Use them "
      u8"as you wish.",
      u8"Sie können ALLE Menüpunkte über Tastenkürzel erreichen. Die meisten werden in den Menüs "
      u8"angezeigt. Benutzen Sie sie nach Belieben.",
      u8"Vous pouvez accéder à TOUS les points du menu par des raccourcis. La plupart sont "
      u8"affichés dans les menus. Servez-vous-en comme vous voulez."}},
    {2,
     {u8"Two shortcuts are not shown in the menu:",
      u8"Zwei Tastenkürzel werden im Menü nicht angezeigt:",
      u8"Deux raccourcis ne sont pas affichés dans le menu:"}},
    {1,
     {u8"- 'ALT+T' will toggle between the two views - Datasheet and Form View.",
      u8"- 'ALT+T' schaltet zwischen den beiden Ansichten um - Datenblatt- und Formularansicht.",
      u8"- 'ALT+T' permet de passer d'une vue à l'autre - vue Spreadsheet et vue Form."}},
    {1,
     {u8"- 'ALT+S' will bring up the Setup Form.", u8"- 'ALT+S' öffnet das Setup-Fenster.",
      u8"- 'ALT+S' affiche la fenêtre de Configuration."}},
    {2,
     {u8"Use the two different views the 'Datasheet view' or the 'Form View' as you wish.",
      u8"Benutzen Sie die beiden Ansichten, die 'Datenblattansicht' oder die 'Formularansicht', "
      u8"ganz nach Wunsch.",
      u8"Servez-vous des deux vues, la 'vue Spreadsheet' ou la 'vue Form', comme vous le "
      u8"souhaitez."}},
    {1,
     {u8"The 'Datasheet' view allows you to perform sorting operations on ANY column.",
      u8"In der Datenblattansicht können Sie nach JEDER Spalte sortieren.",
      u8"La vue 'Spreadsheet' vous permet de trier sur N'IMPORTE QUELLE colonne."}},
    {1,
     {u8"- Select the column by LEFT CLICK on a cell in the Column.",
      u8"- Wählen Sie die Spalte mit einem LINKEN MAUSKLICK auf eine Zelle der Spalte.",
      u8"- Choisissez la colonne en CLIQUANT DU BOUTON GAUCHE sur une cellule de la colonne."}},
    {1,
     {u8"- RIGHT CLICK and the Equipment File will be sorted ascending on the selected column.",
      u8"- Mit einem RECHTEN MAUSKLICK wird das Equipmentfile aufsteigend nach der gewählten "
      u8"Spalte sortiert.",
      u8"- CLIQUEZ DU BOUTON DROIT et le Fichier Equipement sera trié par ordre croissant sur la "
      u8"colonne choisie."}},
    {1,
     {u8"- SHIFT + RIGHT CLICK and the Equipment File will be sorted Descending on the selected "
      u8"column.",
      u8"- Mit SHIFT + RECHTEM MAUSKLICK wird das Equipmentfile absteigend nach der gewählten "
      u8"Spalte sortiert.",
      u8"- MAJ + CLIC DROIT et le Fichier Equipement sera trié par ordre décroissant sur la "
      u8"colonne choisie."}},
    {1, {u8"Easy - right. :o)", u8"Einfach, oder? :o)", u8"Facile, non ? :o)"}},
    {2,
     {u8"The 'Datasheet' view also allows Copy/Paste operations on any part of the Equipment File.",
      u8"Die Datenblattansicht erlaubt außerdem Kopieren/Einfügen für jeden beliebigen Teil des "
      u8"Equipmentfiles.",
      u8"La vue 'Spreadsheet' permet aussi de Copier/Coller n'importe quelle partie du Fichier "
      u8"Equipement."}},
    {1,
     {u8"When Copy/Pasting you can use the 'Edit' -> 'Copy' or 'Paste' menu at the top of the "
      u8"form, or the Shortcuts as you please.  When the 'Edit' menu is 'grayed out' Copy/Paste is "
      u8"not allowed.",
      u8"Zum Kopieren/Einfügen können Sie das Menü 'Bearbeiten' -> 'Kopieren' oder 'Einfügen' oben "
      u8"im Fenster oder nach Belieben die Tastenkürzel benutzen.  Wenn das Menü 'Bearbeiten' "
      u8"ausgegraut ist, ist Kopieren/Einfügen nicht möglich.",
      u8"Pour Copier/Coller vous pouvez utiliser le menu 'Editer' -> 'Copier' ou 'Coller' en haut "
      u8"de la fenêtre, ou les raccourcis, comme vous préférez.  Quand le menu 'Editer' est grisé, "
      u8"Copier/Coller n'est pas permis."}},
    {1,
     {u8"- Select one unit by Clicking on the Unit Number. (the grey box at the utmost left).",
      u8"- Wählen Sie eine Einheit durch Klicken auf die Einheitennummer (das graue Feld ganz "
      u8"links).",
      u8"- Choisissez une unité en cliquant sur son Numéro d'Unité (la case grise tout à "
      u8"gauche)."}},
    {1,
     {u8"- Drag with the mouse to select more units.",
      u8"- Ziehen Sie mit der Maus, um mehrere Einheiten zu wählen.",
      u8"- Faites glisser la souris pour choisir plusieurs unités."}},
    {1,
     {u8"- Use the mouse to select part of the unit data by dragging with the left button held "
      u8"down.",
      u8"- Wählen Sie einen Teil der Einheitendaten, indem Sie die Maus mit gedrückter linker "
      u8"Taste ziehen.",
      u8"- Choisissez une partie des données d'unité en faisant glisser la souris bouton gauche "
      u8"enfoncé."}},
    {1,
     {u8"- Click on the 'Unit No.' cell to select the entire Equipment File.",
      u8"- Klicken Sie auf die Zelle 'Einheitennr.', um das gesamte Equipmentfile zu wählen.",
      u8"- Cliquez sur la cellule 'Numéro de l'Unité' pour choisir tout le Fichier Equipement."}},
    {1,
     {u8"- Use CTRL+C to copy the selected area to the clipboard.",
      u8"- Mit STRG+C kopieren Sie den gewählten Bereich in die Zwischenablage.",
      u8"- CTRL+C copie la zone choisie dans le presse-papiers."}},
    {1,
     {u8"- Use CTRL+V to paste into a selected area.",
      u8"- Mit STRG+V fügen Sie in einen gewählten Bereich ein.",
      u8"- CTRL+V colle dans une zone choisie."}},
    {1,
     {u8"You can Copy the whole E-File and Paste it into an Excel Spreadsheet if you want.",
      u8"Sie können das ganze Equipmentfile kopieren und in ein Excel-Tabellenblatt einfügen, wenn "
      u8"Sie möchten.",
      u8"Vous pouvez Copier tout le Fichier Equipement et le Coller dans une feuille Excel si vous "
      u8"le voulez."}},
    {1,
     {u8"The Copy of large amounts of the E-file takes a lot of time, so have patience (1½ minutes "
      u8"on a 700MHz Athlon with 256MB RAM for the complete Equipment file of 1095 units).",
      u8"Das Kopieren großer Teile des Equipmentfiles dauert lange, haben Sie also Geduld (1½ "
      u8"Minuten auf einem 700MHz-Athlon mit 256MB RAM für das komplette Equipmentfile mit 1095 "
      u8"Einheiten).",
      u8"La Copie d'une grande partie du Fichier Equipement prend beaucoup de temps, soyez donc "
      u8"patient (1½ minute sur un Athlon à 700MHz avec 256Mo de RAM pour le Fichier Equipement "
      u8"complet de 1095 unités)."}},
    {2,
     {u8"The 'Form View can be used for changing data one value at the time.",
      u8"In der Formularansicht können Sie die Daten Wert für Wert ändern.",
      u8"La 'vue Form' sert à changer les données une valeur à la fois."}},
    {1,
     {u8"You can use the TAB to go from Value to Value, the selected value will be shown in blue.",
      u8"Mit der TAB-Taste gelangen Sie von Wert zu Wert, der gewählte Wert wird blau angezeigt.",
      u8"La touche TAB vous fait passer d'une valeur à l'autre, la valeur choisie est affichée en "
      u8"bleu."}},
    {1,
     {u8"When you are finished with changing the stats of a unit, just click 'Next' or 'Prev' at "
      u8"the bottom right, and the changes will be inserted in the Datasheet-View.",
      u8"Wenn Sie mit dem Ändern der Werte einer Einheit fertig sind, klicken Sie einfach unten "
      u8"rechts auf 'Nächste' oder 'Vorherige', und die Änderungen werden in die Datenblattansicht "
      u8"übernommen.",
      u8"Quand vous avez fini de changer les caractéristiques d'une unité, cliquez simplement sur "
      u8"'Suivante' ou 'Précédente' en bas à droite, et les changements seront insérés dans la vue "
      u8"Spreadsheet."}},
    {1,
     {u8"If you do not want to use the changes you have made - click the 'UNDO' button before "
      u8"moving to the next unit.",
      u8"Wenn Sie Ihre Änderungen nicht übernehmen wollen, klicken Sie auf 'Rückgängig', bevor Sie "
      u8"zur nächsten Einheit wechseln.",
      u8"Si vous ne voulez pas garder les changements que vous avez faits, cliquez sur le bouton "
      u8"'Annuler' avant de passer à l'unité suivante."}},
    {1,
     {u8"You also have to click the 'UNDO' button before you toggle the Datasheet view, as changes "
      u8"are used when toggling too.",
      u8"Auch vor dem Umschalten in die Datenblattansicht müssen Sie auf 'Rückgängig' klicken, "
      u8"denn beim Umschalten werden die Änderungen ebenfalls übernommen.",
      u8"Vous devez aussi cliquer sur le bouton 'Annuler' avant de passer à la vue Spreadsheet, "
      u8"car les changements sont aussi pris en compte à ce moment-là."}},
    {2,
     {u8"Edit menu 'Undo' (CTRL+Z) takes back the last change to the units - a unit changed in "
      u8"the Form View, a paste, an inserted or deleted unit (with its description), a sort, or "
      u8"the corrections a save made - one step at a time; 'Redo' (CTRL+Y or CTRL+SHIFT+Z) does "
      u8"it again. The menu names the step it will take back.",
      u8"Menü 'Bearbeiten', 'Rückgängig' (STRG+Z) nimmt die letzte Änderung an den Einheiten "
      u8"zurück - eine in der Formularansicht geänderte Einheit, ein Einfügen aus der "
      u8"Zwischenablage, eine eingefügte oder gelöschte Einheit (mit ihrer Beschreibung), eine "
      u8"Sortierung oder die Korrekturen beim Speichern - Schritt für Schritt; 'Wiederherstellen' "
      u8"(STRG+Y oder STRG+UMSCHALT+Z) führt sie erneut aus. Das Menü nennt den Schritt, den es "
      u8"zurücknimmt.",
      u8"Le menu 'Editer', 'Annuler' (CTRL+Z) défait le dernier changement des unités - une unité "
      u8"changée dans la vue Form, un collage, une unité insérée ou supprimée (avec sa "
      u8"description), un tri ou les corrections faites par une sauvegarde - une étape à la fois; "
      u8"'Rétablir' (CTRL+Y ou CTRL+MAJ+Z) le refait. Le menu nomme l'étape qu'il va défaire."}},
    {1,
     {u8"While you type in a field of the Form View, CTRL+Z first takes back your typing in that "
      u8"field; in the Form View 'Undo' also takes back changes not yet taken into the Datasheet.",
      u8"Während Sie in einem Feld der Formularansicht tippen, nimmt STRG+Z zuerst Ihre Eingabe "
      u8"in diesem Feld zurück; in der Formularansicht nimmt 'Rückgängig' auch Änderungen zurück, "
      u8"die noch nicht in die Datenblattansicht übernommen wurden.",
      u8"Pendant que vous tapez dans un champ de la vue Form, CTRL+Z défait d'abord votre saisie "
      u8"dans ce champ; dans la vue Form, 'Annuler' défait aussi les changements pas encore pris "
      u8"en compte dans la vue Spreadsheet."}},
    {1,
     {u8"When you undo back to the state you last saved or opened, the file counts as unchanged "
      u8"again. Opening another file starts a new list of steps.",
      u8"Wenn Sie bis zu dem Stand zurückgehen, den Sie zuletzt gespeichert oder geöffnet haben, "
      u8"gilt die Datei wieder als unverändert. Beim Öffnen einer anderen Datei beginnt eine neue "
      u8"Liste von Schritten.",
      u8"Quand vous revenez à l'état que vous avez sauvegardé ou ouvert en dernier, le fichier "
      u8"compte de nouveau comme inchangé. Ouvrir un autre fichier commence une nouvelle liste "
      u8"d'étapes."}},
    {2,
     {u8"Changes to the Equipment File will only be saved to disk, if you use the 'Save' or 'Save "
      u8"As' functions.",
      u8"Änderungen am Equipmentfile werden nur dann auf der Festplatte gespeichert, wenn Sie "
      u8"'Speichern' oder 'Speichern als...' benutzen.",
      u8"Les changements du Fichier Equipement ne sont enregistrés sur le disque que si vous "
      u8"utilisez les fonctions 'Sauvegarder' ou 'Sauvegarder Comme...'."}},
    {1,
     {u8"The 'Save' Function will save in the folder shown on top of the Main Screen. There will "
      u8"be no overwrite warning.",
      u8"'Speichern' speichert in den Ordner, der oben im Hauptfenster angezeigt wird. Es gibt "
      u8"keine Warnung vor dem Überschreiben.",
      u8"La fonction 'Sauvegarder' enregistre dans le dossier affiché en haut de la fenêtre "
      u8"principale. Il n'y a pas d'avertissement avant d'écraser les fichiers."}},
    {2,
     {u8"You can browse the icons using the two buttons marked '<' and '>' on each side of the "
      u8"Icon ID, or you can type in an Icon ID in the box between those buttons and the "
      u8"corresponding icon will be shown as you type the number.",
      u8"Sie können die Icons mit den beiden Buttons '<' und '>' links und rechts der Iconnr. "
      u8"durchblättern, oder Sie tippen eine Iconnr. in das Feld zwischen diesen Buttons, und das "
      u8"passende Icon wird schon während der Eingabe angezeigt.",
      u8"Vous pouvez parcourir les icones avec les deux boutons '<' et '>' de chaque côté de l'ID "
      u8"de l'Icone, ou taper un ID d'Icone dans la case entre ces boutons: l'icone correspondante "
      u8"s'affiche pendant que vous tapez le numéro."}},
    {1,
     {u8"If you click one of the '<' / '>' buttons once and then press your ENTER key, you will "
      u8"browse through the icons too. Holding down the ENTER key will bring you through the icons "
      u8"as fast as your Repetition Speed is set on your computer (fast-scroll).",
      u8"Wenn Sie einmal auf einen der Buttons '<' / '>' klicken und dann die Eingabetaste "
      u8"drücken, blättern Sie ebenfalls durch die Icons. Halten Sie die Eingabetaste gedrückt, "
      u8"blättern Sie so schnell durch die Icons, wie die Wiederholrate Ihrer Tastatur eingestellt "
      u8"ist (Schnelldurchlauf).",
      u8"Si vous cliquez une fois sur l'un des boutons '<' / '>' puis pressez la touche Entrée, "
      u8"vous parcourez aussi les icones. En tenant la touche Entrée enfoncée, vous faites défiler "
      u8"les icones aussi vite que la vitesse de répétition de votre clavier le permet (défilement "
      u8"rapide)."}},
    {2,
     {u8"You can browse through the units using the 'Prev. Unit'/'Next Unit' buttons to the right "
      u8"of the Unit Name. The Browse Order will be the same as the Sort Order.",
      u8"Sie können mit den Buttons 'Vorherige Einheit'/'Nächste Einheit' rechts vom "
      u8"Einheitennamen durch die Einheiten blättern. Die Reihenfolge entspricht der Sortierung.",
      u8"Vous pouvez parcourir les unités avec les boutons 'Unité Précédente'/'Unité Suivante' à "
      u8"droite du Nom de l'unité. L'ordre de parcours est celui du tri."}},
    {1,
     {u8"If you click one of the 'Prev. Unit' / 'Next Unit' buttons once and then press your enter "
      u8"key, you will browse through the Units too. Holding down the ENTER key will bring you "
      u8"through the Units as fast as the Repetition Speed is set on your computer (fast-scroll).",
      u8"Wenn Sie einmal auf 'Vorherige Einheit' / 'Nächste Einheit' klicken und dann die "
      u8"Eingabetaste drücken, blättern Sie ebenfalls durch die Einheiten. Halten Sie die "
      u8"Eingabetaste gedrückt, blättern Sie so schnell durch die Einheiten, wie die Wiederholrate "
      u8"Ihrer Tastatur eingestellt ist (Schnelldurchlauf).",
      u8"Si vous cliquez une fois sur 'Unité Précédente' / 'Unité Suivante' puis pressez la touche "
      u8"Entrée, vous parcourez aussi les unités. En tenant la touche Entrée enfoncée, vous faites "
      u8"défiler les unités aussi vite que la vitesse de répétition de votre clavier le permet "
      u8"(défilement rapide)."}},
    {2,
     {u8"Another way to jump to a specific unit is to use the DataSheet View.",
      u8"Eine andere Möglichkeit, zu einer bestimmten Einheit zu springen, bietet die "
      u8"Datenblattansicht.",
      u8"Un autre moyen d'aller à une unité précise est de passer par la vue Spreadsheet."}},
    {1,
     {u8"- Toggle the 'Datasheet View'", u8"- Schalten Sie in die Datenblattansicht um.",
      u8"- Passez à la 'vue Spreadsheet'"}},
    {1,
     {u8"- Find the unit you look for, using the scroll bars or arrow keys or PageUp/PageDown "
      u8"keys.",
      u8"- Suchen Sie die gewünschte Einheit mit den Bildlaufleisten, den Pfeiltasten oder den "
      u8"Tasten Bild auf/Bild ab.",
      u8"- Trouvez l'unité que vous cherchez avec les barres de défilement, les flèches ou les "
      u8"touches Page préc./Page suiv."}},
    {1,
     {u8"- Double Click the unit to select it in the 'Form View' or Use the ENTER-key to select "
      u8"the current Unit in Form View mode.",
      u8"- Doppelklicken Sie auf die Einheit, um sie in der Formularansicht zu öffnen, oder "
      u8"drücken Sie die Eingabetaste, um die aktuelle Einheit in der Formularansicht anzuzeigen.",
      u8"- Double-cliquez sur l'unité pour la choisir dans la 'vue Form', ou pressez la touche "
      u8"Entrée pour afficher l'unité courante dans la vue Form."}},
    {2,
     {u8"Insert a unit before or after the current unit in Datasheet View.",
      u8"Eine Einheit vor oder nach der aktuellen Einheit in der Datenblattansicht einfügen.",
      u8"Insérer une unité avant ou après l'unité courante dans la vue Spreadsheet."}},
    {1,
     {u8"- Edit menu 'Insert Unit Before' (CTRL+B) will insert a new unit before the current Unit",
      u8"- Menü 'Bearbeiten', 'Insert Unit Before' (STRG+B) fügt eine neue Einheit vor der "
      u8"aktuellen Einheit ein",
      u8"- Le menu 'Editer', 'Insert Unit Before' (CTRL+B) insère une nouvelle unité avant l'unité "
      u8"courante"}},
    {1,
     {u8"- Edit Menu 'Insert Unit After' (CTRL+I) will insert a new unit after the current Unit",
      u8"- Menü 'Bearbeiten', 'Insert Unit After' (STRG+I) fügt eine neue Einheit nach der "
      u8"aktuellen Einheit ein",
      u8"- Le menu 'Editer', 'Insert Unit After' (CTRL+I) insère une nouvelle unité après l'unité "
      u8"courante"}},
    {2,
     {u8"Delete the current Unit.", u8"Die aktuelle Einheit löschen.",
      u8"Supprimer l'unité courante."}},
    {1,
     {u8"- Edit Menu 'Delete Unit' (CTRL+D) will delete the current Unit",
      u8"- Menü 'Bearbeiten', 'Delete Unit' (STRG+D) löscht die aktuelle Einheit",
      u8"- Le menu 'Editer', 'Delete Unit' (CTRL+D) supprime l'unité courante"}},
    {2,
     {u8"The Add and Delete functions are only available when the Equipment File is sorted "
      u8"ascending on Unit Number.",
      u8"Einfügen und Löschen sind nur möglich, wenn das Equipmentfile aufsteigend nach "
      u8"Einheitennummer sortiert ist.",
      u8"Les fonctions d'Ajout et de Suppression ne sont disponibles que si le Fichier Equipement "
      u8"est trié par ordre croissant de Numéro d'Unité."}},
    {2,
     {u8"The current Unit is marked using a light blue background.",
      u8"Die aktuelle Einheit ist hellblau hinterlegt.",
      u8"L'unité courante est marquée d'un fond bleu clair."}},
    // Finding and filtering units, the status line.
    {2,
     {u8"Find a unit: 'Edit' -> 'Find...' (CTRL+F) opens the find bar in both views.",
      u8"Eine Einheit suchen: 'Bearbeiten' -> 'Suchen...' (STRG+F) öffnet in beiden Ansichten die "
      u8"Suchleiste.",
      u8"Rechercher une unité: 'Editer' -> 'Rechercher...' (CTRL+F) ouvre la barre de recherche "
      u8"dans les deux vues."}},
    {1,
     {u8"- Type part of a unit name; case and accents do not matter. ENTER or F3 goes to the next "
      u8"unit that matches, SHIFT+F3 to the previous one; at the end the search goes on from the "
      u8"other end and says so.",
      u8"- Tippen Sie einen Teil eines Einheitennamens; Groß- und Kleinschreibung und Akzente "
      u8"spielen keine Rolle. EINGABE oder F3 springt zur nächsten passenden Einheit, UMSCHALT+F3 "
      u8"zur vorherigen; am Ende geht die Suche am anderen Ende weiter und sagt das.",
      u8"- Tapez une partie du nom d'une unité; les majuscules et les accents ne comptent pas. "
      u8"ENTREE ou F3 va à l'unité suivante qui correspond, MAJ+F3 à la précédente; arrivée au "
      u8"bout, la recherche reprend à l'autre bout et le signale."}},
    {1,
     {u8"- Tick 'All cells and descriptions' to search every value and the long descriptions too.",
      u8"- Mit 'Alle Zellen und Beschreibungen' werden auch alle Werte und die "
      u8"Einheitenbeschreibungen durchsucht.",
      u8"- Cochez 'Toutes les cellules et descriptions' pour chercher aussi dans toutes les "
      u8"valeurs et les descriptions détaillées."}},
    {1,
     {u8"- In the Datasheet view the unit found becomes the current unit; in the Form View it is "
      u8"shown, and the changes to the unit shown before are taken in first, as with 'Next Unit'.",
      u8"- In der Datenblattansicht wird die gefundene Einheit zur aktuellen Einheit; in der "
      u8"Formularansicht wird sie angezeigt, und die Änderungen an der vorher gezeigten Einheit "
      u8"werden zuerst übernommen, wie bei 'Nächste Einheit'.",
      u8"- Dans la vue Spreadsheet l'unité trouvée devient l'unité courante; dans la vue Form elle "
      u8"est affichée, et les changements de l'unité affichée avant sont d'abord pris en compte, "
      u8"comme avec 'Unité Suivante'."}},
    {2,
     {u8"Filter the Datasheet: type into the 'Filter:' field above the Datasheet (CTRL+SHIFT+F) "
      u8"and only the units that match are shown.",
      u8"Das Datenblatt filtern: Tippen Sie in das Feld 'Filter:' über dem Datenblatt "
      u8"(STRG+UMSCHALT+F), und nur die passenden Einheiten werden angezeigt.",
      u8"Filtrer le Spreadsheet: tapez dans le champ 'Filtre:' au-dessus du Spreadsheet "
      u8"(CTRL+MAJ+F) et seules les unités qui correspondent sont affichées."}},
    {1,
     {u8"- A word must be part of the unit name. A condition compares a column: its heading or the "
      u8"Form View's label, then =, !=, <, <=, > or >=, then a value: 'class = tank', 'hard attack "
      u8">= 10', 'year available < 40'.",
      u8"- Ein Wort muss im Einheitennamen stehen. Eine Bedingung vergleicht eine Spalte: ihre "
      u8"Überschrift oder die Beschriftung in der Formularansicht, dann =, !=, <, <=, > oder >=, "
      u8"dann einen Wert: 'Klasse = Tank', 'Harter Angriff >= 10', 'ab Jahr < 40'.",
      u8"- Un mot doit figurer dans le nom de l'unité. Une condition compare une colonne: son "
      u8"titre ou le libellé de la vue Form, puis =, !=, <, <=, > ou >=, puis une valeur: "
      u8"'catégorie = tank', 'attaque anti-blindés >= 10', 'année de disponibilité < 40'."}},
    {1,
     {u8"- Several conditions separated by blanks or 'and' must all hold. A condition that cannot "
      u8"be understood is shown in red with the reason, and then nothing is filtered.",
      u8"- Mehrere Bedingungen, getrennt durch Leerzeichen oder 'und', müssen alle zutreffen. Eine "
      u8"Bedingung, die nicht verstanden wird, erscheint rot mit dem Grund, und dann wird nichts "
      u8"gefiltert.",
      u8"- Plusieurs conditions séparées par des espaces ou 'et' doivent toutes être remplies. Une "
      u8"condition qui ne peut pas être comprise est affichée en rouge avec la raison, et rien "
      u8"n'est alors filtré."}},
    {1,
     {u8"- While a filter is on, sorting, Copy and Paste work on the units shown; Paste is refused "
      u8"when the block reaches hidden units, and 'Insert Unit' and 'Delete Unit' are off. Empty "
      u8"the field to see all units again.",
      u8"- Solange ein Filter aktiv ist, wirken Sortieren, Kopieren und Einfügen auf die "
      u8"angezeigten Einheiten; Einfügen wird abgelehnt, wenn der Block ausgeblendete Einheiten "
      u8"erreicht, und 'Insert Unit' und 'Delete Unit' sind aus. Leeren Sie das Feld, um wieder "
      u8"alle Einheiten zu sehen.",
      u8"- Tant qu'un filtre est actif, le tri, Copier et Coller agissent sur les unités "
      u8"affichées; Coller est refusé quand le bloc touche des unités masquées, et 'Insert Unit' "
      u8"et 'Delete Unit' sont désactivés. Videz le champ pour revoir toutes les unités."}},
    {2,
     {u8"The line under the Datasheet shows how many units there are (and how many the filter "
      u8"shows), the current unit's number and name, and the filter.",
      u8"Die Zeile unter dem Datenblatt zeigt, wie viele Einheiten es gibt (und wie viele der "
      u8"Filter zeigt), Nummer und Name der aktuellen Einheit und den Filter.",
      u8"La ligne sous le Spreadsheet indique combien d'unités il y a (et combien le filtre en "
      u8"montre), le numéro et le nom de l'unité courante, et le filtre."}},
    // Checking the units and comparing with another file.
    {2,
     {u8"Check the units: 'Edit' -> 'Check Units' lists what is wrong or doubtful in the open "
      u8"file (values a save would correct, references the game cannot serve, availability, "
      u8"nations, names, descriptions). Click a heading to sort the list, double-click a row to "
      u8"go to that cell (in the Form View, to the unit, as 'Next Unit' would); a filter that "
      u8"hides the unit is cleared. 'Check Again' checks the file as it is now.",
      u8"Einheiten prüfen: 'Bearbeiten' -> 'Einheiten prüfen' listet, was in der geöffneten "
      u8"Datei falsch oder zweifelhaft ist (Werte, die beim Speichern korrigiert würden, Verweise, "
      u8"die das Spiel nicht kennt, Verfügbarkeit, Nationen, Namen, Beschreibungen). Ein Klick auf "
      u8"eine Überschrift sortiert die Liste, ein Doppelklick auf eine Zeile springt zu dieser "
      u8"Zelle (in der Formularansicht zur Einheit, wie 'Nächste Einheit'); ein Filter, der die "
      u8"Einheit ausblendet, wird geleert. 'Erneut prüfen' prüft die Datei, wie sie jetzt ist.",
      u8"Vérifier les unités: 'Editer' -> 'Vérifier les unités' liste ce qui est faux ou douteux "
      u8"dans le fichier ouvert (valeurs qu'une sauvegarde corrigerait, références que le jeu ne "
      u8"connaît pas, disponibilité, nations, noms, descriptions). Un clic sur un titre trie la "
      u8"liste, un double-clic sur une ligne va à cette cellule (dans la vue Form, à l'unité, "
      u8"comme "
      u8"'Unité Suivante'); un filtre qui masque l'unité est effacé. 'Vérifier à nouveau' vérifie "
      u8"le fichier tel qu'il est maintenant."}},
    {2,
     {u8"Compare with another file: 'File' -> 'Compare With...' picks the folder of another "
      u8"equipment file. The cells that differ are tinted in the Datasheet (the unit number too, "
      u8"also for a changed description), and a list shows every difference. Select rows and "
      u8"click 'Take Selected Values' or 'Take Whole Units' (or use the list's context menu) to "
      u8"take the other file's values, units only in the other file included; each take is one "
      u8"step that 'Undo' takes back. Closing the list ends the comparison and the tint.",
      u8"Mit einer anderen Datei vergleichen: 'Datei' -> 'Vergleichen mit...' wählt den Ordner "
      u8"einer anderen Equipment-Datei. Die Zellen, die sich unterscheiden, werden im Datenblatt "
      u8"farbig hinterlegt (auch die Einheitennummer, auch bei einer geänderten Beschreibung), "
      u8"und eine Liste zeigt jeden Unterschied. Wählen Sie Zeilen und klicken Sie 'Gewählte Werte "
      u8"übernehmen' oder 'Ganze Einheiten übernehmen' (oder nutzen Sie das Kontextmenü der "
      u8"Liste), um die Werte der anderen Datei zu übernehmen, auch Einheiten, die nur dort "
      u8"stehen; jede Übernahme ist ein Schritt, den 'Rückgängig' zurücknimmt. Das Schließen der "
      u8"Liste beendet den Vergleich und die Färbung.",
      u8"Comparer avec un autre fichier: 'Fichier' -> 'Comparer avec...' choisit le dossier d'un "
      u8"autre fichier équipement. Les cellules qui diffèrent sont colorées dans le Spreadsheet "
      u8"(le numéro d'unité aussi, même pour une description changée), et une liste montre "
      u8"chaque différence. Choisissez des lignes et cliquez sur 'Reprendre les valeurs choisies' "
      u8"ou 'Reprendre les unités entières' (ou utilisez le menu contextuel de la liste) pour "
      u8"reprendre les valeurs de l'autre fichier, y compris les unités qui n'y sont que là; "
      u8"chaque reprise est une étape que 'Annuler' reprend. Fermer la liste termine la "
      u8"comparaison et la coloration."}},
    {2,
     {u8"Have fun editing or browsing your Korvath E-file.",
      u8"Viel Spaß beim Editieren oder einfach nur Durchblättern Ihres Korvath-Equipmentfiles.",
      u8"Amusez vous bien en éditant ou en parcourant votre fichier équipement de Korvath ."}},
    // Where to turn with problems.
    {2,
     {u8"Found a problem or have an idea? Please report it on the project's issue tracker.",
      u8"Ein Problem gefunden oder eine Idee? Bitte melden Sie es im Issue-Tracker des Projekts.",
      u8"Vous avez trouvé un problème ou vous avez une idée ? Signalez-le dans le suivi des "
      u8"tickets du projet."}},
    {1,
     {u8"Please name the version shown in the About window and the steps that lead to the problem.",
      u8"Nennen Sie dabei bitte die im Über-Fenster angezeigte Version und die Schritte, die zu "
      u8"dem Problem führen.",
      u8"Indiquez la version affichée dans la fenêtre A Propos et les étapes qui mènent au "
      u8"problème."}},
    {1,
     {u8"{EditorName} is made by players and is not supported by the publisher of Korvath.",
      u8"{EditorName} wird von Spielern entwickelt und nicht vom Herausgeber von Korvath "
      u8"unterstützt.",
      u8"{EditorName} est réalisé par des joueurs et n'est pas pris en charge par l'éditeur de "
      u8"Korvath."}},
};

} // namespace

std::span<const HowToLine> HowToTable() {
    return HowTo;
}

} // namespace quillon::i18n::tables
