#include "tabs/page_cond_fumees.h"

#include "calc/combustion.h"
#include "calc/cond_fumees.h"
#include "calc/devoiement.h"
#include "entry/champs_qt.h"
#include "tabs/disposition.h"
#include "ui/avertissement.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tabs {

namespace {

namespace fumees = calc::cond_fumees;

// Boxes and buttons, twips.
constexpr int largeurBoite = 1095;
constexpr int hauteurBoite = 315;
constexpr int largeurBouton = 495;
constexpr int largeurTitre = 2280;

// Five columns left of the results; the rows of boxes of the three blocks.
constexpr int colonne(int i) {
    return 120 + i * 2400;
}
constexpr int finColonnes = colonne(5) - 120;
constexpr int hautTitre = 1140;
constexpr int hautRaccordement = 1920;
constexpr int hautChaudiere = 3240;
constexpr int hautChaudiere2 = 4380;
constexpr int hautConduit = 5940;

// The result column, right of a vertical line.
constexpr int xTraitResultats = finColonnes + 120;
constexpr int xResultats = xTraitResultats + 720;

// The offset frame, over the duct's block, and its shadow.
constexpr int gaucheCadre = 2160;
constexpr int hautCadre = 4800;
constexpr int largeurCadre = 8280;
constexpr int hauteurCadre = 2595;
constexpr int decalageOmbre = 120;

QString LblCond_Fumees(int index) {
    return entry::nomIndexe(QStringLiteral("LblCond_Fumees"), index);
}

const QString formules = QStringLiteral(
    "Tirage disponible D = (ρa − ρf) × H × 9,81, avec ρf = 1,27 × 273,15 / (Tm + 273,15), "
    "ρa = 1,293 × 273,15 / (te + 273,15) et Tm = tf − 2,5 × (L + Lc)\n"
    "Vitesse des fumées w = (P / η / PCI) × Vf / 3600 / A\n"
    "Pertes de charge Δp = w² × (λ × L / d + ζ) × 1,5 × 1,27 / 2 ; λ = 64 / Re en laminaire, "
    "sinon Colebrook\n"
    "Coudes : ζ = 0,3 par coude à 45° ou de dévoiement, 0,4 à 90°, 0,53 pour le raccordement\n"
    "Section minimale : la plus petite A (pas de 0,01 cm²) où Δp raccordement + Δp conduit + "
    "dépressions nécessaires ≤ D\n"
    "Côté = √A ; diamètre = 2 × √(A / π)\n"
    "Dévoiement : longueur inclinée = d / cos α ; hauteur couverte = d × tan α ; longueur "
    "totale = H − d × tan α + d / cos α");

} // namespace

PageCondFumees::PageCondFumees(QWidget* parent) : QWidget(parent) {
    new Description(this, formules);
    // Enter in any field sizes the duct; the length follows the height as it is typed.
    TxtCond_Fumees =
        new entry::FamilleChamps(this, QStringLiteral("TxtCond_Fumees"), entry::indicesJusqua(14),
                                 {[this](int index) {
                                      if (index == 9)
                                          TxtCond_Fumees->ecrire(10, TxtCond_Fumees->texte(9));
                                  },
                                  [this](int) { CmdCond_Fumees_Click(0); }});
    CmbCond_Fumees =
        new entry::FamilleListes(this, QStringLiteral("CmbCond_Fumees"), entry::indicesJusqua(3),
                                 nullptr, [this](int index) { CmbCond_Fumees_Click(index); });
    CmbCond_Fumees->remplir(0, fumees::Combustibles());
    CmbCond_Fumees->remplir(1, fumees::MateriauxRaccordement());
    CmbCond_Fumees->remplir(2, fumees::MateriauxConduit());

    placerRaccordement();
    filet(this, QStringLiteral("Line5(0)"), colonne(0), 2340, finColonnes - colonne(0));
    placerChaudiere();
    filet(this, QStringLiteral("Line5(1)"), colonne(0), 4770, finColonnes - colonne(0));
    placerConduit();
    placerResultats();
    placerDevoiement();

    const auto cmd = [this](int i) {
        return findChild<QWidget*>(entry::nomIndexe(QStringLiteral("CmdCond_Fumees"), i));
    };
    std::vector<QWidget*> ordre;
    for (const int i : {0, 1, 2, 3})
        ordre.push_back(TxtCond_Fumees->champ(i));
    ordre.insert(ordre.end(), {CmbCond_Fumees->liste(1), CmbCond_Fumees->liste(0)});
    for (const int i : {4, 13, 5, 6, 7, 8, 9})
        ordre.push_back(TxtCond_Fumees->champ(i));
    ordre.push_back(cmd(1));
    for (const int i : {10, 11, 12})
        ordre.push_back(TxtCond_Fumees->champ(i));
    ordre.insert(ordre.end(), {CmbCond_Fumees->liste(2), cmd(0)});
    ordreTabulation(ordre);
}

