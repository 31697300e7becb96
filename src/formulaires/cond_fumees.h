// The flue duct tab's form, with the offset frame's fields.
#pragma once

#include "calc/cond_fumees.h"
#include "calc/devoiement.h"
#include "formulaires/formulaire.h"

namespace formulaires::cond_fumees {

namespace f = calc::cond_fumees;
using f::Saisie;

// Five columns left of the results, twips; the rows of boxes of the three blocks.
constexpr int colonne(int i) {
    return 120 + i * 2400;
}
inline constexpr int hautRaccordement = 1920;
inline constexpr int hautChaudiere = 3240;
inline constexpr int hautChaudiere2 = 4380;
inline constexpr int hautConduit = 5940;

// TxtCond_Fumees block by block: the connecting pipe, the boiler, the duct.
inline constexpr Champ champsRaccordement[] = {
    {0, "0", {1, 2, "Longueur", "m", colonne(0), hautRaccordement}},
    {1, "0", {5, 3, "Diamètre", "m", colonne(1), hautRaccordement}},
    {2, "0", {4, 7, "Nombre de coudes à 45°", "_", colonne(2), hautRaccordement}},
    {3, "0", {6, 8, "Nombre de coudes à 90°", "_", colonne(3), hautRaccordement}},
};
inline constexpr Champ champsChaudiere[] = {
    {4, "0", {11, 12, "Puissance", "kW", colonne(1), hautChaudiere}},
    {13,
     "0",
     {28, 27, "Rendement de la chaudière (0 > n < 1)", "n", colonne(2), hautChaudiere, 2,
      Plage::strictementEntre(0, 1)}},
    {5,
     "0",
     {15, 16, "Volume de gaz brûlés (voir onglet Combustion)", "m3(n)/kg", colonne(3),
      hautChaudiere, 2}},
    {6,
     "0",
     {19, 18, "Température moyenne des gaz brûlés en sortie de chaudière", "°C", colonne(0),
      hautChaudiere2, 3}},
    {7,
     "10",
     {13, 14, "Dépression minimale nécessaire en sortie (voir données constructeur)", "Pa",
      colonne(1), hautChaudiere2, 3}},
    {8,
     "4",
     {33, 32, "Dépression minimale nécessaire à l'apport d'air comburant", "Pa", colonne(2),
      hautChaudiere2, 3}},
};
inline constexpr Champ champsConduit[] = {
    {9, "0", {21, 20, "Hauteur du conduit de fumées", "m", colonne(0), hautConduit, 3}},
    {10,
     "0",
     {26, 29, "Longueur du conduit de fumées (différente de la hauteur si dévoiement)", "m",
      colonne(1), hautConduit, 3, Plage::enMots("au moins la hauteur du conduit de fumées")}},
    {11,
     "0",
     {30, 22, "Nombre de coudes utilisés pour le dévoiement", "_", colonne(2), hautConduit, 3}},
    {12, "15", {23, 31, "Température moyenne extérieure", "°C", colonne(3), hautConduit, 3}},
};

inline constexpr Source<Saisie> sources[] = {
    source<&Saisie::hauteur>("TxtCond_Fumees", 9),
    source<&Saisie::longueur>("TxtCond_Fumees", 10),
    source<&Saisie::longueurRaccordement>("TxtCond_Fumees", 0),
    source<&Saisie::diametreRaccordement>("TxtCond_Fumees", 1),
    source<&Saisie::temperatureFumees>("TxtCond_Fumees", 6),
    source<&Saisie::temperatureExterieure>("TxtCond_Fumees", 12),
    source<&Saisie::volumeFumees>("TxtCond_Fumees", 5),
    source<&Saisie::puissance>("TxtCond_Fumees", 4),
    source<&Saisie::rendement>("TxtCond_Fumees", 13),
    source<&Saisie::hauteurDouble>("TxtCond_Fumees", 9),
    source<&Saisie::longueurDouble>("TxtCond_Fumees", 10),
    source<&Saisie::diametreDouble>("TxtCond_Fumees", 1),
    source<&Saisie::coudes45>("TxtCond_Fumees", 2),
    source<&Saisie::coudes90>("TxtCond_Fumees", 3),
    source<&Saisie::coudesDevoiement>("TxtCond_Fumees", 11),
    source<&Saisie::depressionSortie>("TxtCond_Fumees", 7),
    source<&Saisie::depressionAirComburant>("TxtCond_Fumees", 8),
};

// CmbCond_Fumees(0) the fuel, (1) the connecting pipe, (2) the duct.
inline constexpr Choix<Saisie> listes[] = {
    choix<&Saisie::combustible>("CmbCond_Fumees", 0),
    choix<&Saisie::materiauRaccordement>("CmbCond_Fumees", 1),
    choix<&Saisie::materiauConduit>("CmbCond_Fumees", 2),
};

// What the sizing formed, for the sheet.
using N = f::Intermediaires;
inline constexpr Intermediaire<N> intermediaires[] = {
    intermediaire<&N::temperatureMoyenne>("Température moyenne des fumées", "°C"),
    intermediaire<&N::masseVolumiqueFumees>("Masse volumique des fumées", "kg/m3"),
    intermediaire<&N::masseVolumiqueAir>("Masse volumique de l'air extérieur", "kg/m3"),
    intermediaire<&N::tirage>("Tirage disponible", "Pa"),
    intermediaire<&N::sectionRaccordement>("Section du conduit de raccordement", "cm²"),
    intermediaire<&N::vitesseRaccordement>("Vitesse des fumées dans le conduit de raccordement",
                                           "m/s"),
    intermediaire<&N::reynoldsRaccordement>("Nombre de Reynolds du conduit de raccordement"),
    intermediaire<&N::frottementRaccordement>(
        "Coefficient de frottement du conduit de raccordement"),
    intermediaire<&N::perteRaccordement>("Pertes de charge du conduit de raccordement", "Pa"),
    intermediaire<&N::vitesseConduit>("Vitesse des fumées dans le conduit", "m/s"),
    intermediaire<&N::reynoldsConduit>("Nombre de Reynolds du conduit"),
    intermediaire<&N::frottementConduit>("Coefficient de frottement du conduit"),
    intermediaire<&N::perteConduit>("Pertes de charge du conduit", "Pa"),
    intermediaire<&N::total>("Total des pertes et dépressions nécessaires", "Pa"),
    intermediaire<&N::pas>("Nombre de pas de la recherche"),
};

// The offset frame: TxtDevoiement, twips from the frame's own corner.
namespace d = calc::devoiement;
inline constexpr Champ champsDevoiement[] = {
    {0, "0", {35, 34, "Décaler", "m", 120, dansCadre(600)}},
    {1, "0", {37, 36, "Angle", "Degrés", 3360, dansCadre(1800)}},
};
inline constexpr Source<d::Entree> sourcesDevoiement[] = {
    source<&d::Entree::decalage>("TxtDevoiement", 0),
    source<&d::Entree::angle>("TxtDevoiement", 1),
    source<&d::Entree::hauteur>("TxtCond_Fumees", 9),
};

} // namespace formulaires::cond_fumees
