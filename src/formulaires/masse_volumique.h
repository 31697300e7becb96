// The density tab's form: the water block reads TxtMasse_Vol(0), the air
// block TxtMasse_Vol(1) and (2).
#pragma once

#include "calc/masse_volumique.h"
#include "formulaires/formulaire.h"

namespace formulaires::masse_volumique {

namespace mv = calc::masse_volumique;
using mv::EntreeAir;

// Fields in a left column, twips.
inline constexpr int xChamp = 600;

inline constexpr Champ champs[] = {
    {0,
     "0",
     {0, 2, "Température de l'eau", "°C", xChamp, 1900, 1,
      Plage::entre(mv::eauMinimale, mv::eauMaximale)}},
    {1,
     "0",
     {10, 8, "Température de l'air", "°C", xChamp, 3900, 1,
      Plage::entre(mv::airMinimale, mv::airMaximale)}},
    {2,
     "0",
     {20, 21, "Humidité absolue de l'air", "kg eau/kg air sec", xChamp, 4620, 1,
      Plage::enMots("au plus la saturation de l'air à sa température")}},
};

// The water block reads its field as a single.
struct EntreeEau {
    float t = 0; // °C
};
inline constexpr Source<EntreeEau> sourcesEau[] = {source<&EntreeEau::t>("TxtMasse_Vol", 0)};

inline constexpr Source<EntreeAir> sourcesAir[] = {
    source<&EntreeAir::ta>("TxtMasse_Vol", 1),
    source<&EntreeAir::T>("TxtMasse_Vol", 1),
    source<&EntreeAir::x>("TxtMasse_Vol", 2),
    source<&EntreeAir::X>("TxtMasse_Vol", 2),
};

// What the air calculation formed, for the sheet.
using NAir = mv::IntermediairesAir;
inline constexpr Intermediaire<NAir> intermediairesAir[] = {
    intermediaire<&NAir::pressionSaturante>("Pression de vapeur saturante", "Pa"),
    intermediaire<&NAir::humiditeSaturation>("Humidité absolue à saturation", "kg eau/kg air sec"),
};

} // namespace formulaires::masse_volumique
