// Density of liquid water, shared by the density tab and the expansion-vessel
// calculators.
#pragma once

namespace calc {

// Density of water in kg/m³ at t °C: fifth-degree correlation fitted from
// 0 to 150 °C. Throws EchecExecution where a term leaves the double range.
double masseVolumiqueEau(double t);

// V litres of water taken from t1 to t2 °C: the densities at both (kg/m³)
// and the volume it gains, V × (ρ1 / ρ2 − 1) litres, each held as a single.
// Throws EchecExecution on an overflow.
struct Dilatation {
    float rho1, rho2, volume;
};
Dilatation dilatation(double V, float t1, float t2);

} // namespace calc
