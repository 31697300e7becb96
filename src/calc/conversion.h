// Unit conversion: five quantities, each with its list of units.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calc::conversion {

enum class Grandeur { Temperature, Pression, Puissance, Energie, Debit };

// The units of a quantity, in list order.
const std::vector<std::u16string>& unites(Grandeur grandeur);

// Decimal places a converted value keeps.
int decimales(Grandeur grandeur);

// The factor a conversion applied: between two ratio units, one source
// unit in destination units, factor(source) / factor(destination) (1 when
// the value is copied); between temperatures, the relation, its decimal
// point written "." (the sheet writes the separator in force).
struct Intermediaires {
    std::optional<double> facteur;
    std::u16string_view relation;
};

// The value the destination field receives when x, the source field read as
// a double in unit `source` (an index in unites(grandeur)), is converted into
// unit `destination`: written with 15 digits and read back, then rounded to
// the quantity's places. nullopt when the destination must stay as it is (a
// result beyond the double range, or one whose 15 digits round past it).
// `notes`, if given, receives the factor.
std::optional<double> convertir(Grandeur grandeur, double x, std::size_t source,
                                std::size_t destination, Intermediaires* notes = nullptr);

inline constexpr std::string_view formules =
    "Valeur convertie = valeur × facteur(unité de départ) / facteur(unité d'arrivée)\n"
    "°K = °C + 273,15 ; °F = °C × 9/5 + 32\n"
    "1 atm = 101325 Pa = 760 mmHg ; 1 bar = 100000 Pa ; 1 mCE = 9810 Pa ; 1 mmCE = 9,81 Pa\n"
    "1 kCal = 4,1855 kJ ; 1 kW/h = 3600 kJ ; 1 W/h = 3,6 kJ\n"
    "Arrondis : 3 décimales pour les températures, 4 pour les pressions et les puissances, "
    "5 pour les énergies et les débits";

} // namespace calc::conversion
