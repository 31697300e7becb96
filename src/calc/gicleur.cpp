#include "calc/gicleur.h"

#include "calc/echec.h"
#include "nombres/nombres.h"

#include <cmath>
#include <initializer_list>

namespace calc::gicleur {

namespace {

constexpr double litresParGallon = 3.785; // US gallon
constexpr double pressionNominale = 7;    // bar, rating pressure of the range
constexpr float pressionMaximale = 20;    // bar, highest pump pressure tried
constexpr double pas = 0.01;              // bar, one step of the search
constexpr double pasSupplementaire = 0.1; // bar, added after a size missing from the range
constexpr double multiple = 0.05;         // US gal/h, every nozzle size is a multiple of it

// From a pressure near 0 to 20 bar the walk takes about 2,000 steps.
constexpr int iterationsMaximales = 10000;

bool dansLaGamme(float taille) {
    for (const float g : Gamme_Gicleurs())
        if (g == taille)
            return true;
    return false;
}

} // namespace

const std::array<float, 28>& Gamme_Gicleurs() {
    static const std::array<float, 28> gamme = {
        0.35f, 0.40f, 0.45f, 0.50f, 0.55f, 0.60f, 0.65f, 0.75f, 0.85f, 1.00f,
        1.10f, 1.20f, 1.25f, 1.35f, 1.50f, 1.65f, 1.75f, 2.00f, 2.25f, 2.50f,
        2.75f, 3.00f, 3.50f, 3.75f, 4.00f, 4.50f, 5.00f, 5.50f,
    };
    return gamme;
}

float Modulo(double nombre, double diviseur) {
    // Judged in single precision: the few units in the last place that a
    // double quotient such as 1.05 / 0.05 carries vanish.
    const float q = arith::simple(arith::div(nombre, diviseur));
    return q == std::trunc(q) ? 0.0f : q;
}

std::optional<double> Gicleur(float puissance, float& pression, float rendement, float pci,
                              Intermediaires* notes) {
    Intermediaires ici;
    Intermediaires& note = notes != nullptr ? *notes : ici;
    note = {};
    try {
        // A field beyond the single range is an overflow, not a number.
        for (const float v : {puissance, pression, rendement, pci})
            arith::fini(v);
        // Fuel flow in l/h, power divided by the efficiency first.
        const double debit = arith::div(arith::div(puissance, rendement), pci);
        note.debit = debit;
        note.relevements = 0;
        for (int i = 0; i < iterationsMaximales; ++i) {
            // A nozzle's flow grows with the square root of the pressure.
            const double racine = arith::puissance(arith::div(pression, pressionNominale), 0.5);
            const double taille = arith::div(debit, arith::fini(litresParGallon * racine));
            pression = arith::simple(pression + pas);
            ++*note.relevements;
            if (pression > pressionMaximale)
                return std::nullopt;
            const double arrondi = nombres::Round(taille, 2);
            if (Modulo(arrondi, multiple) != 0)
                continue;
            if (dansLaGamme(arith::simple(arrondi))) {
                note.gicleurCalcule = taille;
                return arrondi;
            }
            pression = arith::simple(pression + pasSupplementaire);
            ++*note.relevements;
        }
    } catch (const EchecExecution&) {
    }
    return std::nullopt;
}

std::optional<Resultat> calculer(const Entree& e, Intermediaires* notes) {
    float p = e.pression;
    const auto taille = Gicleur(e.puissance, p, e.rendement, e.pci, notes);
    if (!taille)
        return std::nullopt;
    Resultat r{};
    r.gicleur = *taille;
    // The label shows the redefined pressure as a single.
    r.pression = static_cast<float>(nombres::Round(p, 2));
    try {
        r.debit =
            nombres::Round(arith::div(arith::div(e.puissanceDouble, e.rendementDouble), e.pci), 2);
    } catch (const EchecExecution&) {
        return std::nullopt;
    }
    // The row is found from the nozzle label's text read back as a single.
    const float lu = nombres::relireEnSimple(r.gicleur);
    r.rangee = -1;
    const auto& gamme = Gamme_Gicleurs();
    for (std::size_t i = 0; i < gamme.size(); ++i)
        if (gamme[i] == lu) {
            r.rangee = static_cast<int>(i);
            break;
        }
    return r;
}

} // namespace calc::gicleur
