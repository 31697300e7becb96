// The three fuels, in the order every fuel list shows them. Each calculator
// keeps its own constants for them.
#pragma once

#include <array>
#include <string_view>

namespace calc {

enum class Combustible { Fuel, GazNaturel, Propane };

// The fuels' names, in list order.
inline constexpr std::array<std::u16string_view, 3> nomsCombustibles = {
    u"Fuel domestique", u"Gaz naturel", u"Gaz propane (GPL)"};

} // namespace calc
