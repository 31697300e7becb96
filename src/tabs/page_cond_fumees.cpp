#include "tabs/page_cond_fumees.h"

#include "calc/combustion.h"
#include "formulaires/cond_fumees.h"
#include "tabs/disposition.h"
#include "ui/accessibilite.h"
#include "ui/avertissement.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace tabs {

namespace {

namespace fumees = calc::cond_fumees;
namespace form = formulaires::cond_fumees;
using namespace form; // the page's columns and rows

// Boxes and buttons, twips.
constexpr int largeurBoite = 1095;
constexpr int largeurTitre = 2280;

constexpr int finColonnes = colonne(5) - 120;
constexpr int hautTitre = 1140;

// The result column, right of a vertical line.
constexpr int xTraitResultats = finColonnes + 120;
constexpr int xResultats = xTraitResultats + 720;

// The offset frame, over the duct's block, and its shadow.
constexpr int gaucheCadre = 2160;
constexpr int hautCadre = 4800;
constexpr int largeurCadre = 8280;
constexpr int hauteurCadre = 2595;
constexpr int decalageOmbre = 120;

// The offset frame: while it is shown, Tab and Shift+Tab go round its own
// controls, in `ordre`.
class CadreDevoiement : public QGroupBox {
public:
    using QGroupBox::QGroupBox;
    std::vector<QWidget*> ordre;

protected:
    bool focusNextPrevChild(bool suivant) override {
        const auto ici = std::find(ordre.begin(), ordre.end(), focusWidget());
        if (ici == ordre.end())
            return QGroupBox::focusNextPrevChild(suivant);
        const auto n = static_cast<std::ptrdiff_t>(ordre.size());
        const auto i = ((ici - ordre.begin()) + (suivant ? 1 : n - 1)) % n;
        ordre[static_cast<std::size_t>(i)]->setFocus(suivant ? Qt::TabFocusReason
                                                             : Qt::BacktabFocusReason);
        return true;
    }
};

} // namespace

PageCondFumees::PageCondFumees()
    : Page(QStringLiteral("LblCond_Fumees"),
           {calc::cond_fumees::formules, calc::devoiement::formules}) {
    // Enter in any field sizes the duct; the length follows the height as it is typed.
    TxtCond_Fumees =
        creerChamps(QStringLiteral("TxtCond_Fumees"),
                    {form::champsRaccordement, form::champsChaudiere, form::champsConduit},
                    {[this](int index) {
                         if (index == 9)
                             TxtCond_Fumees->ecrire(10, TxtCond_Fumees->texte(9));
                     },
                     [this](int) { CmdCond_Fumees_Click(0); }});
    CmbCond_Fumees =
        new entry::FamilleListes(this, QStringLiteral("CmbCond_Fumees"), entry::indicesJusqua(3),
                                 nullptr, [this](int index) { CmbCond_Fumees_Click(index); });
    CmbCond_Fumees->remplir(0, calc::nomsCombustibles);
    CmbCond_Fumees->remplir(1,
                            std::span(fumees::nomsMateriaux).first(fumees::materiauxRaccordement));
    CmbCond_Fumees->remplir(2, fumees::nomsMateriaux);

    placerRaccordement();
    filet(this, QStringLiteral("Line5(0)"), colonne(0), 2340, finColonnes - colonne(0));
    placerChaudiere();
    filet(this, QStringLiteral("Line5(1)"), colonne(0), 4770, finColonnes - colonne(0));
    placerConduit();
    placerResultats();
    placerDevoiement();
    note_ = &description().annoter();

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
    titreDeBloc(this, nomLegende(0),
                QStringLiteral("Conduit de raccordement chaudière --> conduit de fumées"),
                colonne(0), hautTitre, 9000);
    placerChamps(TxtCond_Fumees, form::champsRaccordement, largeurBoite, hauteurBoite,
                 largeurTitre);
    encadrer(CmbCond_Fumees->liste(1),
             {25, -1, "Nature du conduit de raccordement", "", colonne(4), hautRaccordement, 2},
             1500, hauteurBoite, largeurTitre);
}

