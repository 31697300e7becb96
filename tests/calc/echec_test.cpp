#include "calc/echec.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <optional>

using namespace calc;

namespace {

// The kind of failure `operation` raises, nullopt when it goes through.
std::optional<Echec> genre(auto operation) try {
    operation();
    return std::nullopt;
} catch (const EchecExecution& e) {
    return e.genre();
}

TEST(Echec, ChaqueGenre) {
    EXPECT_EQ(genre([] { arith::div(1, 0); }), Echec::DivisionParZero);
    EXPECT_EQ(genre([] { arith::log(0); }), Echec::LogarithmeNonPositif);
    EXPECT_EQ(genre([] { arith::racine(-1); }), Echec::RacineNegative);
    EXPECT_EQ(genre([] { arith::racine(0); }), std::nullopt);
    EXPECT_EQ(genre([] { arith::puissance(-8, 1.0 / 3); }), Echec::PuissanceInvalide);
    EXPECT_EQ(genre([] { arith::puissance(-8, 3); }), std::nullopt);
    EXPECT_EQ(genre([] { arith::puissance(0, -1); }), Echec::PuissanceInvalide);
    EXPECT_EQ(genre([] { arith::fini(1e200 * 1e200); }), Echec::Depassement);
    // From half a unit in the last place beyond FLT_MAX, a single overflows.
    EXPECT_EQ(genre([] { arith::simple(-0x1.ffffffp127); }), Echec::DepassementSimple);
    EXPECT_EQ(arith::simple(std::nextafter(0x1.ffffffp127, 0.0)), FLT_MAX);
}

} // namespace
