#include "aide_separateur.h"
#include "calc/conversion.h"
#include "nombres/nombres.h"

#include <algorithm>
#include <optional>

using namespace calc::conversion;
using G = Grandeur;

namespace {

constexpr G grandeurs[] = {G::Temperature, G::Pression, G::Puissance, G::Energie, G::Debit};

// The field typed `x` in unit `de`, converted into unit `vers` of the same list: the text the other
// field receives.
class Conversion : public SousSeparateur {
protected:
    std::optional<std::u16string> convertir(std::u16string_view x, std::u16string_view de,
                                            std::u16string_view vers) const {
        for (const G g : grandeurs) {
            const auto& u = unites(g);
            const auto source = std::find(u.begin(), u.end(), de);
            if (source == u.end())
                continue;
            const auto r = calc::conversion::convertir(
                g, nombres::lireDouble(t(std::u16string(x)), sep()).value(), source - u.begin(),
                std::find(u.begin(), u.end(), vers) - u.begin());
            return r ? std::optional(nombres::ecrireDouble(*r, sep())) : std::nullopt;
        }
        return std::nullopt;
    }
};

// Known physical values, "x unit = result unit": each unit and each temperature formula at least
// once, each result rounded to its quantity's places (3, 4, 4, 5, 5). The last three have equal
// factors: the text is copied, then rounded (1E308 hPa is not multiplied, so it cannot overflow).
constexpr const char16_t* valeursConnues[] = {
    u"0 °C = 273,15 °K",          u"273,15 °K = 0 °C",       u"100 °C = 212 °F",
    u"1 °F = -17,222 °C",         u"0 °K = -459,67 °F",      u"32 °F = 273,15 °K",
    u"1 atm = 1013,25 hPa",       u"1 atm = 760 mmHg",       u"1 mmHg = 133,3224 Pa",
    u"1013,25 hPa = 10,3287 mCE", u"1 bar = 1000 mbar",      u"1 bar = 10000 daPa",
    u"1 mCE = 1000 mmCE",         u"1 kW = 860,1123 kCal/h", u"1 kCal/h = 1,1626 W",
    u"1 kW = 3600 kJ/h",          u"1 W/h = 0,86011 kCal",   u"1 kW/h = 3600000 J",
    u"1 kCal = 4,1855 kJ",        u"1 m3/mn = 0,01667 m3/s", u"1 l/mn = 0,06 m3/h",
    u"1 l/s = 3600 l/h",          u"2,123456 °C = 2,123 °C", u"1013,256789 hPa = 1013,2568 mbar",
    u"1E308 hPa = 1E+308 mbar"};

TEST_P(Conversion, ValeursConnues) {
    for (const std::u16string_view c : valeursConnues) {
        const auto a = c.find(u' '), b = c.find(u" = "), d = c.rfind(u' ');
        EXPECT_EQ(convertir(c.substr(0, a), c.substr(a + 1, b - a - 1), c.substr(d + 1)),
                  t(std::u16string(c.substr(b + 3, d - b - 3))))
            << ::testing::PrintToString(c);
    }
    // The destination stays as it is: a result beyond the double range, or the largest double
    // copied, whose 15 digits round past that range.
    EXPECT_FALSE(convertir(u"1E308", u"atm", u"Pa"));
    EXPECT_FALSE(convertir(u"1,7976931348623157E308", u"°C", u"°C"));
}

// The units of each list, in the order the user finds them.
TEST_P(Conversion, OrdreDesListes) {
    std::u16string listes;
    for (const G g : grandeurs)
        for (const auto& unite : unites(g))
            listes += unite + (&unite == &unites(g).back() ? u" / " : u" ");
    EXPECT_EQ(listes, u"°C °K °F / atm hPa daPa Pa bar mbar mCE mmCE mmHg / kW W kCal/h kJ/h / "
                      u"kW/h W/h kCal kJ J / m3/h m3/mn m3/s l/h l/mn l/s / ");
}

SOUS_DEUX_SEPARATEURS(Conversion);

} // namespace
