#include "tabs/page_expansion_sanitaire.h"

#include "calc/vase_sanitaire.h"
#include "entry/champs_qt.h"
#include "tabs/disposition.h"
#include "ui/avertissement.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tabs {

namespace {

const QString ligne = QStringLiteral("\r\n");

// Boxes, twips.
constexpr int largeurBoite = 1200;
constexpr int hauteurBoite = 315;

// Inputs: left column of six rows, middle column level with its last two.
constexpr int xEntrees = 120;
constexpr int xMilieu = 3225;
constexpr int hautEntree[] = {hautPage + 330,  hautPage + 1080, hautPage + 1830,
                              hautPage + 2580, hautPage + 3330, hautPage + 4290};
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

const QString formules = QStringLiteral(
    "Ve = Vb × (ρ(tfroide) / ρ(tchaude) − 1)\n"
    "Pressions absolues : A = Patm + Pv (soupape), G = Patm + Pg (gonflage), N = Patm + Pn "
    "(réseau)\n"
    "Vmin = Ve × A / (A − G) / (G / N)\n"
    "Vu = (A − G) / A × Vc × (G / N) ; réserve D = Vu − Ve\n"
    "Pression maximale au réseau = Vc / Vmin × N − Patm\n"
    "Tarage de la soupape = G × X / (X − Ve) − Patm, avec X = Vc × G / N\n"
    "Volume absorbé au réseau = Vc − X\n"
    "Patm = 101325 × (1 − 2,26·10⁻⁵ × h)^5,26 Pa ; ρ : masse volumique de l'eau (onglet "
    "Masse volumique)");

} // namespace

PageExpansionSanitaire::PageExpansionSanitaire(QWidget* parent) : QWidget(parent) {
    namespace vase = calc::vase_sanitaire;
    new Description(this, formules);
    TxtExpansionSanitaire = new entry::FamilleChamps(
        this, QStringLiteral("TxtExpansionSanitaire"), entry::indicesJusqua(8),
        {nullptr,
         [this](int) { CmdExpansion_Sanitaire_Click(); },
         {{2, vase::eauChaudeRefusee,
           QStringLiteral("La température de l'eau chaude sanitaire ne peut être supérieure à "
                          "90 °C !")},
          {3, vase::eauFroideRefusee,
           QStringLiteral("La température de l'eau froide sanitaire ne peut être inférieure à "
                          "0 °C !")}}});
    placerEntrees();
    placerResultats();
}

void PageExpansionSanitaire::placerEntrees() {
    namespace vase = calc::vase_sanitaire;
    const std::initializer_list<ChampPlace> entrees = {
        {0, "0", {0, 6, "Altitude du logement", "m", xEntrees, hautEntree[0]}},
        {2,
         "65",
         {1, 7, "Température de l'eau chaude", "°C", xEntrees, hautEntree[1], 1,
          Plage::auPlus(vase::eauChaudeMaximale)}},
        {3,
         "10",
         {2, 8, "Température de l'eau froide", "°C", xEntrees, hautEntree[2], 1,
          Plage::auMoins(vase::eauFroideMinimale)}},
        {4, "0", {3, 9, "Contenance du ballon", "litres", xEntrees, hautEntree[3]}},
        {1, "0", {13, 12, "Volume du vase choisi", "litres", xEntrees, hautEntree[4]}},
        {5,
         "4",
         {4, 10, "Pression de gonflage du vase d'expansion", "bar(s)", xEntrees, hautEntree[5], 2}},
        {7,
         "7",
         {5, 11, "Pression de tarage de la soupape de sécurité", "bar(s)", xMilieu, hautEntree[4],
          2}},
        {6,
         "4",
         {15, 14, "Pression du réseau à la hauteur du vase d'expansion", "bar(s)", xMilieu,
          hautEntree[5], 2}},
    };
    placerChamps(TxtExpansionSanitaire, QStringLiteral("LblExpansionSanitaire"), entrees,
                 largeurBoite, hauteurBoite, 2775);
    std::vector<QWidget*> tabulation;
    for (const ChampPlace& e : entrees)
        tabulation.push_back(TxtExpansionSanitaire->champ(e.champ));
    // On the altitude field's line, right of its unit.
    LblP_Atm_Sanitaire =
        ligneDeTexte(this, QStringLiteral("LblP_Atm_Sanitaire"), 1725, hautEntree[0] + 45, 4800);
    tabulation.push_back(bouton(this, QStringLiteral("CmdExpansion_Sanitaire"), 5775, hautEntree[4],
                                495, hauteurBoite, [this] { CmdExpansion_Sanitaire_Click(); }));
    ordreTabulation(tabulation);
}

void PageExpansionSanitaire::placerResultats() {
    const Encadre sorties[] = {
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
        encadrer(LblResultat_Expansion_Sanitaire[i], legendes, sorties[i], largeurBoite,
                 hauteurBoite, 4350);
    titreReserve_ = findChild<QLabel*>(entry::nomIndexe(legendes, 44));
    titreReserve_->setText(titreDepart);
    illustration(this, QStringLiteral("Image2"), QStringLiteral(":/images/expansion_sanitaire.svg"),
                 xResultats2 + 1200, rangee(3) + 405);
    Description::de(this)->noter(LblP_Atm_Sanitaire);
}

void PageExpansionSanitaire::montrerReserve(bool negative) {
    signaler(LblResultat_Expansion_Sanitaire[4], negative);
    reecrireLegende(titreReserve_, negative ? titreEgout : titreReserve);
}

void PageExpansionSanitaire::echec() {
    for (QLabel* label : LblResultat_Expansion_Sanitaire)
        label->setText(QStringLiteral("#####"));
    LblP_Atm_Sanitaire->clear();
}

void PageExpansionSanitaire::CmdExpansion_Sanitaire_Click() {
    const auto* champs = TxtExpansionSanitaire;
    const auto h = champs->lireDouble(0), Vb = champs->lireDouble(4);
    const auto th = champs->lireSimple(2), tc = champs->lireSimple(3), Vc = champs->lireSimple(1),
               Pg = champs->lireSimple(5), Pn = champs->lireSimple(6), Pv = champs->lireSimple(7);
    if (!h || !Vb || !th || !tc || !Vc || !Pg || !Pn || !Pv) {
        echec();
        return;
    }
    namespace vase = calc::vase_sanitaire;
    const auto calcul = vase::calculer(*h, *th, *tc, *Vb, *Vc, *Pg, *Pn, *Pv);
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
