#include "calc/pression_temperature.h"

#include "calc/atmosphere.h"
#include "calc/eau.h"
#include "calc/echec.h"
#include "nombres/nombres.h"

namespace calc::pression_temperature {

Resultat calculer(const Entree& e, Intermediaires* notes) {
    Intermediaires ici;
    Intermediaires& note = notes != nullptr ? *notes : ici;
    note = {};
    const auto& [h, tfill, V, pv, pst, vn, pp, t, pf] = e;
    using arith::div;
    using arith::fini;
    using arith::simple;
    Resultat r{pf < pst, Echec{}};
    try {
        // A field beyond the single range is an overflow, not a number.
        for (const float v : {tfill, pv, t})
            fini(v);
        // Densities (kg/m³) and every named quantity below are held as singles.
        const Dilatation dilate = dilatation(V, tfill, t);
        note.rhoT = dilate.rho2;
        const float pa = simple(div(pressionAtmospherique(h), 100000)); // bar
        const float vd = dilate.volume;                                 // litres
        // Boyle's law from the precharge to the filling pressure, absolute pressures.
        const float vw0 = simple(fini(vn - div(fini(vn * fini(pp + pa)), fini(pf + pa))));
        if (vn <= fini(double{vw0} + vd)) {
            r.fin = RefusVase{};
            return r;
        }
        const float p = simple(
            nombres::Round(fini(div(fini(fini(pp + pa) * vn), fini(fini(vn - vw0) - vd)) - pa), 2));
        const Lignes l{p, simple(nombres::Round(vd, 2)), simple(nombres::Round(vw0, 2))};
        if (pv < p || p < 0)
            r.fin = Decharge{l};
        else
            r.fin = Normal{l};
    } catch (const EchecExecution&) {
        r.fin = Echec{};
    }
    return r;
}

} // namespace calc::pression_temperature
