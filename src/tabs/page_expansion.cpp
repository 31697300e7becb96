#include "tabs/page_expansion.h"

#include "calc/pression_temperature.h"
#include "calc/vase_expansion.h"
#include "entry/champs_qt.h"
#include "tabs/disposition.h"
#include "ui/avertissement.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tabs {

namespace {

const QString echec = QStringLiteral("#####");
const QString ligne = QStringLiteral("\r\n");

// Boxes, twips.
constexpr int largeurBoite = 1200;
constexpr int hauteurBoite = 315;

// Columns: inputs, middle inputs, button, two result columns; rows of boxes.
constexpr int xEntrees = 120;
constexpr int xMilieu = 3150;
constexpr int xBouton = 5550;
constexpr int xResultats = 6900;
constexpr int xResultats2 = 10500;
constexpr int rangee(int i) {
    return hautPage + 540 + i * 840;
}

// The lower block.
constexpr int hautPression = hautPage + 4500;
constexpr int xPression = 3480;

QString LblExpansion(int index) {
    return entry::nomIndexe(QStringLiteral("LblExpansion"), index);
}

QString messageVolume(float vmin) {
    return QStringLiteral("Le volume utile de '") + entry::texteSimple(vmin) +
           QStringLiteral(" litres' est trop important pour la capacité des vases d'expansions "
                          "standards!") +
           ligne + ligne + QStringLiteral("Contactez le fabricant pour un produit spécifique.");
}

const QString messageHauteur =
    QStringLiteral("La hauteur de l'installation est trop importante pour les vases d'expansions "
                   "standards !") +
    ligne +
    QStringLiteral("La hauteur maximale est d'environ 25,45 m pour une eau de remplissage à "
                   "10 °C (pression statique 2,5 bars maxi).") +
    ligne + QStringLiteral("Contacter le fabricant pour un produit spécifique.");

const QString messageTemperature =
    QStringLiteral("il n'est pas envisageable de faire fonctionner une installation de "
                   "chauffage ") +
    ligne +
    QStringLiteral("basse température à une température moyenne de fonctionnement supérieure "
                   "à 100 °C !");

const QString messageVaseTropPetit =
    QStringLiteral("Le volume d'eau dilaté est trop important pour la capacité du vase "
                   "d'expansion !") +
    ligne + ligne +
    QStringLiteral("Augmenter la température dans le champ 'Température moyenne maximale de "
                   "fonctionnement'") +
    ligne +
    QStringLiteral("pour définir un vase plus volumineux, ou alors, réduire la pression de "
                   "remplissage !");

QString texteAtmosphere(double patm) {
    return QStringLiteral("(Pression atmosphérique approximative : ") + entry::texteDouble(patm) +
           QStringLiteral(" Pa)");
}

const QString formules = QStringLiteral(
    "Ve = V × (ρ(tremplissage) / ρ(tmax) − 1)\n"
    "Pst = H × ρ(tremplissage) × 9,81 / 100000\n"
    "Vmin = Ve × (Patm + Pv) / (Pv − Pst)\n"
    "Vu = Vn × (Pv − Pp) / (Patm + Pv) ; réserve Vr = Vu − Ve\n"
    "Pression maximale de remplissage à froid = (Patm + Pp) × Vn / (Vn − Vr) − Patm\n"
    "Pression à t : P = (Patm + Pp) × Vn / (Vn − Vw0 − Vd) − Patm\n"
    "avec Vd = V × (ρ(tremplissage) / ρ(t) − 1) et Vw0 = Vn − Vn × (Pp + Patm) / (Pf + Patm)\n"
    "Patm = 101325 × (1 − 2,26·10⁻⁵ × h)^5,26 Pa ; ρ : masse volumique de l'eau (onglet "
    "Masse volumique)");

// A temperature typed above 100 °C in either temperature field is refused at once.
entry::FamilleChamps::Refus refusTemperature(int index) {
    return {index, calc::vase_expansion::temperatureRefusee, messageTemperature};
}

} // namespace

