// The datasheet's fixed column headings. Columns 34 to 64 show the game's
// nation names and have no row; column 65 shows nation 32 in French only.
#include "i18n/LanguageTables.h"

namespace quillon::i18n::tables {
namespace {

const HeadingText Headings[] = {
    {0, {u8"Unit No.", u8"Einheitennr.", u8"Numéro de l'Unité"}},
    {1, {u8"Unit Name", u8"Einheitenname", u8"Nom de l'unité"}},
    {2, {u8"Class", u8"Klasse", u8"Catégorie"}},
    {3, {u8"S.A.", u8"S.A.", u8"Attaque Anti-Personnelle"}},
    {4, {u8"H.A.", u8"H.A.", u8"Attaque Anti-Blindés"}},
    {5, {u8"A.A.", u8"A.A.", u8"Attaque Aérienne"}},
    {6, {u8"N.A.", u8"N.A.", u8"Attaque Navale"}},
    {7, {u8"Su.A.", u8"Su.A.", u8"Attaque Sous-marine"}},
    {8, {u8"G.D.", u8"G.D.", u8"Défense terrestre"}},
    {9, {u8"A.D.", u8"A.D.", u8"Défense aérienne"}},
    {10, {u8"As.D", u8"As.D.", u8"Résistance à l'Assaut"}},
    {11, {u8"T.D.", u8"T.D.", u8"Défense Anti-Torpillle"}},
    {12, {u8"D.C.D.", u8"D.C.D.", u8"Résistance aux Charges sous-marines"}},
    {13, {u8"Target Type", u8"Zieltyp", u8"Type de Cible"}},
    {14, {u8"Bomber Size", u8"Bombergrösse", u8"Taille de Bombardier"}},
    {15, {u8"U1", u8"U1", u8"U1"}},
    {16, {u8"Initiative", u8"Initiative", u8"Initiative"}},
    {17, {u8"Range", u8"Reichweite", u8"Portée"}},
    {18, {u8"Spotting Range", u8"Sichtweite", u8"Distance de Reconnaissance"}},
    {19, {u8"Move Medium", u8"Bewegungsmedium", u8"Moyen de Mouvement"}},
    {20, {u8"Move Method", u8"Bewegungsart", u8"Méthode de Mouvement"}},
    {21, {u8"Move", u8"Bewegung", u8"Mouvement"}},
    {22, {u8"Fuel", u8"Treibstoff", u8"Carburant"}},
    {23, {u8"Ammo", u8"Munition", u8"Munitions"}},
    {24, {u8"Lives", u8"Einheitenstärke", u8"Vies"}},
    {25, {u8"U2", u8"U2", u8"U2"}},
    {26, {u8"Prestige", u8"Prestige", u8"Prestige"}},
    {27, {u8"Icon ID", u8"Icon #", u8"ID de l'Icone"}},
    {28, {u8"U3", u8"U3", u8"U3"}},
    {29, {u8"Month Available", u8"Monat verf.", u8"Mois de Disponibilité"}},
    {30, {u8"Year Available", u8"Jahr verf.", u8"Année de Disponibilité"}},
    {31, {u8"Year Expired", u8"Jahr nicht mehr verf.", u8"Année de Mise Hors-Service"}},
    {32, {u8"Non Organic Transport", u8"Transportart", u8"Transport attaché"}},
    {33, {u8"Hangar Size", u8"Fassungsvermögen", u8"Taille de Hangar"}},
    {65, {u8"Unused", u8"U2", nullptr}},
    {66, {u8"Special 1", u8"Spezialfähigkeit 1", u8"Spécial 1"}},
    {67, {u8"Special 2", u8"Spezialfähigkeit 2", u8"Spécial 2"}},
    {68, {u8"Special 3", u8"Spezialfähigkeit 3", u8"Spécial 3"}},
    {69, {u8"Special 4", u8"Spezialfähigkeit 4", u8"Spécial 4"}},
    {70, {u8"Move Sound", u8"Einheit im Bewegung", u8"Son du Mouvement"}},
    {71, {u8"Attack Sound", u8"Einheit beim Angriff", u8"Son de l'Attaque"}},
    {72, {u8"Death Sound", u8"Einheit zerstört", u8"Son de Destruction"}},
    {73, {u8"Unknown bytes", u8"Unbekannte Bytes", u8"Bytes inconnus"}},
};

} // namespace

std::span<const HeadingText> HeadingTable() {
    return Headings;
}

} // namespace quillon::i18n::tables
