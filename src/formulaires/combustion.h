// The combustion tab's form: the CO2/O2 conversion reads TxtCombustion(0)
// in the gas of CmbCombustion(1); the efficiency reads fields 1 to 3 in the
// gas of CmbCombustion(2); both for the fuel of CmbCombustion(0).
#pragma once

#include "calc/combustion.h"
#include "formulaires/formulaire.h"

namespace formulaires::combustion {

namespace k = calc::combustion;

// Columns of the efficiency block, twips; rows of boxes.
constexpr int colonne(int i) {
    return 120 + i * 3600;
}
inline constexpr int hautConversion = 3300;
inline constexpr int hautEntrees = 4740;

// The conversion's field has no caption: its gas list tells what it holds.
inline constexpr Champ champsConversion[] = {
    {0, "0", {-1, -1, "", "", colonne(0), hautConversion}},
};
inline constexpr Champ champsRendement[] = {
    {1, "0", {4, 5, "Température des fumées", "°C", colonne(0), hautEntrees}},
    {2,
     "0",
     {6, 7, "Température de l'air comburant à proximité du brûleur", "°C", colonne(1), hautEntrees,
      2}},
    {3, "0", {8, -1, "CO  ou O  mesuré", "", colonne(2), hautEntrees}},
};

inline constexpr Source<k::EntreeConversion> sourcesConversion[] = {
    source<&k::EntreeConversion::x>("TxtCombustion", 0)};
inline constexpr Choix<k::EntreeConversion> listesConversion[] = {
    choix<&k::EntreeConversion::combustible>("CmbCombustion", 0),
    choix<&k::EntreeConversion::mesure>("CmbCombustion", 1),
};

inline constexpr Source<k::EntreeRendement> sourcesRendement[] = {
    source<&k::EntreeRendement::tf>("TxtCombustion", 1),
    source<&k::EntreeRendement::ta>("TxtCombustion", 2),
    source<&k::EntreeRendement::teneur>("TxtCombustion", 3),
};
inline constexpr Choix<k::EntreeRendement> listesRendement[] = {
    choix<&k::EntreeRendement::combustible>("CmbCombustion", 0),
    choix<&k::EntreeRendement::mesure>("CmbCombustion", 2),
};

// What the efficiency calculation formed, for the sheet; the volumes per
// unit of the fuel it was made for.
using N = k::Intermediaires;
inline std::u16string_view uniteVolumes(const N& n) {
    return n.combustible ? k::uniteVolume(*n.combustible) : std::u16string_view();
}
inline constexpr Intermediaire<N> intermediaires[] = {
    intermediaire<&N::co2Max>("CO2 maximal du combustible", "%"),
    intermediaire<&N::a1>("Coefficient A1"),
    intermediaire<&N::a2>("Coefficient A2"),
    intermediaire<&N::b>("Coefficient B"),
    intermediaire<&N::air>("Volume d'air stœchiométrique", "", uniteVolumes),
    intermediaire<&N::fumees>("Volume de fumées stœchiométrique", "", uniteVolumes),
    intermediaire<&N::vapeur>("Volume de vapeur d'eau", "", uniteVolumes),
    intermediaire<&N::pressionVapeur>("Pression partielle de la vapeur d'eau", "Pa"),
};

} // namespace formulaires::combustion
