#include "tabs/page.h"

#include "entry/separateur.h"
#include "tabs/disposition.h"
#include "tabs/menus_feuille.h"
#include "ui/accessibilite.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

#include <algorithm>

namespace tabs {

namespace {
QWidget* controleDe(const QWidget* page, std::string_view famille, int index) {
    return page->findChild<QWidget*>(entry::nomIndexe(
        QString::fromUtf8(famille.data(), static_cast<qsizetype>(famille.size())), index));
}
} // namespace

QWidget* LecteurPage::controle(std::string_view famille, int index) const {
    return controleDe(page_, famille, index);
}

std::u16string LecteurPage::texte(std::string_view famille, int index) const {
    const QWidget* w = controle(famille, index);
    if (const auto* champ = qobject_cast<const QLineEdit*>(w))
        return champ->text().toStdU16String();
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text().toStdU16String();
    return {};
}

int LecteurPage::item(std::string_view famille, int index) const {
    const auto* liste = qobject_cast<const QComboBox*>(controle(famille, index));
    return liste != nullptr ? liste->currentIndex() : -1;
}

char16_t LecteurPage::separateur() const {
    return ModGeneral::Separateur_Decimal();
}

namespace {
QString lignes(std::initializer_list<std::string_view> textes) {
    QStringList l;
    for (const std::string_view t : textes)
        l << QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
    return l.join(u'\n');
}
} // namespace

Page::Page(const QString& legendes, std::initializer_list<std::string_view> formules)
    : legendes_(legendes), description_(this, lignes(formules)) {
    menuDePage(this, [this] { return description_.feuille(); });
}

const QWidget* Page::controleNomme(std::string_view famille, int index) const {
    return controleDe(this, famille, index);
}

QString Page::nomLegende(int index) const {
    return entry::nomIndexe(legendes_, index);
}

QLabel* Page::legende(int index) const {
    return findChild<QLabel*>(nomLegende(index));
}

void Page::encadrer(QWidget* boite, const formulaires::Encadre& e, int largeur, int hauteur,
                    int largeurTitre, const QString& legendes) {
    const QString famille = legendes.isEmpty() ? legendes_ : legendes;
    QWidget* parent = boite->parentWidget();
    placer(boite, e.gauche, e.haut, largeur, hauteur);
    QLabel* titre = nullptr;
    QLabel* unite = nullptr;
    if (e.titre >= 0) {
        const QString nom = entry::nomIndexe(famille, e.titre);
        titre = parent->findChild<QLabel*>(nom, Qt::FindDirectChildrenOnly);
        if (titre == nullptr)
            titre = legendeAuDessus(parent, nom, QString::fromUtf8(e.texteTitre), e.gauche, e.haut,
                                    e.largeurTitre > 0 ? e.largeurTitre : largeurTitre, e.lignes);
    }
    if (e.unite >= 0)
        unite = uniteADroite(parent, entry::nomIndexe(famille, e.unite),
                             QString::fromUtf8(e.texteUnite), e.gauche, largeur, e.haut);
    description_.ajouter(boite, {titre}, unite, e.plage);
}

entry::FamilleChamps* Page::creerChamps(const QString& nom, Tables tables,
                                        entry::FamilleChamps::Comportement comportement,
                                        QWidget* parent) {
    std::vector<int> indices;
    for (const auto& table : tables)
        for (const formulaires::Champ& c : table) {
            indices.push_back(c.index);
            if (c.refus.refuse != nullptr)
                comportement.refus[c.index] = c.refus;
        }
    std::sort(indices.begin(), indices.end());
    return new entry::FamilleChamps(parent != nullptr ? parent : this, nom, indices,
                                    std::move(comportement));
}

void Page::placerChamps(entry::FamilleChamps* famille, std::span<const formulaires::Champ> table,
                        int largeur, int hauteur, int largeurTitre) {
    for (const formulaires::Champ& c : table) {
        famille->ecrire(c.index, QString::fromUtf8(c.defaut));
        encadrer(famille->champ(c.index), c.e, largeur, hauteur, largeurTitre);
    }
}

entry::FamilleChamps* Page::champs(const QString& nom, std::span<const formulaires::Champ> table,
                                   entry::FamilleChamps::Comportement comportement, int largeur,
                                   int hauteur, int largeurTitre, QWidget* parent) {
    entry::FamilleChamps* famille = creerChamps(nom, {table}, std::move(comportement), parent);
    placerChamps(famille, table, largeur, hauteur, largeurTitre);
    return famille;
}

void Page::resizeEvent(QResizeEvent* evenement) {
    QWidget::resizeEvent(evenement);
    if (qobject_cast<QStackedWidget*>(parentWidget()) == nullptr)
        return;
    QRect controles;
    const QList<QWidget*> enfants = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* w : enfants)
        if (!w->isWindow() && !estLegendeCachee(w))
            controles |= w->geometry();
    controles.translate(-decalage_);
    // px: narrower bands are left as the twips place them.
    constexpr int bandeLarge = 120;
    const QRect page = rect();
    const int gauche = controles.left(), droite = page.width() - controles.right() - 1,
              haut = controles.top(), bas = page.height() - controles.bottom() - 1;
    QPoint voulu;
    if (std::max({gauche, droite, haut, bas}) > bandeLarge)
        voulu = QPoint((droite - gauche) / 2, (bas - haut) / 2);
    if (voulu == decalage_)
        return;
    for (QWidget* w : enfants)
        if (!w->isWindow())
            w->move(w->pos() + voulu - decalage_);
    decalage_ = voulu;
}

QWidget* Page::illustrer(const QString& nom, const QString& image, int gauche, int haut,
                         const QString& titre, const QString& description) {
    QWidget* dessin = illustration(this, nom, image, gauche, haut);
    ui::nommer(dessin, titre, description);
    description_.illustrer(dessin, image);
    return dessin;
}

void Page::reecrireLegende(QLabel* legende, const QString& texte) {
    legende->setText(texte);
    description_.actualiser();
}

void Page::ecrireUnite(QLabel* unite, const QString& texte) {
    unite->setText(texte);
    unite->resize(unite->sizeHint().width(), unite->height());
    description_.actualiser();
}

} // namespace tabs
