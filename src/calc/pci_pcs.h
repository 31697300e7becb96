// Heating values of three fuels, from the lower basis (PCI) to the higher one
// (PCS) and back, with the amount of fuel that yields a PCS figure.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calc::pci_pcs {

enum class Combustible { Fuel, GazNaturel, Propane };
enum class Sens { VersPCS, VersPCI };

// The units a fuel's heating value is given in, in list order: the first is
// "kWh/kg" except for natural gas, which has only "kWh/m3(n)".
const std::vector<std::u16string>& unites(Combustible combustible);

struct Resultat {
    std::u16string cible;  // the new text of the field converted into
    std::u16string phrase; // "Soit … kWh sur PCS"
};

// Converts the text of the source field (PCI for VersPCS, PCS for VersPCI)
// into the other field of the fuel's row. A unit other than "kWh/kg" counts
// as the fuel's second unit; natural gas ignores the units. Heating oil and
// propane are read as singles, natural gas as a double. nullopt leaves the
// row as it is: a source that is no number yet ("-"), or a value beyond the
// single range in a heating-oil or propane field, the result included.
std::optional<Resultat> convertir(Combustible combustible, Sens sens,
                                  std::u16string_view texteSource, std::u16string_view unitePCI,
                                  std::u16string_view unitePCS, char16_t separateur);

} // namespace calc::pci_pcs