PageExpansion::PageExpansion(QWidget* parent) : QWidget(parent) {
    new Description(this, formules);
    TxtExpansion = new entry::FamilleChamps(
        this, QStringLiteral("TxtExpansion"), {0, 1, 2, 3, 4, 6},
        {nullptr, [this](int) { CmdExpansion_Click(); }, {refusTemperature(1)}});
    TxtExpansionTemp = new entry::FamilleChamps(
        this, QStringLiteral("TxtExpansionTemp"), entry::indicesJusqua(2),
        {nullptr, [this](int) { CmdPression_Click(); }, {refusTemperature(0)}});
    creerResultats(this, QStringLiteral("LblResultat_Expansion"), LblResultat_Expansion);
    placerVase();
    placerPression();
    ordreTabulation({TxtExpansion->champ(0), TxtExpansion->champ(1), TxtExpansion->champ(2),
                     TxtExpansion->champ(3), TxtExpansion->champ(6), TxtExpansion->champ(4),
                     findChild<QWidget*>(QStringLiteral("CmdExpansion")),
                     TxtExpansionTemp->champ(0), TxtExpansionTemp->champ(1),
                     findChild<QWidget*>(QStringLiteral("CmdPression"))});
}

QLabel* PageExpansion::resultat(int index) const {
    return LblResultat_Expansion[static_cast<std::size_t>(index)];
}

void PageExpansion::placerVase() {
    namespace vase = calc::vase_expansion;
    const QString legendes = QStringLiteral("LblExpansion");
    const Plage temperature = Plage::auPlus(vase::temperatureMaximale);
    placerChamps(
        TxtExpansion, legendes,
        {
            {0, "0", {0, 1, "Altitude du logement", "m", xEntrees, rangee(0)}},
            {1,
             "70",
             {2, 3, "Température moyenne maximale de fonctionnement", "°C", xEntrees, rangee(1), 2,
              temperature}},
            {2,
             "15",
             {6, 7, "Température à l'arrêt ou de remplissage", "°C", xEntrees, rangee(2), 2}},
            {3, "0", {4, 5, "Contenance de l'installation", "litres", xEntrees, rangee(3)}},
            {6,
             "0",
             {24, 25, "Hauteur statique de l'installation", "m", xMilieu, rangee(1), 2,
              Plage::regle(QStringLiteral("pression statique au plus ") +
                           entry::texteSimple(vase::pressionStatiqueMaximale) +
                           QStringLiteral(" bar(s)"))}},
            {4,
             "3",
             {8, 9, "Pression de tarage de la soupape de sécurité", "bar(s)", xMilieu, rangee(2),
              2}},
        },
        largeurBoite, hauteurBoite, 2700);
    // On the altitude caption's line, right of its text.
    LblP_Atm = ligneDeTexte(this, QStringLiteral("LblP_Atm"), 1980, rangee(0) - 270, 4800);
    bouton(this, QStringLiteral("CmdExpansion"), xBouton, rangee(1), 495, hauteurBoite,
           [this] { CmdExpansion_Click(); });

    const struct {
        int resultat;
        Encadre e;
    } sorties[] = {
        {0,
         {18, 15, "Volume d'eau dilaté (volume utile minimum)", "litres", xResultats, rangee(0),
          2}},
        {1, {12, 13, "Volume minimal du vase d'expansion", "litres", xResultats, rangee(1), 2}},
        {2, {27, 19, "Volume du vase d'expansion choisi", "litres", xResultats, rangee(2), 2}},
        {3,
         {14, 26, "Volume utile du vase d'expansion choisi", "litres", xResultats, rangee(3), 2}},
        {6,
         {22, 23, "Volume de la reserve d'eau dans le vase d'expansion", "litres", xResultats,
          rangee(4), 2}},
        {5, {20, 21, "Pression statique de l'installation", "bar(s)", xResultats2, rangee(0), 2}},
        {4, {16, 17, "Type de vase d'expansion choisi", "", xResultats2, rangee(1), 2}},
        {9,
         {35, 34, "Pression de gonflage du vase d'expansion choisi", "bar(s)", xResultats2,
          rangee(2), 2}},
        {7, {-1, 28, "", "bar(s)", xResultats2, rangee(3)}},
    };
    for (const auto& s : sorties)
        encadrer(resultat(s.resultat), legendes, s.e, largeurBoite, hauteurBoite, 3450);
    resultat(4)->clear();

    // Over the cold filling pressure, two caption lines, each followed by
    // the figure it depends on.
    const struct Titre {
        int titre;
        const char* texte;
        int haut;
    } titres[] = {{29, "Pression maximale de remplissage à froid", rangee(3) - 510},
                  {33, "avec la reserve d'eau du vase d'expansion", rangee(3) - 285}};
    for (int i = 0; i < 2; ++i) {
        auto* titre =
            legende(this, LblExpansion(titres[i].titre), QString::fromUtf8(titres[i].texte),
                    xResultats2, titres[i].haut, 0, 225);
        titre->setWordWrap(false);
        titre->resize(titre->sizeHint().width(), titre->height());
        LblTemp[static_cast<std::size_t>(i)] = ligneDeTexte(
            this, entry::nomIndexe(QStringLiteral("LblTemp"), i),
            xResultats2 + ui::twipsParPixel * (titre->width() + 6), titres[i].haut, 1200, 225);
    }
    Description::de(this)->legender(resultat(7),
                                    {findChild<QLabel*>(LblExpansion(29)), LblTemp[0],
                                     findChild<QLabel*>(LblExpansion(33)), LblTemp[1]});
    Description::de(this)->noter(LblP_Atm);

    illustration(this, QStringLiteral("ImgExpansion"),
                 QStringLiteral(":/images/expansion_chauffage.svg"), xEntrees, rangee(3) + 480);
}

