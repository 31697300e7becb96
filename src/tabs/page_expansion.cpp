#include "tabs/page_expansion.h"

#include "formulaires/expansion.h"
#include "tabs/disposition.h"
#include "ui/accessibilite.h"
#include "ui/avertissement.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tabs {

namespace {

namespace form = formulaires::expansion;
using form::hautPression;
using form::rangee;
using form::xEntrees;
using form::xPression;

const QString ligne = QStringLiteral("\r\n");

// Boxes, twips.
constexpr int largeurBoite = 1200;

// Columns: the button, two result columns.
constexpr int xBouton = 5550;
constexpr int xResultats = 6900;
constexpr int xResultats2 = 10500;

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

} // namespace

PageExpansion::PageExpansion()
    : Page(QStringLiteral("LblExpansion"),
           {calc::vase_expansion::formules, calc::pression_temperature::formules}) {
    TxtExpansion =
        champs(QStringLiteral("TxtExpansion"), form::champs,
               {nullptr, [this](int) { CmdExpansion_Click(); }}, largeurBoite, hauteurBoite, 2700);
    TxtExpansionTemp =
        champs(QStringLiteral("TxtExpansionTemp"), form::champsPression,
               {nullptr, [this](int) { CmdPression_Click(); }}, largeurBoite, hauteurBoite, 3000);
    creerResultats(this, QStringLiteral("LblResultat_Expansion"), LblResultat_Expansion);
    placerVase();
    placerPression();
    noteVase_ = &description().annoter(QStringLiteral("Vase d'expansion"));
    notePression_ =
        &description().annoter(QStringLiteral("Pression dans l'installation à la température de "
                                              "l'eau"));
    std::vector<QWidget*> tabulation;
    for (const formulaires::Champ& c : form::champs)
        tabulation.push_back(TxtExpansion->champ(c.index));
    tabulation.push_back(findChild<QWidget*>(QStringLiteral("CmdExpansion")));
    for (const formulaires::Champ& c : form::champsPression)
        tabulation.push_back(TxtExpansionTemp->champ(c.index));
    tabulation.push_back(findChild<QWidget*>(QStringLiteral("CmdPression")));
    ordreTabulation(tabulation);
}

QLabel* PageExpansion::resultat(int index) const {
    return LblResultat_Expansion[static_cast<std::size_t>(index)];
}

void PageExpansion::placerVase() {
    // On the altitude caption's line, right of its text.
    LblP_Atm = ligneDeTexte(this, QStringLiteral("LblP_Atm"), 1980, rangee(0) - 270, 4800);
    ui::nommer(bouton(this, QStringLiteral("CmdExpansion"), xBouton, rangee(1), largeurBouton,
                      hauteurBoite, [this] { CmdExpansion_Click(); }),
               QStringLiteral("Calculer le vase d'expansion"),
               QStringLiteral("Choisit le vase d'expansion standard et la pression maximale de "
                              "remplissage à froid"));

    const struct {
        int resultat;
        formulaires::Encadre e;
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
        encadrer(resultat(s.resultat), s.e, largeurBoite, hauteurBoite, 3450);
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
            tabs::legende(this, nomLegende(titres[i].titre), QString::fromUtf8(titres[i].texte),
                          xResultats2, titres[i].haut, 0, 225);
        titre->setWordWrap(false);
        titre->resize(titre->sizeHint().width(), titre->height());
        LblTemp[static_cast<std::size_t>(i)] = ligneDeTexte(
            this, entry::nomIndexe(QStringLiteral("LblTemp"), i),
            xResultats2 + ui::twipsParPixel * (titre->width() + 6), titres[i].haut, 1200, 225);
    }
    description().legender(resultat(7), {legende(29), LblTemp[0], legende(33), LblTemp[1]});
    description().noter(LblP_Atm);

    illustrer(QStringLiteral("ImgExpansion"), QStringLiteral(":/images/expansion_chauffage.svg"),
              xEntrees, rangee(3) + 480, QStringLiteral("Schéma de l'installation de chauffage"),
              QStringLiteral("La chaudière avec sa soupape de sécurité, un radiateur, le vase "
                             "d'expansion et la hauteur statique de l'installation."));
}

