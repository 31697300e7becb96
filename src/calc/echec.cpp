#include "calc/echec.h"

#include <cmath>

namespace calc {

namespace {
const char* description(Echec genre) {
    switch (genre) {
    case Echec::DivisionParZero:
        return "division by zero";
    case Echec::LogarithmeNonPositif:
        return "logarithm of a non-positive number";
    case Echec::RacineNegative:
        return "square root of a negative number";
    case Echec::PuissanceInvalide:
        return "invalid power";
    case Echec::Depassement:
        return "overflow";
    case Echec::DepassementSimple:
        return "overflow storing into a single";
    }
    return "run-time failure";
}
} // namespace

EchecExecution::EchecExecution(Echec genre)
    : std::runtime_error(description(genre)), genre_(genre) {}

namespace arith {

double fini(double x) {
    if (!std::isfinite(x))
        throw EchecExecution(Echec::Depassement);
    return x;
}

double div(double a, double b) {
    if (b == 0)
        throw EchecExecution(Echec::DivisionParZero);
    return fini(fini(a) / b);
}

double racine(double x) {
    if (x < 0)
        throw EchecExecution(Echec::RacineNegative);
    return fini(std::sqrt(fini(x)));
}

double log(double x) {
    if (!(x > 0))
        throw EchecExecution(Echec::LogarithmeNonPositif);
    return fini(std::log(fini(x)));
}

double puissance(double base, double exposant) {
    fini(base);
    fini(exposant);
    if (base < 0 && exposant != std::trunc(exposant))
        throw EchecExecution(Echec::PuissanceInvalide);
    if (base == 0 && exposant < 0)
        throw EchecExecution(Echec::PuissanceInvalide);
    return fini(std::pow(base, exposant));
}

float simple(double x) {
    // From the largest single plus half a unit in its last place, the nearest
    // single would be an infinity.
    constexpr double limite = 0x1.ffffffp127;
    if (std::abs(fini(x)) >= limite)
        throw EchecExecution(Echec::DepassementSimple);
    return static_cast<float>(x);
}

} // namespace arith
} // namespace calc
