#include "calc/atmosphere.h"

#include "calc/echec.h"

namespace calc {

double pressionAtmospherique(double altitude) {
    using arith::fini;
    // The power of ten is taken as a power, as in the water density.
    const double gradient = fini(2.26 * arith::puissance(10.0, -5)); // 1/m
    const double base = fini(1 - fini(gradient * altitude));
    return fini(101325 * arith::puissance(base, 5.26)); // Pa at sea level
}

} // namespace calc
