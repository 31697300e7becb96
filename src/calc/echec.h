// Arithmetic that reports a run-time failure instead of producing an infinity
// or a NaN. A calculator runs its formulas through these operations and turns
// the exception into its own failure report (a "#####" marker, a 0, a message).
#pragma once

#include <stdexcept>

namespace calc {

enum class Echec {
    DivisionParZero, // x / 0, including 0 / 0
    LogarithmeNonPositif,
    RacineNegative,
    PuissanceInvalide, // negative base to a fractional power, 0 to a negative power
    Depassement,       // a result beyond the double range
    DepassementSimple, // a finite value too large to be stored in a single
};

class EchecExecution : public std::runtime_error {
public:
    explicit EchecExecution(Echec genre);
    Echec genre() const { return genre_; }

private:
    Echec genre_;
};

namespace arith {

// Each operation throws EchecExecution where the exact result is not a
// finite double, and returns that result otherwise.
double fini(double x); // guards a value that came out of + - *
double div(double a, double b);
double racine(double x);
double log(double x);
double puissance(double base, double exposant);
float simple(double x); // storing into a single, nearest value

} // namespace arith
} // namespace calc