void PageCondFumees::placerChaudiere() {
    titreDeBloc(this, nomLegende(9), QStringLiteral("Chaudière"), colonne(0), 2445, 9000);
    encadrer(CmbCond_Fumees->liste(0), {17, -1, "Combustible", "", colonne(0), hautChaudiere}, 2100,
             hauteurBoite, largeurTitre);
    placerChamps(TxtCond_Fumees, form::champsChaudiere, largeurBoite, hauteurBoite, largeurTitre);
    uniteVolume_ = legende(16);
}

void PageCondFumees::placerConduit() {
    titreDeBloc(this, nomLegende(10), QStringLiteral("Conduit de fumées"), colonne(0), 4860, 9000);
    placerChamps(TxtCond_Fumees, form::champsConduit, largeurBoite, hauteurBoite, largeurTitre);
    auto* aide = bouton(
        this, QStringLiteral("CmdCond_Fumees(1)"), colonne(0) + largeurBoite + 420, hautConduit,
        375, hauteurBoite, [this] { CmdCond_Fumees_Click(1); }, QStringLiteral("?"));
    aide->setToolTip(QStringLiteral("Calculer la longueur totale, dévoiement compris"));
    ui::nommer(aide, QStringLiteral("Ouvrir le calcul du dévoiement"), aide->toolTip());
    encadrer(CmbCond_Fumees->liste(2),
             {50, -1, "Nature du conduit de fumées", "", colonne(4), hautConduit, 3}, 2280,
             hauteurBoite, largeurTitre);
}

