#include "aide_separateur.h"
#include "calc/pci_pcs.h"
#include "nombres/nombres.h"

#include <array>
#include <optional>
#include <tuple>

using namespace calc::pci_pcs;
using enum Sens;
using C = calc::Combustible;

namespace {

// The source field typed `x`, read as its fuel's fields are, converted with the units picked
// (indices in the fuel's list): the text the other field receives, and the amount of fuel with its
// unit words.
class PciPcs : public SousSeparateur {
protected:
    std::optional<std::pair<std::u16string, std::u16string>>
    convertir(C c, Sens sens, const char16_t* x, std::size_t pci = 0, std::size_t pcs = 0) const {
        const double lu =
            luEnSimple(c) ? *nombres::lireSimple(t(x), sep()) : *nombres::lireDouble(t(x), sep());
        const auto r = calc::pci_pcs::convertir(c, sens, lu, pci, pcs);
        if (!r)
            return std::nullopt;
        return std::pair(nombres::ecrireDouble(r->cible, sep()),
                         nombres::ecrireDouble(r->quantite, sep()) + u' ' +
                             std::u16string(r->unite));
    }
};

using Texte = const char16_t*;
using Paire = std::array<Texte, 2>;

// Heating oil and propane: their own figures, PCI then PCS, in each of their two units, and the
// words of those units of fuel. Converted either way between any two units, one gives the other.
const std::tuple<C, Paire, Paire, Paire> chiffres[] = {
    {C::Fuel, {u"11,9", u"10,25"}, {u"12,7", u"10,94"}, {u"1 kg", u"1 litre(s)"}},
    {C::Propane, {u"12,8", u"25,4"}, {u"13,9", u"27,5"}, {u"1 kg", u"1 m3(n)"}}};

TEST_P(PciPcs, ChiffresDesCombustibles) {
    for (const auto& [c, pci, pcs, unites] : chiffres)
        for (const std::size_t a : {0, 1})
            for (const std::size_t b : {0, 1}) {
                const auto quantite =
                    t(unites[b]) + (c == C::Fuel ? u" de fioul domestique" : u" de gaz propane");
                EXPECT_EQ(convertir(c, VersPCS, pci[a], a, b), std::pair(t(pcs[b]), quantite))
                    << a << b;
                EXPECT_EQ(convertir(c, VersPCI, pcs[b], a, b), std::pair(t(pci[a]), quantite))
                    << a << b;
            }
}

// Fuel, direction, source, units of the PCI and of the PCS; the result, the amount of fuel.
const std::tuple<C, Sens, Texte, std::size_t, std::size_t, Texte, Texte> conversions[] = {
    // Read as a single, 2,975 lies just below its decimal value, which would give 3,18.
    {C::Fuel, VersPCS, u"2,975", 0, 0, u"3,17", u"0,25 kg de fioul domestique"},
    // Natural gas: back to PCI unrounded; read as a double, 1,76 × 11,67 is exactly 1,945, a
    // hair above in binary.
    {C::GazNaturel, VersPCI, u"11,670", 0, 0, u"10,56", u"1 m3(n) de gaz naturel"},
    {C::GazNaturel, VersPCI, u"10", 0, 0, u"9,04884318766067", u"0,86 m3(n) de gaz naturel"},
    {C::GazNaturel, VersPCS, u"1,76", 0, 0, u"1,95", u"0,17 m3(n) de gaz naturel"},
    // Negative values convert as any other.
    {C::Propane, VersPCI, u"-20", 1, 1, u"-18,47", u"-0,73 m3(n) de gaz propane"},
};

TEST_P(PciPcs, Conversions) {
    for (const auto& [c, sens, x, pci, pcs, cible, quantite] : conversions)
        EXPECT_EQ(convertir(c, sens, x, pci, pcs), std::pair(t(cible), t(quantite)))
            << ::testing::PrintToString(std::tuple(x, pci, pcs));
    // Nothing changes: a value no single holds (typed, or the result of 3E38 kg of propane as
    // m3(n)), an overflow in double precision.
    EXPECT_FALSE(convertir(C::Fuel, VersPCI, u"1E39"));
    EXPECT_FALSE(convertir(C::Propane, VersPCS, u"3E38", 0, 1));
    EXPECT_FALSE(convertir(C::GazNaturel, VersPCS, u"1E308"));
    // Within range: 1E38 kg of propane in m3(n).
    EXPECT_TRUE(convertir(C::Propane, VersPCS, u"1E38", 0, 1));
}

SOUS_DEUX_SEPARATEURS(PciPcs);

} // namespace
