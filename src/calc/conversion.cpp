#include "calc/conversion.h"

#include "calc/echec.h"
#include "nombres/nombres.h"

#include <array>
#include <utility>

namespace calc::conversion {

namespace {

struct Unite {
    std::u16string nom;
    double facteur; // value of one unit in the quantity's reference unit
};

// Reference units: Pa, W, kJ, l/h. Temperature is no ratio scale and has its
// own formulas; its factors only tell the units apart.
const std::vector<Unite>& table(Grandeur grandeur) {
    static const std::array<std::vector<Unite>, 5> tables = {{
        {{u"°C", 1}, {u"°K", 2}, {u"°F", 3}},
        {{u"atm", 101325},
         {u"hPa", 100},
         {u"daPa", 10},
         {u"Pa", 1},
         {u"bar", 100000},
         {u"mbar", 100},
         {u"mCE", 9810},
         {u"mmCE", 9.81},
         {u"mmHg", 101325.0 / 760.0}},
        {{u"kW", 1000}, {u"W", 1}, {u"kCal/h", 4.1855 / 3.6}, {u"kJ/h", 1 / 3.6}},
        {{u"kW/h", 3600}, {u"W/h", 3.6}, {u"kCal", 4.1855}, {u"kJ", 1}, {u"J", 0.001}},
        {{u"m3/h", 1000},
         {u"m3/mn", 60000},
         {u"m3/s", 3600000},
         {u"l/h", 1},
         {u"l/mn", 60},
         {u"l/s", 3600}},
    }};
    return tables[static_cast<std::size_t>(grandeur)];
}

double versCelsius(double x, std::u16string_view unite) {
    if (unite == u"°K")
        return x - 273.15;
    return (x - 32) * (5.0 / 9.0); // °F
}

double depuisCelsius(double c, std::u16string_view unite) {
    if (unite == u"°K")
        return c + 273.15;
    return c * (9.0 / 5.0) + 32; // °F
}

// The relation from one temperature unit to another, the units in list order.
std::u16string_view relationTemperature(std::size_t source, std::size_t destination) {
    static constexpr std::u16string_view relations[3][3] = {
        {u"°C = °C", u"°K = °C + 273.15", u"°F = °C × 9/5 + 32"},
        {u"°C = °K − 273.15", u"°K = °K", u"°F = (°K − 273.15) × 9/5 + 32"},
        {u"°C = (°F − 32) × 5/9", u"°K = (°F − 32) × 5/9 + 273.15", u"°F = °F"},
    };
    return relations[source][destination];
}

// Converts between two different temperature units with the formulas of the
// trade: °K → °F goes through (x − 273.15) × 9/5 + 32, °F → °K through
// (x − 32) × 5/9 + 273.15.
double convertirTemperature(double x, std::u16string_view source, std::u16string_view destination) {
    const double celsius = source == u"°C" ? x : versCelsius(x, source);
    return destination == u"°C" ? celsius : depuisCelsius(celsius, destination);
}

} // namespace

const std::vector<std::u16string>& unites(Grandeur grandeur) {
    static const auto listes = [] {
        std::array<std::vector<std::u16string>, 5> l;
        for (std::size_t g = 0; g < l.size(); ++g)
            for (const auto& unite : table(static_cast<Grandeur>(g)))
                l[g].push_back(unite.nom);
        return l;
    }();
    return listes[static_cast<std::size_t>(grandeur)];
}

int decimales(Grandeur grandeur) {
    constexpr std::array<int, 5> places = {3, 4, 4, 5, 5};
    return places[static_cast<std::size_t>(grandeur)];
}

std::optional<double> convertir(Grandeur grandeur, double x, std::size_t source,
                                std::size_t destination, Intermediaires* notes) {
    const auto& unites = table(grandeur);
    if (notes != nullptr)
        *notes = {};
    if (source >= unites.size() || destination >= unites.size())
        return std::nullopt;
    const Unite& de = unites[source];
    const Unite& vers = unites[destination];
    if (notes != nullptr) {
        if (grandeur == Grandeur::Temperature)
            notes->relation = relationTemperature(source, destination);
        else
            notes->facteur = de.facteur / vers.facteur;
    }

    // Equal factors ("hPa" and "mbar" too): the value is copied as typed.
    double ecrit = x;
    if (de.facteur != vers.facteur) {
        try {
            const double valeur = grandeur == Grandeur::Temperature
                                      ? arith::fini(convertirTemperature(x, de.nom, vers.nom))
                                      : arith::div(arith::fini(x * de.facteur), vers.facteur);
            // The rounding applies to the value as the field shows it.
            if (!nombres::seRelit(valeur))
                return std::nullopt;
            ecrit = nombres::relireDouble(valeur);
        } catch (const EchecExecution&) {
            return std::nullopt;
        }
    }
    const double arrondi = nombres::Round(ecrit, decimales(grandeur));
    // Near the largest double, 15 digits can round past it: a text the
    // destination could not read as a number is no result.
    if (!nombres::seRelit(arrondi))
        return std::nullopt;
    return arrondi;
}

} // namespace calc::conversion
