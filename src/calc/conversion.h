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

// The text the destination field receives when the source field's text,
// read in `uniteSource`, is converted into `uniteDestination`; nullopt when
// the destination must stay as it is (a source that is no number yet, a
// result beyond the double range, an unknown unit).
std::optional<std::u16string> convertir(Grandeur grandeur, std::u16string_view texteSource,
                                        std::u16string_view uniteSource,
                                        std::u16string_view uniteDestination, char16_t separateur);

} // namespace calc::conversion
