#include "tabs/page_gicleur.h"

#include "formulaires/gicleur.h"
#include "tabs/disposition.h"
#include "ui/accessibilite.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tabs {

namespace {
constexpr int largeurBoite = 1095;
namespace form = formulaires::gicleur;
} // namespace

PageGicleur::PageGicleur() : Page(QStringLiteral("LblGic"), {calc::gicleur::formules}) {
    note_ = &description().annoter();
    TxtGicleur =
        champs(QStringLiteral("TxtGicleur"), form::champs,
               {nullptr, [this](int) { CmdGicleur_Click(); }}, largeurBoite, hauteurBoite, 2160);
    auto* calculer = bouton(this, QStringLiteral("CmdGicleur"), 5400, 3600, largeurBouton,
                            hauteurBoite, [this] { CmdGicleur_Click(); });
    ui::nommer(calculer, QStringLiteral("Calculer le gicleur"),
               QStringLiteral("Cherche le premier gicleur de la gamme qui convient à la chaudière, "
                              "la pression de la pompe et le débit de fioul"));

    const formulaires::Encadre sorties[] = {
        {11, 0, "Gicleur", "Us gal/h", 6000, 3600},
        {7, 8, "Pression de la pompe redéfinie pour correspondre au gicleur choisi dans la gamme",
         "bars", 6000, 4800, 3},
        {9, 10, "Débit", "l/h", 6000, 5640},
    };
    creerResultats(this, QStringLiteral("LblGicleur"), LblGicleur);
    for (std::size_t i = 0; i < LblGicleur.size(); ++i)
        encadrer(LblGicleur[i], sorties[i], largeurBoite, hauteurBoite, 3000);

    QLabel* titreGamme =
        legendeAuDessus(this, nomLegende(13),
                        QStringLiteral("Gamme de gicleurs de 0,35 à 5,5 Us gal/h (liste non "
                                       "exhaustive)"),
                        9240, 3600, 3600, 2);
    LstGicleur = new QListWidget(this);
    LstGicleur->setObjectName(QStringLiteral("LstGicleur"));
    LstGicleur->setSelectionMode(QAbstractItemView::SingleSelection);
    placer(LstGicleur, 9240, 3600, 2055, 2400);
    titreGamme->setBuddy(LstGicleur);
    // A list view tells a screen reader no caption relation: it is named.
    ui::nommer(LstGicleur, titreGamme->text(),
               QStringLiteral("Le gicleur calculé y est sélectionné"));

    std::vector<QWidget*> tabulation;
    for (const formulaires::Champ& c : form::champs)
        tabulation.push_back(TxtGicleur->champ(c.index));
    tabulation.insert(tabulation.end(), {calculer, LstGicleur});
    ordreTabulation(tabulation);

    avertissement_ = tabs::legende(this, nomLegende(12),
                                   QStringLiteral("Plage d'utilisation dépassée ! (gicleur de "
                                                  "0,35 à 5,5 Us gal/h) "),
                                   2880, 6480, 7335, 255);
    signaler(avertissement_, true);
    ui::marquerAlerte(avertissement_);
    avertissement_->hide();
    description().noter(avertissement_);
}

void PageGicleur::demarrer() {
    TxtGicleur->ecrire(1, entry::texteDouble(0.9));
    TxtGicleur->ecrire(3, entry::texteDouble(10.25));
    for (const float taille : calc::gicleur::Gamme_Gicleurs())
        LstGicleur->addItem(entry::texteSimple(taille) + QStringLiteral(" Us gal/h"));
}

void PageGicleur::CmdGicleur_Click() {
    const auto entree = lire<form::Entree>(form::sources);
    if (!entree)
        return;
    calc::gicleur::Intermediaires notes;
    const auto resultat = calc::gicleur::calculer(*entree, &notes);
    note_->enregistrer(lus(form::sources), valeursIntermediaires(form::intermediaires, notes),
                       resultat ? QString() : QStringLiteral("plage d'utilisation dépassée"));
    if (!resultat) {
        for (QLabel* label : LblGicleur)
            label->setText(texteEchec);
        avertissement_->show();
        return;
    }
    LblGicleur[0]->setText(entry::texteDouble(resultat->gicleur));
    LblGicleur[1]->setText(entry::texteSimple(resultat->pression));
    LblGicleur[2]->setText(entry::texteDouble(resultat->debit));
    avertissement_->hide();
    if (resultat->rangee >= 0)
        LstGicleur->setCurrentRow(resultat->rangee);
}

} // namespace tabs
