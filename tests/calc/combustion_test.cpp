#include "calc/combustion.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>
#include <tuple>

using namespace calc::combustion;
using enum calc::Combustible;
using enum Mesure;

namespace {

// The fields; then the loss, the efficiency, the excess air, the air factor, the dew point and the
// flue-gas volume as their labels show them.
struct Cas {
    EntreeRendement e;
    std::tuple<float, double, double, double, double, double> attendu;
};
class Rendements : public ::testing::TestWithParam<Cas> {};

TEST_P(Rendements, Exemples) {
    const auto r = calculerRendement(GetParam().e).value();
    EXPECT_EQ(std::tuple(r.pertes, r.rendement, r.excesAir, r.facteurAir, r.rosee, r.volume),
              GetParam().attendu);
}

// Heating oil's 12 % CO2 again as the O2 its conversion gives. Then all fields 0: the loss and the
// excess air divide by zero and count as 0, leaving the fuel's stoichiometric flue gas; likewise
// an O2 of 20.9, or a lone "-" in the measured content.
const Cas exemples[] = {
    {{Fuel, CO2, 180, 20, 12}, {7.8, 92.2, 28.333, 1.28, 45.1, 14.4}},
    {{Fuel, O2, 180, 20, 4.614f}, {7.8, 92.2, 28.331, 1.28, 45.1, 14.4}},
    {{Fuel, CO2, 200, 20, 9}, {11.28, 88.72, 71.111, 1.71, 39.85, 18.99}},
    {{GazNaturel, CO2, 150, 20, 9.5}, {6.27, 93.73, 24.211, 1.24, 55.07, 12.92}},
    {{GazNaturel, O2, 150, 20, 3.5}, {6.1, 93.9, 20.115, 1.2, 55.71, 12.53}},
    {{Propane, CO2, 160, 15, 11}, {6.6, 93.4, 24.545, 1.25, 45.2, 31.65}},
    {{Propane, O2, 160, 15, 4}, {6.57, 93.43, 23.669, 1.24, 45.33, 31.44}},
    {{Fuel, CO2, 0, 0, 0}, {0, 100, 0, 1, 49.73, 11.37}},
    {{Fuel, O2, 180, 20, 20.9f}, {0, 100, 0, 1, 49.73, 11.37}},
    {{Fuel, CO2, 180, 20, std::nullopt}, {0, 100, 0, 1, 49.73, 11.37}}};
INSTANTIATE_TEST_SUITE_P(Cas, Rendements, ::testing::ValuesIn(exemples));

// CO2 into O2 and back; nothing for an empty field or a result beyond the double range.
TEST(Combustion, ConversionEtEchecs) {
    EXPECT_EQ(
        (std::array{convertir({Fuel, CO2, 12.0}), convertir({Fuel, O2, 3.0}),
                    convertir({GazNaturel, CO2, 0.0}), convertir({Fuel, CO2, std::nullopt}),
                    convertir({Fuel, CO2, 1.7e308})}),
        (std::array<std::optional<double>, 5>{4.614, 13.189, 20.9, std::nullopt, std::nullopt}));
    // A lone "-" or a single's overflow in a temperature; 30 % O2, whose negative flue-gas volume
    // gives the dew point a fractional power of a negative pressure; an excess air beyond the
    // single range once multiplied by 100 (the loss itself counts it as 0).
    constexpr float infini = std::numeric_limits<float>::infinity();
    for (const EntreeRendement& e : {EntreeRendement{Fuel, CO2, std::nullopt, 20, 12},
                                     {Fuel, CO2, 180, infini, 12},
                                     {Fuel, O2, 180, 20, 30},
                                     {Fuel, CO2, 180, 20, 1e-37f}})
        EXPECT_FALSE(calculerRendement(e))
            << ::testing::PrintToString(std::tuple(e.tf, e.ta, e.teneur));
    EXPECT_FLOAT_EQ(Exces_Air(Fuel, CO2, 1e-37f), 1.54e38f);
    EXPECT_EQ(Pertes_Fumees(Fuel, CO2, 180, 20, 1e-37f), 0.f);
}

} // namespace