void PageCondFumees::placerRaccordement() {
    titreDeBloc(this, LblCond_Fumees(0),
                QStringLiteral("Conduit de raccordement chaudière --> conduit de fumées"),
                colonne(0), hautTitre, 9000);
    const QString legendes = QStringLiteral("LblCond_Fumees");
    placerChamps(TxtCond_Fumees, legendes,
                 {
                     {0, "0", {1, 2, "Longueur", "m", colonne(0), hautRaccordement}},
                     {1, "0", {5, 3, "Diamètre", "m", colonne(1), hautRaccordement}},
                     {2, "0", {4, 7, "Nombre de coudes à 45°", "_", colonne(2), hautRaccordement}},
                     {3, "0", {6, 8, "Nombre de coudes à 90°", "_", colonne(3), hautRaccordement}},
                 },
                 largeurBoite, hauteurBoite, largeurTitre);
    encadrer(CmbCond_Fumees->liste(1), legendes,
             {25, -1, "Nature du conduit de raccordement", "", colonne(4), hautRaccordement, 2},
             1500, hauteurBoite, largeurTitre);
}

void PageCondFumees::placerChaudiere() {
    titreDeBloc(this, LblCond_Fumees(9), QStringLiteral("Chaudière"), colonne(0), 2445, 9000);
    const QString legendes = QStringLiteral("LblCond_Fumees");
    encadrer(CmbCond_Fumees->liste(0), legendes,
             {17, -1, "Combustible", "", colonne(0), hautChaudiere}, 2100, hauteurBoite,
             largeurTitre);
    placerChamps(
        TxtCond_Fumees, legendes,
        {
            {4, "0", {11, 12, "Puissance", "kW", colonne(1), hautChaudiere}},
            {13,
             "0",
             {28, 27, "Rendement de la chaudière (0 > n < 1)", "n", colonne(2), hautChaudiere, 2,
              Plage::strictementEntre(0, 1)}},
            {5,
             "0",
             {15, 16, "Volume de gaz brûlés (voir onglet Combustion)", "m3(n)/kg", colonne(3),
              hautChaudiere, 2}},
            {6,
             "0",
             {19, 18, "Température moyenne des gaz brûlés en sortie de chaudière", "°C", colonne(0),
              hautChaudiere2, 3}},
            {7,
             "10",
             {13, 14, "Dépression minimale nécessaire en sortie (voir données constructeur)", "Pa",
              colonne(1), hautChaudiere2, 3}},
            {8,
             "4",
             {33, 32, "Dépression minimale nécessaire à l'apport d'air comburant", "Pa", colonne(2),
              hautChaudiere2, 3}},
        },
        largeurBoite, hauteurBoite, largeurTitre);
    uniteVolume_ = findChild<QLabel*>(LblCond_Fumees(16));
}

