#include "aide_separateur.h"
#include "calc/conversion.h"

#include <tuple>

using namespace calc::conversion;
using G = Grandeur;

namespace {

class Conversion : public SousSeparateur {
protected:
    auto convertir(G g, const char16_t* x, const char16_t* de, const char16_t* vers) const {
        return calc::conversion::convertir(g, t(x), de, vers, sep());
    }
};

// Known physical values: each unit and each temperature formula at least
// once, each result rounded to its quantity's places (3, 4, 4, 5, 5). The
// last three have equal factors: the text is copied, then rounded (1E308 hPa
// is not multiplied, so it cannot overflow).
TEST_P(Conversion, ValeursConnues) {
    const struct {
        G g;
        const char16_t *x, *de, *vers, *attendu;
    } cas[] = {{G::Temperature, u"0", u"°C", u"°K", u"273,15"},
               {G::Temperature, u"273,15", u"°K", u"°C", u"0"},
               {G::Temperature, u"100", u"°C", u"°F", u"212"},
               {G::Temperature, u"1", u"°F", u"°C", u"-17,222"},
               {G::Temperature, u"0", u"°K", u"°F", u"-459,67"},
               {G::Temperature, u"32", u"°F", u"°K", u"273,15"},
               {G::Pression, u"1", u"atm", u"hPa", u"1013,25"},
               {G::Pression, u"1", u"atm", u"mmHg", u"760"},
               {G::Pression, u"1", u"mmHg", u"Pa", u"133,3224"},
               {G::Pression, u"1013,25", u"hPa", u"mCE", u"10,3287"},
               {G::Pression, u"1", u"bar", u"mbar", u"1000"},
               {G::Pression, u"1", u"bar", u"daPa", u"10000"},
               {G::Pression, u"1", u"mCE", u"mmCE", u"1000"},
               {G::Puissance, u"1", u"kW", u"kCal/h", u"860,1123"},
               {G::Puissance, u"1", u"kCal/h", u"W", u"1,1626"},
               {G::Puissance, u"1", u"kW", u"kJ/h", u"3600"},
               {G::Energie, u"1", u"W/h", u"kCal", u"0,86011"},
               {G::Energie, u"1", u"kW/h", u"J", u"3600000"},
               {G::Energie, u"1", u"kCal", u"kJ", u"4,1855"},
               {G::Debit, u"1", u"m3/mn", u"m3/s", u"0,01667"},
               {G::Debit, u"1", u"l/mn", u"m3/h", u"0,06"},
               {G::Debit, u"1", u"l/s", u"l/h", u"3600"},
               {G::Temperature, u"2,123456", u"°C", u"°C", u"2,123"},
               {G::Pression, u"1013,256789", u"hPa", u"mbar", u"1013,2568"},
               {G::Pression, u"1E308", u"hPa", u"mbar", u"1E+308"}};
    for (const auto& c : cas)
        EXPECT_EQ(convertir(c.g, c.x, c.de, c.vers), t(c.attendu))
            << ::testing::PrintToString(std::tuple(c.x, c.de, c.vers));
}

// The destination stays as it is: no number yet, a result beyond the double
// range, or the largest double copied, whose 15 digits round past that range.
TEST_P(Conversion, RienAEcrire) {
    EXPECT_FALSE(convertir(G::Temperature, u"-", u"°C", u"°F"));
    EXPECT_FALSE(convertir(G::Pression, u"-", u"hPa", u"mbar"));
    EXPECT_FALSE(convertir(G::Pression, u"1E308", u"atm", u"Pa"));
    EXPECT_FALSE(convertir(G::Temperature, u"1,7976931348623157E308", u"°C", u"°C"));
}

SOUS_DEUX_SEPARATEURS(Conversion);

// The units of each list, in the order the user finds them.
TEST(Unites, OrdreDesListes) {
    const auto liste = [](G g) {
        std::u16string texte;
        for (const auto& unite : unites(g))
            texte += unite + u' ';
        return texte;
    };
    EXPECT_EQ(liste(G::Temperature), u"°C °K °F ");
    EXPECT_EQ(liste(G::Pression), u"atm hPa daPa Pa bar mbar mCE mmCE mmHg ");
    EXPECT_EQ(liste(G::Puissance), u"kW W kCal/h kJ/h ");
    EXPECT_EQ(liste(G::Energie), u"kW/h W/h kCal kJ J ");
    EXPECT_EQ(liste(G::Debit), u"m3/h m3/mn m3/s l/h l/mn l/s ");
}

} // namespace