void PageExpansion::placerPression() {
    titreDeBloc(this, nomLegende(36),
                QStringLiteral("Pression dans l'installation en fonction de la température et de "
                               "la pression de remplissage à la mise en service"),
                xPression, hautPression, 11700);

    const int haut0 = form::hautPression0;
    const int xBoutonPression = xPression + 1950, xResultat = xBoutonPression + 705;
    ui::nommer(bouton(this, QStringLiteral("CmdPression"), xBoutonPression, haut0, largeurBouton,
                      hauteurBoite, [this] { CmdPression_Click(); }),
               QStringLiteral("Calculer la pression à cette température"),
               QStringLiteral("Pression de l'installation à la température de l'eau, avec le vase "
                              "choisi et la pression de remplissage"));
    encadrer(resultat(8), {-1, 30, "", "bar(s)", xResultat, haut0}, largeurBoite, hauteurBoite, 0);
    // The pressure has no caption of its own: the block's heading tells it.
    description().legender(resultat(8), {legende(36)});

    // Three lines one under the other, right of the result.
    const int xLignes = xResultat + largeurBoite + 810, largeurLignes = 15300 - 120 - xLignes;
    LblSurpression =
        ligneDeTexte(this, QStringLiteral("LblSurpression"), xLignes, haut0 + 30, largeurLignes);
    LblVolDilate =
        ligneDeTexte(this, QStringLiteral("LblVolDilate"), xLignes, haut0 + 330, largeurLignes);
    LblReserve =
        ligneDeTexte(this, QStringLiteral("LblReserve"), xLignes, haut0 + 630, largeurLignes, 450);
    for (QLabel* ligne : {LblSurpression, LblVolDilate, LblReserve})
        description().noter(ligne);
}

void PageExpansion::echecExpansion() {
    for (QLabel* label : LblResultat_Expansion)
        label->setText(texteEchec);
    LblP_Atm->clear();
    for (QLabel* label : LblTemp)
        label->clear();
}

void PageExpansion::echecPression() {
    resultat(8)->setText(texteEchec);
}

void PageExpansion::CmdExpansion_Click() {
    namespace vase = calc::vase_expansion;
    const auto entree = lire<vase::Entree>(form::sources);
    if (!entree) {
        noteVase_->enregistrer(lus(form::sources), {}, echecDuCalcul());
        echecExpansion();
        return;
    }
    vase::Intermediaires notes;
    const auto calcul = vase::calculer(*entree, &notes);
    noteVase_->enregistrer(
        lus(form::sources), valeursIntermediaires(form::intermediaires, notes),
        std::holds_alternative<vase::Resultat>(calcul) ? QString()
        : std::holds_alternative<vase::RefusHauteur>(calcul)
            ? QStringLiteral("hauteur de l'installation trop importante pour les vases standards")
        : std::holds_alternative<vase::RefusVolume>(calcul)
            ? QStringLiteral("volume utile trop important pour les vases standards")
            : echecDuCalcul());
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
    namespace pression = calc::pression_temperature;
    const auto entree = lire<pression::Entree>(form::sourcesPression);
    if (!entree) {
        notePression_->enregistrer(lus(form::sourcesPression), {}, echecDuCalcul());
        echecPression();
        return;
    }
    pression::Intermediaires notes;
    const auto calcul = pression::calculer(*entree, &notes);
    notePression_->enregistrer(
        lus(form::sourcesPression), valeursIntermediaires(form::intermediairesPression, notes),
        std::holds_alternative<pression::Normal>(calcul.fin) ? QString()
        : std::holds_alternative<pression::Decharge>(calcul.fin)
            ? QStringLiteral("décharge de la soupape (pression supérieure à son tarage)")
        : std::holds_alternative<pression::RefusVase>(calcul.fin)
            ? QStringLiteral("volume d'eau dilaté trop important pour le vase")
            : echecDuCalcul());
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
