#include "aide_separateur.h"
#include "calc/pci_pcs.h"

#include <tuple>

using namespace calc::pci_pcs;
using C = Combustible;

namespace {

class PciPcs : public SousSeparateur {};

constexpr const char16_t* kg = u"kWh/kg";
constexpr const char16_t* litre = u"kWh/litre";
constexpr const char16_t* m3 = u"kWh/m3(n)";

TEST_P(PciPcs, Conversions) {
    const struct {
        C combustible;
        Sens sens;
        const char16_t *source, *unitePCI, *unitePCS, *cible, *phrase;
    } cas[] = {
        {C::Fuel, Sens::VersPCS, u"0", kg, kg, u"0",
         u"Soit 0 kg de fioul domestique pour 0 kWh sur PCS"},
        {C::Fuel, Sens::VersPCS, u"11,9", kg, kg, u"12,7",
         u"Soit 1 kg de fioul domestique pour 12,7 kWh sur PCS"},
        {C::Fuel, Sens::VersPCS, u"11,9", kg, litre, u"10,94",
         u"Soit 1 litre(s) de fioul domestique pour 10,94 kWh sur PCS"},
        {C::Fuel, Sens::VersPCS, u"10,25", litre, kg, u"12,7",
         u"Soit 1 kg de fioul domestique pour 12,7 kWh sur PCS"},
        // Read as a single, 2,975 lies just below its decimal value, which
        // would give 3,18.
        {C::Fuel, Sens::VersPCS, u"2,975", kg, kg, u"3,17",
         u"Soit 0,25 kg de fioul domestique pour 3,17 kWh sur PCS"},
        // Natural gas: the PCS as typed in the sentence; back to PCI unrounded.
        {C::GazNaturel, Sens::VersPCI, u"11,670", u"", u"", u"10,56",
         u"Soit 1 m3(n) de gaz naturel pour 11,670 kWh sur PCS"},
        {C::GazNaturel, Sens::VersPCI, u"10", u"", u"", u"9,04884318766067",
         u"Soit 0,86 m3(n) de gaz naturel pour 10 kWh sur PCS"},
        // Read as a double, x × 11,67 first: exactly 1,945, a hair above in binary.
        {C::GazNaturel, Sens::VersPCS, u"1,76", u"", u"", u"1,95",
         u"Soit 0,17 m3(n) de gaz naturel pour 1,95 kWh sur PCS"},
        // Propane there and back, between kg and m3(n).
        {C::Propane, Sens::VersPCS, u"12,8", kg, m3, u"27,5",
         u"Soit 1 m3(n) de gaz propane pour 27,5 kWh sur PCS"},
        {C::Propane, Sens::VersPCI, u"27,5", kg, m3, u"12,8",
         u"Soit 1 m3(n) de gaz propane pour 27,5 kWh sur PCS"},
        {C::Propane, Sens::VersPCS, u"25,4", m3, kg, u"13,9",
         u"Soit 1 kg de gaz propane pour 13,9 kWh sur PCS"},
        {C::Propane, Sens::VersPCI, u"13,9", m3, kg, u"25,4",
         u"Soit 1 kg de gaz propane pour 13,9 kWh sur PCS"},
        // Only "kWh/kg" is the first unit; negative values convert as any other.
        {C::Propane, Sens::VersPCI, u"-20", u"", u"kwh/kg", u"-18,47",
         u"Soit -0,73 m3(n) de gaz propane pour -20 kWh sur PCS"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(::testing::PrintToString(std::tuple(c.source, c.unitePCI, c.unitePCS)));
        const auto r = convertir(c.combustible, c.sens, t(c.source), c.unitePCI, c.unitePCS, sep());
        ASSERT_TRUE(r);
        EXPECT_EQ(r->cible, t(c.cible));
        EXPECT_EQ(r->phrase, t(c.phrase));
    }
}

// Nothing changes: no number yet, a value no single holds (typed, or the
// result of 3E38 kg of propane as m3(n)), an overflow in double precision.
TEST_P(PciPcs, RangeeLaisseeTelleQuelle) {
    EXPECT_FALSE(convertir(C::Fuel, Sens::VersPCS, u"-", kg, kg, sep()));
    EXPECT_FALSE(convertir(C::GazNaturel, Sens::VersPCI, u"-", u"", u"", sep()));
    EXPECT_FALSE(convertir(C::Fuel, Sens::VersPCI, u"1E39", kg, kg, sep()));
    EXPECT_FALSE(convertir(C::Propane, Sens::VersPCS, u"3E38", kg, m3, sep()));
    EXPECT_FALSE(convertir(C::GazNaturel, Sens::VersPCS, u"1E308", u"", u"", sep()));
    // Within range: 1E38 kg of propane in m3(n).
    EXPECT_TRUE(convertir(C::Propane, Sens::VersPCS, u"1E38", kg, m3, sep()));
}

TEST(PciPcsUnites, ListesDesCombustibles) {
    EXPECT_EQ(unites(C::Fuel), (std::vector<std::u16string>{kg, litre}));
    EXPECT_EQ(unites(C::GazNaturel), (std::vector<std::u16string>{m3}));
    EXPECT_EQ(unites(C::Propane), (std::vector<std::u16string>{kg, m3}));
}

SOUS_DEUX_SEPARATEURS(PciPcs);

} // namespace
