// Atmospheric pressure from the altitude, shared by the expansion-vessel
// calculators (gauge to absolute pressures).
#pragma once

namespace calc {

// Pressure of the standard atmosphere in Pa at `altitude` m:
// 101325 × (1 − 2.26·10⁻⁵ × h)^5.26. Throws EchecExecution above about 44 km,
// where the base turns negative.
double pressionAtmospherique(double altitude);

} // namespace calc
