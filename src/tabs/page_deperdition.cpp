#include "tabs/page_deperdition.h"

#include "formulaires/deperdition.h"
#include "tabs/disposition.h"
#include "ui/accessibilite.h"
#include "ui/curseur_occupe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <string>

namespace tabs {

namespace {

namespace dep = calc::deperdition;
namespace form = formulaires::deperdition;
using form::sousLegende;
using form::xEntrees;

// Boxes, twips.
constexpr int largeurBoite = 1095;

// Columns: the picture, the button, two result columns.
constexpr int xImage = 4965, hautImage = 1780;
constexpr int xBouton = 8160, xResultats = 8760, xResultats2 = 10920;
constexpr int largeurListe = 2535;
constexpr int largeurLegende = 2880; // either caption of the surroundings on one line

// The options' frame reaches to the picture, so that each caption holds on
// two lines between its button and the next.
constexpr int xCadre = 360, hautCadre = 3000, largeurCadre = 4440, hauteurCadre = 1575;

const QString temperatureAir = QStringLiteral("Température de l'air du local");
const QString temperatureEau = QStringLiteral("Température de l'eau du ballon");

QString chaine(std::u16string_view texte) {
    return QString::fromUtf16(texte.data(), static_cast<qsizetype>(texte.size()));
}

// Why the march stopped, told after the failure it shows as; in the order
// of the causes.
QString raison(dep::Cause cause) {
    static const char* const pourquoi[] = {
        " (ambiance plus chaude que le fluide)",
        " (fluide au-dessus de 150 °C)",
        " (température superficielle sous celle de l'ambiance)",
        " (température superficielle au-dessus de celle du fluide)",
        " (les températures superficielles supposée et calculée ne se rejoignent pas)",
        "",
    };
    return echecDuCalcul() + QString::fromUtf8(pourquoi[static_cast<std::size_t>(cause)]);
}

} // namespace

PageDeperdition::PageDeperdition()
    : Page(QStringLiteral("LblDeperdition"), {calc::deperdition::formules}) {
    const auto calculer = [this](int) { CmdDeperdition_Click(); };
    TxtDeperdition = creerChamps(QStringLiteral("TxtDeperdition"),
                                 {form::champsFluide, form::champsIsolation}, {nullptr, calculer});
    CmbDeperdition =
        new entry::FamilleListes(this, QStringLiteral("CmbDeperdition"), {0, 1}, calculer);
    placerEntrees();
    placerIsolation();
    placerResultats();
    note_ = &description().annoter();
}

void PageDeperdition::placerEntrees() {
    // The fluid list above the pipe list; the pipe list is filled at start-up.
    QComboBox* fluide = CmbDeperdition->liste(1);
    for (const auto texte : dep::nomsFluides)
        fluide->addItem(chaine(texte));
    fluide->setCurrentIndex(-1);
    encadrer(fluide, {3, -1, "Fluide", "", xEntrees, 1200 + sousLegende}, largeurListe,
             hauteurBoite, largeurListe);
    encadrer(CmbDeperdition->liste(0),
             {2, -1, "Type de conduite", "", xEntrees, 2040 + sousLegende}, largeurListe,
             hauteurBoite, largeurListe);
    for (const int i : {0, 1})
        connect(CmbDeperdition->liste(i), &QComboBox::currentIndexChanged, this,
                [this, i] { CmbDeperdition_Click(i); });

    ChkDeperdition =
        caseACocher(this, QStringLiteral("ChkDeperdition"),
                    QStringLiteral("La conduite est isolée"), xEntrees, 2640, largeurListe, 255);
    ChkDeperdition->setChecked(true);
    connect(ChkDeperdition, &QCheckBox::toggled, this, [this] { ChkDeperdition_Click(); });
    description().ajouter(ChkDeperdition, {ChkDeperdition});

    QFrame* Shape1 =
        cadre(this, QStringLiteral("Shape1"), xCadre, hautCadre, largeurCadre, hauteurCadre);
    const char* options[] = {
        "La conduite est dans l'air, où l'air est en convection libre (ex : conduite dans un "
        "local)",
        "La conduite est dans l'eau où l'eau est en convection libre (ex : serpentin d'un ballon "
        "sanitaire)"};
    for (int i = 0; i < 2; ++i) {
        auto* bouton = option(Shape1, entry::nomIndexe(QStringLiteral("OptDeperdition"), i),
                              QString::fromUtf8(options[i]), xCadre + 120,
                              hautCadre + 120 + 600 * i, largeurCadre - 240, 555);
        OptDeperdition[static_cast<std::size_t>(i)] = bouton;
        bouton->setChecked(i == 0);
        description().ajouter(bouton, {bouton});
        connect(bouton, &QRadioButton::toggled, this, [this, i](bool choisie) {
            if (choisie)
                OptDeperdition_Click(i);
        });
    }

    placerChamps(TxtDeperdition, form::champsFluide, largeurBoite, hauteurBoite, largeurLegende);
    // Level with the first row of results' boxes.
    ui::nommer(tabs::bouton(this, QStringLiteral("CmdDeperdition"), xBouton, 1200 + sousLegende,
                            largeurBouton, hauteurBoite, [this] { CmdDeperdition_Click(); }),
               QStringLiteral("Calculer les déperditions"),
               QStringLiteral("Température superficielle, température de sortie et déperditions "
                              "de la conduite"));
}

void PageDeperdition::placerIsolation() {
    ImgDeperdition[0] = illustrer(
        QStringLiteral("ImgDeperdition(0)"), QStringLiteral(":/images/conduite_isolee.svg"), xImage,
        hautImage, QStringLiteral("Coupe de la conduite isolée"),
        QStringLiteral("La conduite et son isolant en coupe, avec le diamètre extérieur de "
                       "l'isolation, celui de la conduite et son diamètre intérieur."));
    ImgDeperdition[1] = illustrer(
        QStringLiteral("ImgDeperdition(1)"), QStringLiteral(":/images/conduite_nue.svg"), xImage,
        hautImage, QStringLiteral("Coupe de la conduite nue"),
        QStringLiteral("La paroi de la conduite en coupe, avec ses diamètres extérieur et "
                       "intérieur."));
    ImgDeperdition[1]->hide();
    // Under the fields that stand on them.
    for (QWidget* image : ImgDeperdition)
        image->lower();

    placerChamps(TxtDeperdition, form::champsIsolation, largeurBoite, hauteurBoite, 0);
    // The insulation's diameter and conductivity, with a leader from the
    // conductivity to the insulation.
    isolation_ = {legende(4),
                  legende(7),
                  TxtDeperdition->champ(0),
                  legende(20),
                  legende(21),
                  TxtDeperdition->champ(6),
                  trait(this, QStringLiteral("Line8"), 4560, 5640, 5280, 4920),
                  point(this, QStringLiteral("PointDeperdition"), 5250, 4800, 90, 255)};

    std::vector<QWidget*> tabulation = {CmbDeperdition->liste(1), CmbDeperdition->liste(0),
                                        ChkDeperdition, OptDeperdition[0], OptDeperdition[1]};
    for (const auto& table : {std::span(form::champsFluide), std::span(form::champsIsolation)})
        for (const formulaires::Champ& c : table)
            tabulation.push_back(TxtDeperdition->champ(c.index));
    tabulation.push_back(findChild<QWidget*>(QStringLiteral("CmdDeperdition")));
    ordreTabulation(tabulation);
}

void PageDeperdition::placerResultats() {
    const struct {
        int resultat;
        formulaires::Encadre e;
        int largeurTitre;
    } sorties[] = {
        {0, {15, 10, "Coefficient Y", "W/(m.K)", xResultats, 1200 + sousLegende}, 2100},
        {8, {34, 35, "Régime du fluide", "_", xResultats2, 1200 + sousLegende}, 2100},
        {1, {17, 18, "Coefficient Ui", "W/(m².K)", xResultats, 1920 + sousLegende}, 2100},
        {2, {16, 19, "Coefficient Ue", "W/(m².K)", xResultats2, 1920 + sousLegende}, 2100},
        {3,
         {25, 24, "Température superficielle extérieure", "°C", xResultats, 3000 + sousLegende},
         4200},
        {4,
         {27, 26, "Température du fluide en sortie", "°C", xResultats, 3960 + sousLegende, 2},
         2100},
        {9,
         {36, 37, "Chute de température (DeltaT)", "°C", xResultats2, 3960 + sousLegende, 2},
         4200},
        {5,
         {29, 28, "Déperditions thermiques linéiques", "W/m", xResultats, 5040 + sousLegende, 2},
         2100},
        {10,
         {31, 30, "Déperditions thermiques surfaciques internes", "W/m²", xResultats2,
          5040 + sousLegende, 2},
         4200},
        {6,
         {38, 39, "Déperditions thermiques surfaciques externes", "W/m²", xResultats,
          6000 + sousLegende, 2},
         4200},
        {7,
         {33, 32, "Déperditions thermiques totales", "W (0 kW)", 9720, 7080 + sousLegende, 2},
         4200},
    };
    creerResultats(this, QStringLiteral("LblResltat_Deperdition"), LblResltat_Deperdition);
    for (const auto& s : sorties)
        encadrer(LblResltat_Deperdition[static_cast<std::size_t>(s.resultat)], s.e,
                 s.resultat == 7 ? 1335 : largeurBoite, hauteurBoite, s.largeurTitre);
    LblResltat_Deperdition[8]->setText(QStringLiteral("-----"));
}

void PageDeperdition::demarrer() {
    QComboBox* conduite = CmbDeperdition->liste(0);
    {
        // Appending raises nothing, and leaves nothing shown yet.
        const QSignalBlocker silence(conduite);
        for (const auto texte : dep::nomsConduites)
            conduite->addItem(chaine(texte));
        conduite->setCurrentIndex(-1);
    }
    conduite->setCurrentText(QStringLiteral("Cuivre"));
    CmbDeperdition->liste(1)->setCurrentText(QStringLiteral("Eau"));
}

void PageDeperdition::CmbDeperdition_Click(int) {
    const bool eau = CmbDeperdition->liste(1)->currentIndex() == static_cast<int>(dep::Fluide::Eau);
    ecrireUnite(legende(1), eau ? QStringLiteral("l/h") : QStringLiteral("m3/h"));
}

void PageDeperdition::OptDeperdition_Click(int) {
    reecrireLegende(legende(22), OptDeperdition[0]->isChecked() ? temperatureAir : temperatureEau);
}

void PageDeperdition::ChkDeperdition_Click() {
    const bool isolee = ChkDeperdition->isChecked();
    ImgDeperdition[0]->setVisible(isolee);
    ImgDeperdition[1]->setVisible(!isolee);
    for (QWidget* controle : isolation_)
        controle->setVisible(isolee);
}

void PageDeperdition::echec() {
    for (QLabel* label : LblResltat_Deperdition)
        label->setText(texteEchec);
    ecrireUnite(legende(32), QStringLiteral("W (0 kW)"));
}

// The surface-temperature march holds the window's thread: the busy pointer
// shows until it ends, whichever way it ends.
void PageDeperdition::CmdDeperdition_Click() {
    const ui::CurseurOccupe occupe;
    dep::Entree depart;
    depart.isolee = ChkDeperdition->isChecked();
    depart.milieu = OptDeperdition[0]->isChecked() ? dep::Milieu::Air : dep::Milieu::Eau;
    const auto entree = lire<dep::Entree>(form::sources, form::listes, depart);
    std::vector<const QWidget*> lu = lus(form::sources, form::listes);
    lu.insert(lu.end(), {ChkDeperdition, OptDeperdition[0], OptDeperdition[1]});
    if (!entree) {
        note_->enregistrer(lu, {}, echecDuCalcul());
        echec();
        return;
    }
    dep::Intermediaires notes;
    const auto calcul = dep::calculer(*entree, &notes);
    const auto* r = std::get_if<dep::Resultat>(&calcul);
    note_->enregistrer(lu, valeursIntermediaires(form::intermediaires, notes),
                       r != nullptr ? QString() : raison(std::get<dep::Cause>(calcul)));
    if (r == nullptr) {
        echec();
        return;
    }
    const auto ecrire = [this](int i, const QString& texte) {
        LblResltat_Deperdition[static_cast<std::size_t>(i)]->setText(texte);
    };
    ecrire(0, entry::texteSimple(r->y));
    ecrire(1, entry::texteSimple(r->ui));
    ecrire(2, entry::texteSimple(r->ue));
    ecrire(3, entry::texteSimple(r->temperatureSurface));
    ecrire(4, entry::texteSimple(r->temperatureSortie));
    ecrire(5, entry::texteSimple(r->perteLineique));
    ecrire(6, entry::texteSimple(r->perteSurfaciqueExterne));
    ecrire(7, entry::texteSimple(r->perteTotale));
    ecrireUnite(legende(32), QStringLiteral("W (") + entry::texteDouble(r->perteTotaleKw) +
                                 QStringLiteral(" kW)"));
    ecrire(8, chaine(r->regime));
    ecrire(9, entry::texteDouble(r->chute));
    ecrire(10, entry::texteDouble(r->perteSurfaciqueInterne));
}

} // namespace tabs
