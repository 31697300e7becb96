// The heating expansion tab's form: the vessel block (TxtExpansion) and,
// below it, the pressure at a temperature (TxtExpansionTemp), which reads the
// vessel from the vessel block's results.
#pragma once

#include "calc/pression_temperature.h"
#include "calc/vase_expansion.h"
#include "formulaires/formulaire.h"

namespace formulaires::expansion {

namespace vase = calc::vase_expansion;
namespace pression = calc::pression_temperature;

// Columns of the vessel block, twips: inputs, middle inputs; rows of boxes.
inline constexpr int xEntrees = 120;
inline constexpr int xMilieu = 3150;
constexpr int rangee(int i) {
    return hautPage + 540 + i * 840;
}
// The pressure block.
inline constexpr int hautPression = hautPage + 4500;
inline constexpr int xPression = 3480;
inline constexpr int hautPression0 = hautPression + 900, hautPression1 = hautPression0 + 840;

// A temperature typed above 100 °C in either temperature field is refused at once.
inline constexpr entry::Refus refusTemperature = {
    vase::temperatureRefusee,
    "il n'est pas envisageable de faire fonctionner une installation de chauffage \r\n"
    "basse température à une température moyenne de fonctionnement supérieure à 100 °C !"};

// TxtExpansion, in screen order.
inline constexpr Champ champs[] = {
    {0, "0", {0, 1, "Altitude du logement", "m", xEntrees, rangee(0)}},
    {1,
     "70",
     {2, 3, "Température moyenne maximale de fonctionnement", "°C", xEntrees, rangee(1), 2,
      Plage::auPlus(vase::temperatureMaximale)},
     refusTemperature},
    {2, "15", {6, 7, "Température à l'arrêt ou de remplissage", "°C", xEntrees, rangee(2), 2}},
    {3, "0", {4, 5, "Contenance de l'installation", "litres", xEntrees, rangee(3)}},
    {6,
     "0",
     {24, 25, "Hauteur statique de l'installation", "m", xMilieu, rangee(1), 2,
      Plage::enMots("pression statique au plus %1 bar(s)", vase::pressionStatiqueMaximale)}},
    {4,
     "3",
     {8, 9, "Pression de tarage de la soupape de sécurité", "bar(s)", xMilieu, rangee(2), 2}},
};

// TxtExpansionTemp.
inline constexpr Champ champsPression[] = {
    {0,
     "15",
     {11, 10, "Température de l'eau", "°C", xPression, hautPression0, 1,
      Plage::auPlus(vase::temperatureMaximale), 3000},
     refusTemperature},
    {1, "0", {32, 31, "Pression de remplissage", "bar(s)", xPression, hautPression1, 1, {}, 3000}},
};

inline constexpr Source<vase::Entree> sources[] = {
    source<&vase::Entree::h>("TxtExpansion", 0),     source<&vase::Entree::tmax>("TxtExpansion", 1),
    source<&vase::Entree::tfill>("TxtExpansion", 2), source<&vase::Entree::V>("TxtExpansion", 3),
    source<&vase::Entree::H>("TxtExpansion", 6),     source<&vase::Entree::Pv>("TxtExpansion", 4),
};

// The vessel exists only as the vessel block's results show it: "0" before
// any sizing, "#####" after a failed one, which reads as no number.
inline constexpr Source<pression::Entree> sourcesPression[] = {
    source<&pression::Entree::h>("TxtExpansion", 0),
    source<&pression::Entree::tfill>("TxtExpansion", 2),
    source<&pression::Entree::V>("TxtExpansion", 3),
    source<&pression::Entree::pv>("TxtExpansion", 4),
    source<&pression::Entree::pstAffichee>("LblResultat_Expansion", 5),
    source<&pression::Entree::vnAffiche>("LblResultat_Expansion", 2),
    source<&pression::Entree::ppAffichee>("LblResultat_Expansion", 9),
    source<&pression::Entree::t>("TxtExpansionTemp", 0),
    source<&pression::Entree::pf>("TxtExpansionTemp", 1),
};

// What each block's calculation formed, for the sheet.
using NVase = vase::Intermediaires;
inline constexpr Intermediaire<NVase> intermediaires[] = {
    intermediaire<&NVase::rhoFill>("Masse volumique de l'eau au remplissage", "kg/m3"),
    intermediaire<&NVase::rhoMax>("Masse volumique de l'eau à la température maximale", "kg/m3"),
    intermediaire<&NVase::pa>("Pression atmosphérique", "bar"),
    intermediaire<&NVase::a>("Pression finale absolue", "bar"),
    intermediaire<&NVase::b>("Pression initiale absolue", "bar"),
    intermediaire<&NVase::vminInitial>("Volume minimal avant correction", "litres"),
    intermediaire<&NVase::corrections>("Nombre de corrections du volume minimal"),
};
using NPression = pression::Intermediaires;
inline constexpr Intermediaire<NPression> intermediairesPression[] = {
    intermediaire<&NPression::rhoT>("Masse volumique de l'eau à la température choisie", "kg/m3"),
};

} // namespace formulaires::expansion