void PageCondFumees::placerConduit() {
    titreDeBloc(this, LblCond_Fumees(10), QStringLiteral("Conduit de fumées"), colonne(0), 4860,
                9000);
    const QString legendes = QStringLiteral("LblCond_Fumees");
    placerChamps(
        TxtCond_Fumees, legendes,
        {
            {9, "0", {21, 20, "Hauteur du conduit de fumées", "m", colonne(0), hautConduit, 3}},
            {10,
             "0",
             {26, 29, "Longueur du conduit de fumées (différente de la hauteur si dévoiement)", "m",
              colonne(1), hautConduit, 3,
              Plage::regle(QStringLiteral("au moins la hauteur du conduit de fumées"))}},
            {11,
             "0",
             {30, 22, "Nombre de coudes utilisés pour le dévoiement", "_", colonne(2), hautConduit,
              3}},
            {12,
             "15",
             {23, 31, "Température moyenne extérieure", "°C", colonne(3), hautConduit, 3}},
        },
        largeurBoite, hauteurBoite, largeurTitre);
    auto* aide = bouton(
        this, QStringLiteral("CmdCond_Fumees(1)"), colonne(0) + largeurBoite + 420, hautConduit,
        375, hauteurBoite, [this] { CmdCond_Fumees_Click(1); }, QStringLiteral("?"));
    aide->setToolTip(QStringLiteral("Calculer la longueur totale, dévoiement compris"));
    encadrer(CmbCond_Fumees->liste(2), legendes,
             {50, -1, "Nature du conduit de fumées", "", colonne(4), hautConduit, 3}, 2280,
             hauteurBoite, largeurTitre);
}

void PageCondFumees::placerResultats() {
    filet(this, QStringLiteral("Line6"), xTraitResultats, hautTitre,
          hautConduit + hauteurBoite - hautTitre, true);
    const QString legendes = QStringLiteral("LblCond_Fumees");
    const struct {
        int resultat;
        Encadre e;
    } resultats[] = {
        {0, {44, 45, "Section minimale", "cm²", xResultats, hautRaccordement}},
        {1, {46, 47, "Coté minimal si le conduit est carré", "cm", xResultats, hautChaudiere, 2}},
        {2,
         {48, 49, "Diamètre minimal  si le conduit est rond", "cm", xResultats, hautChaudiere2, 2}},
    };
    creerResultats(this, QStringLiteral("LblResult_Cond_Fumees"), LblResult_Cond_Fumees);
    for (const auto& r : resultats)
        encadrer(LblResult_Cond_Fumees[static_cast<std::size_t>(r.resultat)], legendes, r.e,
                 largeurBoite, hauteurBoite, 2400);
    bouton(this, QStringLiteral("CmdCond_Fumees(0)"), xResultats - 120 - largeurBouton,
           hautChaudiere, largeurBouton, hauteurBoite, [this] { CmdCond_Fumees_Click(0); });
    illustration(this, QStringLiteral("Image1"), QStringLiteral(":/images/conduit_fumees.svg"),
                 xResultats, 5040);
}

