#include "calc/eau.h"

#include "calc/echec.h"

namespace calc {

double masseVolumiqueEau(double t) {
    using arith::fini;
    using arith::puissance;
    // coefficient × 10^exposant × t^degre, the power of ten taken as a power.
    const auto terme = [t](double coefficient, int exposant, int degre) {
        return fini(fini(coefficient * puissance(10.0, exposant)) * puissance(t, degre));
    };
    double rho = 999.9193083276; // kg/m³ at 0 °C
    rho = fini(rho + fini(0.0523705799 * t));
    rho = fini(rho - terme(7.80474, -3, 2));
    rho = fini(rho + terme(5.36781, -5, 3));
    rho = fini(rho - terme(3.032, -7, 4));
    rho = fini(rho + terme(8.0, -10, 5));
    return rho;
}

Dilatation dilatation(double V, float t1, float t2) {
    using arith::fini;
    Dilatation d{};
    d.rho1 = arith::simple(masseVolumiqueEau(t1));
    d.rho2 = arith::simple(masseVolumiqueEau(t2));
    d.volume = arith::simple(fini(V * fini(arith::div(d.rho1, d.rho2) - 1)));
    return d;
}

} // namespace calc
