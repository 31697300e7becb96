#include "calc/vase_sanitaire.h"

#include "calc/atmosphere.h"
#include "calc/eau.h"
#include "calc/echec.h"
#include "nombres/nombres.h"

namespace calc::vase_sanitaire {

namespace {

// Round(x, 3) held as the single its label writes.
float arrondi3(double x) {
    return arith::simple(nombres::Round(x, 3));
}

} // namespace

bool eauChaudeRefusee(double th) {
    return th > eauChaudeMaximale;
}

bool eauFroideRefusee(double tc) {
    return tc < eauFroideMinimale;
}

std::variant<Resultat, Echec> calculer(const Entree& e, Intermediaires* notes) {
    Intermediaires ici;
    Intermediaires& note = notes != nullptr ? *notes : ici;
    note = {};
    const auto& [h, th, tc, Vb, Vc, Pg, Pn, Pv] = e;
    using arith::div;
    using arith::fini;
    using arith::simple;
    Resultat r{};
    std::optional<bool> reserveNegative;
    try {
        // A field beyond the single range is an overflow, not a number.
        for (const float v : {th, tc, Vc, Pg, Pn, Pv})
            fini(v);
        // Densities (kg/m³) and every named quantity below are held as singles.
        const Dilatation dilate = dilatation(Vb, tc, th);
        note.rhoC = dilate.rho1;
        note.rhoH = dilate.rho2;
        const float ve = dilate.volume; // litres
        const double patm = pressionAtmospherique(h);
        const float pa = simple(div(patm, 100000)); // bar
        note.pa = pa;
        // Absolute pressures, bar: valve setting, precharge, mains.
        const float a = simple(fini(double{pa} + Pv));
        note.a = a;
        const float g = simple(fini(double{pa} + Pg));
        note.g = g;
        const float n = simple(fini(double{pa} + Pn));
        note.n = n;
        // The vessel takes water in from the mains before heating starts: G / N of it is gas.
        const double gazSurReseau = div(g, n);
        const float vmin =
            simple(div(div(fini(double{ve} * a), fini(double{a} - g)), gazSurReseau));
        const float vu = simple(fini(fini(div(fini(double{a} - g), a) * Vc) * gazSurReseau));
        const float d = simple(fini(double{vu} - ve));

        r.ve = arrondi3(ve);
        r.vmin = arrondi3(vmin);
        r.vu = arrondi3(vu);
        r.vc = Vc;
        r.reserveNegative = d < 0;
        reserveNegative = r.reserveNegative;
        r.d = arrondi3(d);

        r.p5 = arrondi3(fini(fini(div(Vc, vmin) * n) - pa));
        // Gas volume of the chosen vessel at mains pressure.
        const float x = simple(div(fini(double{Vc} * g), n));
        note.x = x;
        r.p7 = arrondi3(fini(div(fini(double{g} * x), fini(double{x} - ve)) - pa));
        r.absorbe = arrondi3(fini(double{Vc} - x));
        r.alerte10Bars = r.reserveNegative && r.p7 > 10;
        r.patm = nombres::Round(patm, 2);
        return r;
    } catch (const EchecExecution&) {
        return Echec{reserveNegative};
    }
}

} // namespace calc::vase_sanitaire