void PageCondFumees::placerDevoiement() {
    // The shadow first, so that the frame stands over it.
    OmbreCadre = new QWidget(this);
    OmbreCadre->setObjectName(QStringLiteral("OmbreCadre"));
    OmbreCadre->setAutoFillBackground(true);
    QPalette gris = OmbreCadre->palette();
    gris.setColor(QPalette::Window, QColor(128, 128, 128));
    OmbreCadre->setPalette(gris);
    placer(OmbreCadre, gaucheCadre + decalageOmbre, hautCadre + decalageOmbre, largeurCadre,
           hauteurCadre);

    CdrDevoiement = new QGroupBox(
        QStringLiteral("Calcul de la longueur supplémentaire due au dévoiement"), this);
    CdrDevoiement->setObjectName(QStringLiteral("CdrDevoiement"));
    CdrDevoiement->setAutoFillBackground(true);
    placer(CdrDevoiement, gaucheCadre, hautCadre, largeurCadre, hauteurCadre);

    // Inside the frame, twips from its own corner; Enter runs nothing.
    QWidget* cadre = CdrDevoiement;
    TxtDevoiement = new entry::FamilleChamps(cadre, QStringLiteral("TxtDevoiement"),
                                             entry::indicesJusqua(2), {nullptr, nullptr});
    const QString legendes = QStringLiteral("LblCond_Fumees");
    encadrer(TxtDevoiement->champ(0), legendes, {35, 34, "Décaler", "m", 120, dansCadre(600)},
             largeurBoite, hauteurBoite, 2000);
    encadrer(TxtDevoiement->champ(1), legendes, {37, 36, "Angle", "Degrés", 3360, dansCadre(1800)},
             largeurBoite, hauteurBoite, 2000);
    const struct {
        Encadre e;
        int largeurTitre;
    } resultats[] = {
        {{39, 38, "Longueur due au dévoiement", "m", 3360, dansCadre(1080), 2}, 2040},
        {{41, 40, "Longueur déduite de la hauteur", "m", 120, dansCadre(1740)}, 3000},
        {{43, 42, "Longueur totale du conduit de fumées à reporter dans le champ", "m", 6120,
          dansCadre(1080), 3},
         largeurCadre - 6120 - 120},
    };
    creerResultats(cadre, QStringLiteral("LblDevoiement"), LblDevoiement);
    for (std::size_t i = 0; i < LblDevoiement.size(); ++i)
        encadrer(LblDevoiement[i], legendes, resultats[i].e, largeurBoite, hauteurBoite,
                 resultats[i].largeurTitre);

    auto* calculer = bouton(cadre, QStringLiteral("CmdDevoiement"), 5520, dansCadre(1080),
                            largeurBouton, hauteurBoite, [this] { CmdDevoiement_Click(); });
    auto* annuler = bouton(
        cadre, QStringLiteral("CmdReport(1)"), 6480, dansCadre(2160), largeurBouton, hauteurBoite,
        [this] { CmdReport_Click(1); }, QStringLiteral("x"));
    annuler->setToolTip(QStringLiteral("Annuler"));
    auto* reporter = bouton(
        cadre, QStringLiteral("CmdReport(0)"), 7080, dansCadre(2160), 615, hauteurBoite,
        [this] { CmdReport_Click(0); }, QStringLiteral("-->"));
    reporter->setToolTip(QStringLiteral("Reporter la longueur du conduit et fermer"));
    ordreTabulation(
        {TxtDevoiement->champ(0), TxtDevoiement->champ(1), calculer, reporter, annuler});

    OmbreCadre->hide();
    CdrDevoiement->hide();
}

void PageCondFumees::afficherChoixInitiaux() {
    CmbCond_Fumees->choisir(0, QStringLiteral("Fuel domestique"));
    CmbCond_Fumees->choisir(1, QStringLiteral("Acier inox"));
    CmbCond_Fumees->choisir(2, QStringLiteral("Boisseaux béton"));
}

void PageCondFumees::ecrireRendementInitial() {
    TxtCond_Fumees->ecrire(13, entry::texteDouble(0.9));
}

QString PageCondFumees::texteListe(int index) const {
    return CmbCond_Fumees->liste(index)->currentText();
}

// Whichever list is picked, the volume's unit follows the fuel.
void PageCondFumees::CmbCond_Fumees_Click(int) {
    ecrireUnite(
        uniteVolume_,
        QStringView(calc::combustion::uniteVolume(texteListe(0).toStdU16String())).toString());
}

void PageCondFumees::CmdCond_Fumees_Click(int index) {
    if (index == 0)
        dimensionner();
    else if (index == 1)
        ouvrirDevoiement();
}

