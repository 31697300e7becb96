#include "calc/devoiement.h"

#include "calc/echec.h"
#include "nombres/nombres.h"

#include <cmath>

namespace calc::devoiement {

namespace {
constexpr double pi = 3.1415927410125732; // π as a single

// A length whose 15 digits round past the largest double: its label would
// show no number, and reporting it would put "0" in the length field.
double lisible(double longueur) {
    if (!nombres::seRelit(longueur))
        throw EchecExecution(Echec::Depassement);
    return longueur;
}
} // namespace

std::optional<Refus> controlerOuverture(double hauteur) {
    if (hauteur <= 0)
        return Refus::HauteurManquante;
    return std::nullopt;
}

std::optional<Resultat> calculer(const Entree& e) try {
    const auto& [decalage, angle, hauteur] = e;
    const double radians = arith::fini(angle * pi) / 180;
    const double complement = arith::fini((90 - angle) * pi) / 180;
    Resultat r{};
    r.longueurInclinee =
        lisible(nombres::Round(arith::div(decalage, arith::fini(std::cos(radians))), 2));
    // d / tan(90° - α) is d·tan α: an angle of 90° divides by zero.
    r.hauteurInclinee =
        lisible(nombres::Round(arith::div(decalage, arith::fini(std::tan(complement))), 2));
    // The total comes from the two lengths as their labels show them.
    r.longueurTotale =
        lisible(nombres::Round(arith::fini(hauteur - nombres::relireDouble(r.hauteurInclinee) +
                                           nombres::relireDouble(r.longueurInclinee)),
                               2));
    return r;
} catch (const EchecExecution&) {
    return std::nullopt;
}

} // namespace calc::devoiement
