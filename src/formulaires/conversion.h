// The unit-conversion tab's form: five rows, each converting a value between
// two units of one quantity, TxtConversion(2r) with the unit CmbConversion(2r)
// on the left, TxtConversion(2r + 1) with CmbConversion(2r + 1) on the right.
// Every field is read as a double.
#pragma once

#include "calc/conversion.h"
#include "formulaires/formulaire.h"

#include <array>

namespace formulaires::conversion {

using calc::conversion::Grandeur;

struct Rangee {
    Grandeur grandeur;
    const char* legende;     // LblCOnversion(r), UTF-8
    const char* uniteGauche; // shown at start
    const char* uniteDroite;
    int gauche, haut; // left field, twips
};

inline constexpr std::array<Rangee, 5> rangees = {{
    {Grandeur::Temperature, "Degrés", "°C", "°K", 840, 1920},
    {Grandeur::Pression, "Pression", "mCE", "bar", 840, 3960},
    {Grandeur::Puissance, "Puissance", "W", "kW", 3960, 6120},
    {Grandeur::Energie, "Ènergie", "W/h", "kW/h", 7080, 1920},
    {Grandeur::Debit, "Débit", "m3/h", "l/h", 7080, 3960},
}};

// The factor of a row's conversion, for the sheet: a ratio, or a
// temperature relation.
using N = calc::conversion::Intermediaires;
inline constexpr Intermediaire<N> intermediaires[] = {
    intermediaire<&N::facteur>("Facteur appliqué"),
    intermediaire<&N::relation>("Facteur appliqué"),
};

} // namespace formulaires::conversion