void PageExpansion::placerPression() {
    titreDeBloc(this, LblExpansion(36),
                QStringLiteral("Pression dans l'installation en fonction de la température et de "
                               "la pression de remplissage à la mise en service"),
                xPression, hautPression, 11700);

    const int haut0 = hautPression + 900, haut1 = haut0 + 840;
    TxtExpansionTemp->ecrire(0, QStringLiteral("15"));
    const QString legendes = QStringLiteral("LblExpansion");
    encadrer(TxtExpansionTemp->champ(0), legendes,
             {11, 10, "Température de l'eau", "°C", xPression, haut0, 1,
              Plage::auPlus(calc::vase_expansion::temperatureMaximale)},
             largeurBoite, hauteurBoite, 3000);
    encadrer(TxtExpansionTemp->champ(1), legendes,
             {32, 31, "Pression de remplissage", "bar(s)", xPression, haut1}, largeurBoite,
             hauteurBoite, 3000);

    const int xBoutonPression = xPression + 1950, xResultat = xBoutonPression + 705;
    bouton(this, QStringLiteral("CmdPression"), xBoutonPression, haut0, 495, hauteurBoite,
           [this] { CmdPression_Click(); });
    encadrer(resultat(8), legendes, {-1, 30, "", "bar(s)", xResultat, haut0}, largeurBoite,
             hauteurBoite, 0);
    // The pressure has no caption of its own: the block's heading tells it.
    Description* description = Description::de(this);
    description->legender(resultat(8), {findChild<QLabel*>(LblExpansion(36))});

    // Three lines one under the other, right of the result.
    const int xLignes = xResultat + largeurBoite + 810, largeurLignes = 15300 - 120 - xLignes;
    LblSurpression =
        ligneDeTexte(this, QStringLiteral("LblSurpression"), xLignes, haut0 + 30, largeurLignes);
    LblVolDilate =
        ligneDeTexte(this, QStringLiteral("LblVolDilate"), xLignes, haut0 + 330, largeurLignes);
    LblReserve =
        ligneDeTexte(this, QStringLiteral("LblReserve"), xLignes, haut0 + 630, largeurLignes, 450);
    for (QLabel* ligne : {LblSurpression, LblVolDilate, LblReserve})
        description->noter(ligne);
}

void PageExpansion::echecExpansion() {
    for (QLabel* label : LblResultat_Expansion)
        label->setText(echec);
    LblP_Atm->clear();
    for (QLabel* label : LblTemp)
        label->clear();
}

void PageExpansion::echecPression() {
    resultat(8)->setText(echec);
}

