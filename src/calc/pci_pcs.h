// Heating values of three fuels, from the lower basis (PCI) to the higher one
// (PCS) and back, with the amount of fuel that yields a PCS figure.
#pragma once

#include "calc/combustible.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calc::pci_pcs {

enum class Sens { VersPCS, VersPCI };

// The units a fuel's heating value is given in, in list order: the first is
// "kWh/kg" except for natural gas, which has only "kWh/m3(n)".
const std::vector<std::u16string>& unites(Combustible combustible);

// Heating oil and propane are read as singles, natural gas as a double.
inline constexpr bool luEnSimple(Combustible combustible) {
    return combustible != Combustible::GazNaturel;
}

struct Resultat {
    double cible;              // the value the field converted into receives
    double quantite;           // the amount of fuel whose PCS the PCS field holds, 2 places
    std::u16string_view unite; // its unit: "kg de fioul domestique", ...
};

// Converts x, the source field read as its fuel's fields are (PCI for VersPCS,
// PCS for VersPCI), into the other field of the fuel's row; the units are
// indices in unites(combustible), natural gas ignoring them. The amount of
// fuel is that of the PCS field as it then reads. nullopt leaves the row as it
// is: a value beyond the single range in a heating-oil or propane field, the
// result included.
// The factor the conversion applies to the source value: its chain of
// quotients taken on 1.
struct Intermediaires {
    std::optional<double> facteur;
};

std::optional<Resultat> convertir(Combustible combustible, Sens sens, double x,
                                  std::size_t unitePCI, std::size_t unitePCS,
                                  Intermediaires* notes = nullptr);

inline constexpr std::string_view formules =
    "PCS = PCI × PCS(combustible) / PCI(combustible), et inversement\n"
    "Fuel domestique : PCI 11,9 et PCS 12,7 kWh/kg ; 10,25 kWh/litre sur PCI (densité "
    "10,25 / 11,9)\n"
    "Gaz naturel : PCI 10,56 et PCS 11,67 kWh/m3(n)\n"
    "Gaz propane : PCI 12,8 et PCS 13,9 kWh/kg ; PCI 25,4 et PCS 27,5 kWh/m3(n)\n"
    "Quantité de combustible = PCS / PCS par unité de combustible";

} // namespace calc::pci_pcs