void PageCondFumees::dimensionner() {
    // A lone "-" in any field: nothing happens.
    if (!TxtCond_Fumees->sontDesNombres({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}))
        return;
    const auto simple = [this](int i) { return *TxtCond_Fumees->lireSimple(i); };
    const auto dbl = [this](int i) { return *TxtCond_Fumees->lireDouble(i); };
    const std::u16string combustible = texteListe(0).toStdU16String(),
                         raccordement = texteListe(1).toStdU16String(),
                         conduit = texteListe(2).toStdU16String();
    fumees::Saisie s;
    s.combustible = combustible;
    s.materiauRaccordement = raccordement;
    s.materiauConduit = conduit;
    s.hauteur = simple(9);
    s.longueur = simple(10);
    s.longueurRaccordement = simple(0);
    s.diametreRaccordement = simple(1);
    s.temperatureFumees = simple(6);
    s.temperatureExterieure = simple(12);
    s.volumeFumees = simple(5);
    s.puissance = simple(4);
    s.rendement = simple(13);
    s.hauteurDouble = dbl(9);
    s.longueurDouble = dbl(10);
    s.diametreDouble = dbl(1);
    s.coudes45 = dbl(2);
    s.coudes90 = dbl(3);
    s.coudesDevoiement = dbl(11);
    s.depressionSortie = dbl(7);
    s.depressionAirComburant = dbl(8);

    const auto calcul = fumees::calculer(s);
    if (const auto* r = std::get_if<fumees::Resultat>(&calcul)) {
        LblResult_Cond_Fumees[0]->setText(entry::texteDouble(r->section));
        LblResult_Cond_Fumees[1]->setText(entry::texteDouble(r->cote));
        LblResult_Cond_Fumees[2]->setText(entry::texteDouble(r->diametre));
        return;
    }
    switch (std::get<fumees::Refus>(calcul)) {
    case fumees::Refus::HauteurSuperieureLongueur:
        ui::Avertir(this, QStringLiteral("La hauteur du conduit de fumées ne peut être supérieure "
                                         "à la longueur !"));
        TxtCond_Fumees->rendreFocus(10);
        break;
    case fumees::Refus::HorsPlage:
        break;
    case fumees::Refus::DepressionInsuffisante:
        // The section found, none, is written before the box.
        LblResult_Cond_Fumees[0]->setText(entry::texteSimple(0));
        ui::AvertirArret(this, QStringLiteral("Dépression disponible trop faible !"));
        break;
    }
}

void PageCondFumees::ouvrirDevoiement() {
    // A lone "-" is no height either.
    if (calc::devoiement::controlerOuverture(TxtCond_Fumees->lireDouble(9).value_or(0))) {
        ui::Avertir(this, QStringLiteral("Indiquer la hauteur du conduit de fumées, en mètres !"));
        TxtCond_Fumees->rendreFocus(9);
        return;
    }
    OmbreCadre->show();
    OmbreCadre->raise();
    CdrDevoiement->show();
    CdrDevoiement->raise();
}

void PageCondFumees::CmdDevoiement_Click() {
    const auto d = TxtDevoiement->lireDouble(0), angle = TxtDevoiement->lireDouble(1),
               hauteur = TxtCond_Fumees->lireDouble(9);
    if (!d || !angle || !hauteur)
        return;
    // A vertical inclined part leaves the results as they were.
    const auto r = calc::devoiement::calculer(*d, *angle, *hauteur);
    if (!r)
        return;
    LblDevoiement[0]->setText(entry::texteDouble(r->longueurInclinee));
    LblDevoiement[1]->setText(entry::texteDouble(r->hauteurInclinee));
    LblDevoiement[2]->setText(entry::texteDouble(r->longueurTotale));
}

void PageCondFumees::CmdReport_Click(int index) {
    if (index == 0)
        TxtCond_Fumees->ecrire(10, LblDevoiement[2]->text());
    if (index == 0 || index == 1) {
        CdrDevoiement->hide();
        OmbreCadre->hide();
    }
}

} // namespace tabs