void PageExpansion::CmdExpansion_Click() {
    const auto h = TxtExpansion->lireDouble(0), V = TxtExpansion->lireDouble(3),
               H = TxtExpansion->lireDouble(6);
    const auto tmax = TxtExpansion->lireSimple(1), tfill = TxtExpansion->lireSimple(2),
               Pv = TxtExpansion->lireSimple(4);
    if (!h || !V || !H || !tmax || !tfill || !Pv) {
        echecExpansion();
        return;
    }
    namespace vase = calc::vase_expansion;
    const auto calcul = vase::calculer(*h, *tmax, *tfill, *V, *H, *Pv);
    if (std::holds_alternative<vase::RefusHauteur>(calcul))
        ui::Avertir(this, messageHauteur);
    else if (const auto* refus = std::get_if<vase::RefusVolume>(&calcul))
        ui::Avertir(this, messageVolume(refus->vmin));
    const auto* r = std::get_if<vase::Resultat>(&calcul);
    if (r == nullptr) {
        echecExpansion();
        return;
    }
    resultat(0)->setText(entry::texteSimple(r->ve));
    resultat(1)->setText(entry::texteSimple(r->vmin));
    resultat(2)->setText(QString::number(r->vase.volume));
    resultat(3)->setText(entry::texteSimple(r->vu));
    resultat(4)->setText(QString::fromUtf8(r->vase.nom.data(), r->vase.nom.size()));
    resultat(5)->setText(entry::texteSimple(r->pst));
    resultat(6)->setText(entry::texteSimple(r->vr));
    resultat(7)->setText(entry::texteSimple(r->pfill));
    resultat(9)->setText(entry::texteSimple(r->vase.precharge));
    LblTemp[0]->setText(QStringLiteral("( ") + TxtExpansion->texte(2) + QStringLiteral(" °C)"));
    LblTemp[1]->setText(QStringLiteral("( ") + resultat(6)->text() + QStringLiteral(" litres)"));
    TxtExpansionTemp->ecrire(1, resultat(7)->text());
    LblP_Atm->setText(texteAtmosphere(r->patm));
}

void PageExpansion::CmdPression_Click() {
    // The vessel exists only as the results show it: "0" before any sizing,
    // "#####" after a failed one, which reads as no number.
    const auto lireResultat = [this](int index) {
        return entry::nombreDouble(resultat(index)->text());
    };
    const auto h = TxtExpansion->lireDouble(0), V = TxtExpansion->lireDouble(3),
               pf = TxtExpansionTemp->lireDouble(1), pst = lireResultat(5), vn = lireResultat(2),
               pp = lireResultat(9);
    const auto tfill = TxtExpansion->lireSimple(2), pv = TxtExpansion->lireSimple(4),
               t = TxtExpansionTemp->lireSimple(0);
    if (!h || !V || !pf || !pst || !vn || !pp || !tfill || !pv || !t) {
        echecPression();
        return;
    }
    namespace pression = calc::pression_temperature;
    const auto calcul = pression::calculer(*h, *tfill, *V, *pv, *pst, *vn, *pp, *pf, *t);
    if (calcul.alerteStatique)
        ui::Avertir(this, QStringLiteral("Attention, la pression de remplissage est inférieure à "
                                         "la pression statique de l'installation ! ") +
                              ligne + QStringLiteral("Pression statique de l'installation : ") +
                              resultat(5)->text() + QStringLiteral(" bar(s)"));

    const auto ecrireLignes = [this](const pression::Lignes& l, const QString& unite) {
        LblVolDilate->setText(QStringLiteral("Volume d'eau dilaté : ") + entry::texteSimple(l.vd) +
                              unite);
        LblReserve->setText(QStringLiteral("Volume d'eau présent dans le vase : ") +
                            entry::texteSimple(l.vw0) +
                            QStringLiteral(" litre(s) pour une pression de remplissage de ") +
                            TxtExpansionTemp->texte(1) + QStringLiteral(" bar(s)"));
    };
    if (const auto* normal = std::get_if<pression::Normal>(&calcul.fin)) {
        LblSurpression->clear();
        resultat(8)->setText(entry::texteSimple(normal->l.p));
        ecrireLignes(normal->l, QStringLiteral(" litres"));
        return;
    }
    if (const auto* decharge = std::get_if<pression::Decharge>(&calcul.fin)) {
        const QString p = entry::texteSimple(decharge->l.p);
        ui::Avertir(this, QStringLiteral("La pression est supérieure à celle de la soupape (") + p +
                              QStringLiteral(" bars) ") +
                              QStringLiteral(", il y aura décharge de celle-ci !"));
        LblSurpression->setText(QStringLiteral("Pression sans décharge : ") + p +
                                QStringLiteral(" bars"));
        ecrireLignes(decharge->l, QStringLiteral(" litre(s)"));
    } else if (std::holds_alternative<pression::RefusVase>(calcul.fin)) {
        ui::Avertir(this, messageVaseTropPetit);
        LblSurpression->clear();
        LblVolDilate->clear();
        LblReserve->clear();
    }
    echecPression();
}

} // namespace tabs
