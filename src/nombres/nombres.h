// The number conventions every calculation and every field shares: reading a
// text as a double or a single, writing a value back as text, rounding, and
// the value a label shows once a number is written into it. Standard C++
// only: the ground floor of the program.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nombres {

// Reads a text as a double: optional blanks, optional sign, digits with at
// most one decimal separator (which may stand first or last), optional
// exponent ("1E5", "2,5e-3"). Fails (nullopt) for anything else and for a
// magnitude beyond the double range; a magnitude below it reads as zero.
std::optional<double> lireDouble(std::u16string_view texte, char16_t separateur);

// Same grammar, rounded directly to the nearest single-precision value.
// A number too large for a single reads as a signed infinity: storing it
// into a single is an overflow, which each calculator handles in its own way.
std::optional<float> lireSimple(std::u16string_view texte, char16_t separateur);

// Writes a double with up to 15 significant digits (a single with up to 7),
// trailing zeros dropped, the given separator, exponent form ("1E-05",
// "1,5E+16") below 1E-4 and from 1E15 (1E7 for a single). Negative zero is
// written "0". A non-finite value is never a result: it is written "#####".
std::u16string ecrireDouble(double valeur, char16_t separateur);
std::u16string ecrireSimple(float valeur, char16_t separateur);

// Rounds to `decimales` places (0 to 15), an exact half going to the even
// neighbour. Judged on the exact stored binary value: Round(2.675, 2) is 2.67
// because the double nearest 2.675 lies below it.
double Round(double valeur, int decimales);

// The value a label shows once `valeur` is written into it and read back:
// several results are computed from what another label displays. A double
// is written with 15 digits, a single with 7; both are read back as doubles.
double relireDouble(double valeur);
double relireSimple(float valeur);
// A double's label read back as a single: an infinity beyond the single range.
float relireEnSimple(double valeur);
// Whether the 15 digits written for `valeur` read back as a number: near the
// largest double they can round past it.
bool seRelit(double valeur);

} // namespace nombres
