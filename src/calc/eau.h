// Density of liquid water, shared by the density tab and the expansion-vessel
// calculators.
#pragma once

namespace calc {

// Density of water in kg/m³ at t °C: fifth-degree correlation fitted from
// 0 to 150 °C. Throws EchecExecution where a term leaves the double range.
double masseVolumiqueEau(double t);

} // namespace calc
