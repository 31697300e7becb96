#include "calc/pci_pcs.h"

#include "calc/echec.h"
#include "nombres/nombres.h"

#include <array>

namespace calc::pci_pcs {

namespace {

// Heating values, kWh: heating oil 11.9 PCI and 12.7 PCS per kg, 10.25 PCI
// per litre; natural gas 10.56 and 11.67 per m3(n); propane 12.8 and 13.9 per
// kg, 25.4 and 27.5 per m3(n). The oil's density is no constant of its own:
// it is 10.25 / 11.9 kg per litre. The factors below are formed exactly so,
// quotient by quotient in double precision, for the roundings to match.

double fuelVersPCS(double x, bool pciKg, bool pcsKg) {
    if (pciKg)
        return pcsKg ? x * (12.7 / 11.9) : x * (12.7 / 11.9) * (10.25 / 11.9);
    return pcsKg ? x * ((10.25 / 11.9) * 12.7 / 10.25) * (1 / (10.25 / 11.9))
                 : x * ((10.25 / 11.9) * 12.7 / 10.25);
}

double fuelVersPCI(double x, bool pcsKg, bool pciKg) {
    if (pcsKg)
        return pciKg ? x * (11.9 / 12.7) : x * (11.9 / 12.7) * (10.25 / 11.9);
    return pciKg ? x * (10.25 / ((10.25 / 11.9) * 12.7)) * (1 / (10.25 / 11.9))
                 : x * (10.25 / ((10.25 / 11.9) * 12.7));
}

double propaneVersPCS(double x, bool pciKg, bool pcsKg) {
    if (pciKg)
        return pcsKg ? x * (13.9 / 12.8) : x * (13.9 / 12.8) * (27.5 / 13.9);
    return pcsKg ? x * (13.9 / 25.4) : x * (27.5 / 25.4);
}

double propaneVersPCI(double x, bool pcsKg, bool pciKg) {
    if (pcsKg)
        return pciKg ? x * (12.8 / 13.9) : x * (12.8 / 13.9) * (25.4 / 12.8);
    return pciKg ? x * (12.8 / 25.4) * (25.4 / 27.5) : x * (25.4 / 27.5);
}

double valeurConvertie(Combustible combustible, Sens sens, double x, bool pciKg, bool pcsKg) {
    const bool versPCS = sens == Sens::VersPCS;
    switch (combustible) {
    case Combustible::Fuel:
        return versPCS ? fuelVersPCS(x, pciKg, pcsKg) : fuelVersPCI(x, pcsKg, pciKg);
    case Combustible::GazNaturel:
        return versPCS ? x * 11.67 / 10.56 : x * 10.56 / 11.67;
    case Combustible::Propane:
        return versPCS ? propaneVersPCS(x, pciKg, pcsKg) : propaneVersPCI(x, pcsKg, pciKg);
    }
    return x;
}

// The PCS of one unit of fuel, and the words for that quantity.
struct Quantite {
    double pcs;
    std::u16string_view mots;
};

Quantite quantite(Combustible combustible, bool pcsKg) {
    switch (combustible) {
    case Combustible::Fuel:
        return pcsKg ? Quantite{12.7, u"kg de fioul domestique"}
                     : Quantite{(10.25 / 11.9) * 12.7, u"litre(s) de fioul domestique"};
    case Combustible::GazNaturel:
        return {11.67, u"m3(n) de gaz naturel"};
    case Combustible::Propane:
        break;
    }
    return pcsKg ? Quantite{13.9, u"kg de gaz propane"} : Quantite{27.5, u"m3(n) de gaz propane"};
}

} // namespace

const std::vector<std::u16string>& unites(Combustible combustible) {
    static const std::array<std::vector<std::u16string>, 3> listes = {{
        {u"kWh/kg", u"kWh/litre"},
        {u"kWh/m3(n)"},
        {u"kWh/kg", u"kWh/m3(n)"},
    }};
    return listes[static_cast<std::size_t>(combustible)];
}

std::optional<Resultat> convertir(Combustible combustible, Sens sens, double x,
                                  std::size_t unitePCI, std::size_t unitePCS,
                                  Intermediaires* notes) {
    const auto& liste = unites(combustible);
    const auto parKg = [&liste](std::size_t unite) {
        return unite < liste.size() && liste[unite] == u"kWh/kg";
    };
    const bool pciKg = parKg(unitePCI);
    const bool pcsKg = parKg(unitePCS);
    if (notes != nullptr)
        *notes = {valeurConvertie(combustible, sens, 1, pciKg, pcsKg)};
    try {
        // Beyond the single range a field reads as an infinity.
        arith::fini(x);
        // The factors are finite and positive: an overflow anywhere ends in an infinity.
        const double valeur = arith::fini(valeurConvertie(combustible, sens, x, pciKg, pcsKg));
        // Natural gas back to PCI keeps all its digits.
        const bool arrondi = combustible != Combustible::GazNaturel || sens == Sens::VersPCS;
        Resultat r{};
        r.cible = arrondi ? nombres::Round(valeur, 2) : valeur;

        // The PCS field as it now stands: the result, or the value typed.
        double pcs = x;
        if (sens == Sens::VersPCS) {
            if (!nombres::seRelit(r.cible))
                return std::nullopt;
            pcs = luEnSimple(combustible) ? arith::fini(nombres::relireEnSimple(r.cible))
                                          : nombres::relireDouble(r.cible);
        }
        const Quantite q = quantite(combustible, pcsKg);
        r.quantite = nombres::Round(arith::div(pcs, q.pcs), 2);
        r.unite = q.mots;
        return r;
    } catch (const EchecExecution&) {
        return std::nullopt;
    }
}

} // namespace calc::pci_pcs
