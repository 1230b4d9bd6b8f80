// Texts of the About window.
#include "i18n/LanguageTables.h"

namespace quillon::i18n::tables {
namespace {

// Joined as part 1, the editor's name, part 2, the editor's name, part 3.
const Texts AboutParts[] = {
    {u8"This Korvath Equipment Editor allows you to change the content of the KorEquip.EQP and "
     u8"KorEquip.TXT files. You can modify statistics, sounds, and icons for existing units.  You "
     u8"can add or delete units as well.  You can play the sounds right from the editor.  You can "
     u8"copy from the the ",
     u8"Dieser Korvath-Equipment Editor bietet Ihnen die Möglichkeit, den Inhalt von KorEquip.EQP "
     u8"and KorEquip.TXT-Dateien bequem zu ändern. Sie können Werte, Sounds und Icons für "
     u8"vohandene Einheiten genauso ändern, wie Sie neue Einheiten hinzufügen oder vorhandene "
     u8"löschen können. Ebenso können Sie Sounds direkt im Editor abspielen/testen. Zusätzlich "
     u8"können Sie Daten von ",
     u8"Cet éditeur d'Equipement pour Korvath vous permet de changer le contenu des fichiers "
     u8"KorEquip.EQP et KorEquip.TXT . Vous pouvez modifier les statistiques, les sons et les "
     u8"icones des unités existantes.  Vous pouvez aussi ajouter ou supprimer des unités.  Vous "
     u8"pouvez tester les sons depuis l'éditeur.  Vous pouvez copier depuis le "},
    {u8" to MS Excel, modify the data, and then paste it back to the ",
     u8" nach MS-Excel kopieren, dort verändern und dann wieder in ",
     u8" vers MS Excel, modifier les données, et le coller en retour vers "},
    {u8".  You can also simply open an Equipment File just to browse around.  There are many more "
     u8"features as well.  The program makes intensive use of existing game files located in the "
     u8"'..\\GAME\\DATA\\' folder, as well as the '..\\GAME\\BNK\\' folder.",
     u8" einfügen. Sie können natürlich auch nur ein Equipmentfile öffnen, um darin "
     u8"herumzustöbern. Und es gibt noch viel mehr Möglichkeiten... Das Programm macht dabei "
     u8"intensiven Gebrauch von vorhandenen Dateien in den Ordnern '..\\GAME\\DATA\\' und "
     u8"'..\\GAME\\BNK\\'.",
     u8".  Plus simplement vous pouvez ouvrir un Fichier Equipement et regarder ce qu'il y a "
     u8"dedans.  Il y a beaucoup d'autres possibilités.  Le programme se sert beaucoup de fichiers "
     u8"du jeu situés dans le dossier '..\\GAME\\DATA\\' , et aussi dans le dossier "
     u8"'..\\GAME\\BNK\\' ."},
};

// Shown by a newly created About window until a language is applied.
const Texts InitialDescription = {
    u8"This Korvath Equipment Editor changes the content of the KorEquip.EQP and KorEquip.TXT "
    u8"files: the statistics, sounds and icons of the units, and the units themselves.  It "
    u8"reads the names, icons, flags and sounds it shows from the game's own files in the "
    u8"'..\\GAME\\DATA\\' and '..\\GAME\\BNK\\' folders.",
    nullptr, nullptr};

// The same notice in every language.
const Texts Disclaimer = {
    u8"Use this program at your own risk. It is provided as is, without any warranty. Keep "
    u8"copies of your files. {EditorName} is not affiliated with or endorsed by the publisher "
    u8"of Korvath.",
    nullptr, nullptr};

} // namespace

std::span<const Texts> AboutDescriptionTable() {
    return AboutParts;
}
const Texts& InitialAboutDescriptionText() {
    return InitialDescription;
}
const Texts& DisclaimerText() {
    return Disclaimer;
}

} // namespace quillon::i18n::tables
