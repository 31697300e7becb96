#include "tabs/page_expansion_sanitaire.h"

#include "formulaires/expansion_sanitaire.h"
#include "tabs/disposition.h"
#include "ui/accessibilite.h"
#include "ui/avertissement.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tabs {

namespace {

const QString ligne = QStringLiteral("\r\n");

// Boxes, twips.
constexpr int largeurBoite = 1200;

namespace form = formulaires::expansion_sanitaire;
using form::hautEntree;
// Results: two columns of four rows.
constexpr int xResultats = 6600;
constexpr int xResultats2 = 10725;
constexpr int rangee(int i) {
    return hautPage + 510 + i * 840;
}

// The heading reads "réserve" at start and "reserve" once a calculation wrote it.
const QString titreDepart = QStringLiteral("Volume de la réserve d'eau dans le vase d'expansion");
const QString titreReserve = QStringLiteral("Volume de la reserve d'eau dans le vase d'expansion");
const QString titreEgout = QStringLiteral("Volume d'eau évacué à l'égout par la soupape");

} // namespace

PageExpansionSanitaire::PageExpansionSanitaire()
    : Page(QStringLiteral("LblExpansionSanitaire"), {calc::vase_sanitaire::formules}) {
    placerEntrees();
    placerResultats();
    note_ = &description().annoter();
}

void PageExpansionSanitaire::placerEntrees() {
    TxtExpansionSanitaire = champs(QStringLiteral("TxtExpansionSanitaire"), form::champs,
                                   {nullptr, [this](int) { CmdExpansion_Sanitaire_Click(); }},
                                   largeurBoite, hauteurBoite, 2775);
    std::vector<QWidget*> tabulation;
    for (const formulaires::Champ& c : form::champs)
        tabulation.push_back(TxtExpansionSanitaire->champ(c.index));
    // On the altitude field's line, right of its unit.
    LblP_Atm_Sanitaire =
        ligneDeTexte(this, QStringLiteral("LblP_Atm_Sanitaire"), 1725, hautEntree[0] + 45, 4800);
    auto* verifier =
        bouton(this, QStringLiteral("CmdExpansion_Sanitaire"), 5775, hautEntree[4], largeurBouton,
               hauteurBoite, [this] { CmdExpansion_Sanitaire_Click(); });
    ui::nommer(verifier, QStringLiteral("Vérifier le vase d'expansion"),
               QStringLiteral("Volume utile et réserve du vase choisi, et sinon la pression du "
                              "réseau et le tarage de la soupape qui éviteraient la fuite"));
    tabulation.push_back(verifier);
    ordreTabulation(tabulation);
}

void PageExpansionSanitaire::placerResultats() {
    const formulaires::Encadre sorties[] = {
        {48, 51, "Volume d'eau dilaté (volume utile minimum)", "Litre(s)", xResultats, rangee(0),
         2},
        {54, 53, "Volume minimal du vase d'expansion", "Litre(s)", xResultats, rangee(1), 2},
        {52, 42, "Volume utile du vase d'expansion choisi", "Litre(s)", xResultats, rangee(2), 2},
        {46, 43, "Volume d'expansion du vase choisi", "Litre(s)", xResultats, rangee(3), 2},
        {44, 45, "", "Litre(s)", xResultats2, rangee(0), 2},
        {50, 49, "Pression maximale au réseau pour éviter la fuite de la soupape", "bar(s)",
         xResultats2, rangee(1), 2},
        {37, 38, "Volume d'eau absorbé par le vase dû à la différence de pression Vase/Réseau",
         "Litre(s)", xResultats2, rangee(2), 2},
        {39, 40, "Pression de tarage de la soupape pour éviter la fuite par celle-ci", "bar(s)",
         xResultats2, rangee(3), 2},
    };
    const QString legendes = QStringLiteral("LblExpansion");
    creerResultats(this, QStringLiteral("LblResultat_Expansion_Sanitaire"),
                   LblResultat_Expansion_Sanitaire);
    for (std::size_t i = 0; i < LblResultat_Expansion_Sanitaire.size(); ++i)
        encadrer(LblResultat_Expansion_Sanitaire[i], sorties[i], largeurBoite, hauteurBoite, 4350,
                 legendes);
    titreReserve_ = findChild<QLabel*>(entry::nomIndexe(legendes, 44));
    titreReserve_->setText(titreDepart);
    illustrer(QStringLiteral("Image2"), QStringLiteral(":/images/expansion_sanitaire.svg"),
              xResultats2 + 1200, rangee(3) + 405, QStringLiteral("Schéma du ballon sanitaire"),
              QStringLiteral("Le ballon alimenté par l'eau froide du réseau, avec sa vanne "
                             "d'arrêt, son groupe de sécurité qui évacue à l'égout, son vase "
                             "d'expansion et le robinet d'eau chaude."));
    description().noter(LblP_Atm_Sanitaire);
}

