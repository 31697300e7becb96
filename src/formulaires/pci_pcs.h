// The heating-value tab's form: one row per fuel, in the fuels' order, its
// PCI field TxtPCI_PCS(2r) and its PCS field TxtPCI_PCS(2r + 1), each read
// as its fuel's fields are (calc::pci_pcs::luEnSimple), with their unit lists.
#pragma once

#include "calc/pci_pcs.h"
#include "formulaires/formulaire.h"

#include <array>

namespace formulaires::pci_pcs {

struct Rangee {
    int titre, legendePCI, legendePCS; // LblPCI_PCS indices
    int listePCI, listePCS;            // CmbPCI_PCS indices, -1: a unit label
    const char* phrase;                // the label of the row's sentence
};

inline constexpr std::array<Rangee, 3> rangees = {{
    {0, 3, 4, 0, 1, "LblLitre_Kg_Fioul"},
    {1, 5, 6, -1, -1, "Lblm3_Gaz_Nat"},
    {2, 9, 10, 2, 3, "Lblm3_Gaz_Prop"},
}};

// The factor of a row's conversion, for the sheet.
using N = calc::pci_pcs::Intermediaires;
inline constexpr Intermediaire<N> intermediaires[] = {
    intermediaire<&N::facteur>("Facteur appliqué"),
};

} // namespace formulaires::pci_pcs