void PageCondFumees::placerResultats() {
    filet(this, QStringLiteral("Line6"), xTraitResultats, hautTitre,
          hautConduit + hauteurBoite - hautTitre, true);
    const struct {
        int resultat;
        formulaires::Encadre e;
    } resultats[] = {
        {0, {44, 45, "Section minimale", "cm²", xResultats, hautRaccordement}},
        {1, {46, 47, "Coté minimal si le conduit est carré", "cm", xResultats, hautChaudiere, 2}},
        {2,
         {48, 49, "Diamètre minimal  si le conduit est rond", "cm", xResultats, hautChaudiere2, 2}},
    };
    creerResultats(this, QStringLiteral("LblResult_Cond_Fumees"), LblResult_Cond_Fumees);
    for (const auto& r : resultats)
        encadrer(LblResult_Cond_Fumees[static_cast<std::size_t>(r.resultat)], r.e, largeurBoite,
                 hauteurBoite, 2400);
    ui::nommer(bouton(this, QStringLiteral("CmdCond_Fumees(0)"), xResultats - 120 - largeurBouton,
                      hautChaudiere, largeurBouton, hauteurBoite,
                      [this] { CmdCond_Fumees_Click(0); }),
               QStringLiteral("Calculer la section du conduit"),
               QStringLiteral("Plus petite section dont le tirage couvre les pertes de charge et "
                              "les dépressions nécessaires"));
    illustrer(QStringLiteral("Image1"), QStringLiteral(":/images/conduit_fumees.svg"), xResultats,
              5040, QStringLiteral("Schéma d'un conduit de fumées dévoyé"),
              QStringLiteral("Un conduit coiffé d'un chapeau, dont une partie inclinée décale le "
                             "parcours, avec le décalage, l'angle, la hauteur couverte et la "
                             "longueur de la partie inclinée."));
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

    auto* cadreDevoiement = new CadreDevoiement(
        QStringLiteral("Calcul de la longueur supplémentaire due au dévoiement"), this);
    CdrDevoiement = cadreDevoiement;
    CdrDevoiement->setObjectName(QStringLiteral("CdrDevoiement"));
    CdrDevoiement->setAutoFillBackground(true);
    placer(CdrDevoiement, gaucheCadre, hautCadre, largeurCadre, hauteurCadre);

    // Inside the frame, twips from its own corner; Enter runs nothing.
    QWidget* cadre = CdrDevoiement;
    TxtDevoiement = champs(QStringLiteral("TxtDevoiement"), form::champsDevoiement,
                           {nullptr, nullptr}, largeurBoite, hauteurBoite, 2000, cadre);
    const struct {
        formulaires::Encadre e;
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
        encadrer(LblDevoiement[i], resultats[i].e, largeurBoite, hauteurBoite,
                 resultats[i].largeurTitre);

    auto* calculer = bouton(cadre, QStringLiteral("CmdDevoiement"), 5520, dansCadre(1080),
                            largeurBouton, hauteurBoite, [this] { CmdDevoiement_Click(); });
    auto* annuler = bouton(
        cadre, QStringLiteral("CmdReport(1)"), 6480, dansCadre(2160), largeurBouton, hauteurBoite,
        [this] { CmdReport_Click(1); }, QStringLiteral("x"));
    annuler->setToolTip(QStringLiteral("Annuler"));
    ui::nommer(annuler, QStringLiteral("Annuler"),
               QStringLiteral("Ferme le calcul sans changer la longueur du conduit"));
    auto* reporter = bouton(
        cadre, QStringLiteral("CmdReport(0)"), 7080, dansCadre(2160), 615, hauteurBoite,
        [this] { CmdReport_Click(0); }, QStringLiteral("-->"));
    reporter->setToolTip(QStringLiteral("Reporter la longueur du conduit et fermer"));
    ui::nommer(reporter, QStringLiteral("Reporter la longueur et fermer"),
               QStringLiteral("Écrit la longueur totale dans la longueur du conduit de fumées"));
    ui::nommer(calculer, QStringLiteral("Calculer la longueur du dévoiement"),
               QStringLiteral("Longueur de la partie inclinée et longueur totale du conduit"));
    cadreDevoiement->ordre = {TxtDevoiement->champ(0), TxtDevoiement->champ(1), calculer, reporter,
                              annuler};
    ordreTabulation(cadreDevoiement->ordre);

    OmbreCadre->hide();
    CdrDevoiement->hide();
}

void PageCondFumees::demarrer() {
    CmbCond_Fumees->choisir(0, QStringLiteral("Fuel domestique"));
    CmbCond_Fumees->choisir(1, QStringLiteral("Acier inox"));
    CmbCond_Fumees->choisir(2, QStringLiteral("Boisseaux béton"));
    TxtCond_Fumees->ecrire(13, entry::texteDouble(0.9));
}

// Whichever list is picked, the volume's unit follows the fuel.
void PageCondFumees::CmbCond_Fumees_Click(int) {
    const auto combustible =
        static_cast<calc::Combustible>(CmbCond_Fumees->liste(0)->currentIndex());
    ecrireUnite(uniteVolume_, QStringView(calc::combustion::uniteVolume(combustible)).toString());
}

void PageCondFumees::CmdCond_Fumees_Click(int index) {
    if (index == 0)
        dimensionner();
    else if (index == 1)
        ouvrirDevoiement();
}

void PageCondFumees::dimensionner() {
    // A lone "-" in any field: nothing happens.
    const auto saisie = lire<fumees::Saisie>(form::sources, form::listes);
    if (!saisie)
        return;
    fumees::Intermediaires notes;
    const auto calcul = fumees::calculer(*saisie, &notes);
    const auto noter = [&](const QString& raison) {
        note_->enregistrer(lus(form::sources, form::listes),
                           valeursIntermediaires(form::intermediaires, notes), raison);
    };
    if (const auto* r = std::get_if<fumees::Resultat>(&calcul)) {
        noter(notes.echec ? echecDuCalcul() : QString());
        LblResult_Cond_Fumees[0]->setText(entry::texteDouble(r->section));
        LblResult_Cond_Fumees[1]->setText(entry::texteDouble(r->cote));
        LblResult_Cond_Fumees[2]->setText(entry::texteDouble(r->diametre));
        return;
    }
    const auto refus = std::get<fumees::Refus>(calcul);
    noter(refus == fumees::Refus::HauteurSuperieureLongueur
              ? QStringLiteral("hauteur du conduit de fumées supérieure à sa longueur")
          : refus == fumees::Refus::HorsPlage
              ? QStringLiteral("une donnée dépasse la plage des nombres en simple précision")
              : QStringLiteral("dépression disponible trop faible"));
    switch (refus) {
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
    TxtDevoiement->champ(0)->setFocus(Qt::OtherFocusReason);
}

void PageCondFumees::CmdDevoiement_Click() {
    const auto entree = lire<calc::devoiement::Entree>(form::sourcesDevoiement);
    if (!entree)
        return;
    // A vertical inclined part leaves the results as they were.
    const auto r = calc::devoiement::calculer(*entree);
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
        findChild<QWidget*>(QStringLiteral("CmdCond_Fumees(1)"))->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace tabs