void PageExpansionSanitaire::montrerReserve(bool negative) {
    signaler(LblResultat_Expansion_Sanitaire[4], negative);
    reecrireLegende(titreReserve_, negative ? titreEgout : titreReserve);
}

void PageExpansionSanitaire::echec() {
    for (QLabel* label : LblResultat_Expansion_Sanitaire)
        label->setText(texteEchec);
    LblP_Atm_Sanitaire->clear();
}

void PageExpansionSanitaire::CmdExpansion_Sanitaire_Click() {
    namespace vase = calc::vase_sanitaire;
    const auto entree = lire<vase::Entree>(form::sources);
    if (!entree) {
        note_->enregistrer(lus(form::sources), {}, echecDuCalcul());
        echec();
        return;
    }
    vase::Intermediaires notes;
    const auto calcul = vase::calculer(*entree, &notes);
    note_->enregistrer(lus(form::sources), valeursIntermediaires(form::intermediaires, notes),
                       std::holds_alternative<vase::Resultat>(calcul) ? QString()
                                                                      : echecDuCalcul());
    if (const auto* e = std::get_if<vase::Echec>(&calcul)) {
        if (e->reserveNegative)
            montrerReserve(*e->reserveNegative);
        echec();
        return;
    }
    const auto& r = std::get<vase::Resultat>(calcul);
    const auto ecrire = [this](int i, const QString& texte) {
        LblResultat_Expansion_Sanitaire[static_cast<std::size_t>(i)]->setText(texte);
    };
    ecrire(0, entry::texteSimple(r.ve));
    ecrire(1, entry::texteSimple(r.vmin));
    ecrire(2, entry::texteSimple(r.vu));
    ecrire(3, entry::texteSimple(r.vc));
    montrerReserve(r.reserveNegative);
    ecrire(4, entry::texteSimple(r.d));
    ecrire(6, entry::texteSimple(r.absorbe));
    if (r.reserveNegative) {
        ecrire(5, entry::texteSimple(r.p5));
        ecrire(7, entry::texteSimple(r.p7));
        if (r.alerte10Bars)
            ui::Avertir(
                this,
                QStringLiteral("ATTENTION !") + ligne + ligne +
                    QStringLiteral("Le tarage nécessaire de la soupape est trop important pour "
                                   "l'utilisation normale d'une installation sanitaire !") +
                    ligne +
                    QStringLiteral("Essayez d'effectuez une correction sur un autre paramètre "
                                   "afin de rester en dessous de la pression d'utilisation") +
                    ligne + QStringLiteral("du ballon qui est en général de 10 bars."));
        signaler(LblResultat_Expansion_Sanitaire[7], r.alerte10Bars);
    } else {
        ecrire(5, QString());
        ecrire(7, QString());
    }
    LblP_Atm_Sanitaire->setText(QStringLiteral("(Pression atmosphérique approximative : ") +
                                entry::texteDouble(r.patm) + QStringLiteral(" Pa)"));
}

} // namespace tabs
