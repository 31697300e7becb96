#include "tabs/disposition.h"

#include "entry/champs_qt.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QSvgRenderer>
#include <QSvgWidget>

#include <algorithm>

namespace tabs {

namespace {

QRect enPixels(int gauche, int haut, int largeur, int hauteur) {
    return {pixels(gauche - gauchePage), pixels(haut - hautPage), pixels(largeur), pixels(hauteur)};
}

// A line from one corner of the widget to the opposite one.
class Trait : public QWidget {
public:
    Trait(QWidget* parent, bool montant) : QWidget(parent), montant_(montant) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter peintre(this);
        peintre.setPen(QPen(palette().color(QPalette::WindowText), 1));
        const int d = width() - 1, b = height() - 1;
        if (montant_)
            peintre.drawLine(0, b, d, 0);
        else
            peintre.drawLine(0, 0, d, b);
    }

private:
    bool montant_; // from the bottom left corner to the top right one
};

class Point : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter peintre(this);
        peintre.setRenderHint(QPainter::Antialiasing);
        peintre.setPen(Qt::NoPen);
        peintre.setBrush(palette().color(QPalette::WindowText));
        const qreal diametre = std::min(width(), height());
        peintre.drawEllipse(QRectF(0, 0, diametre, diametre)
                                .translated((width() - diametre) / 2, (height() - diametre) / 2));
    }
};

// `texte` broken between words so that no line is wider than `largeur` pixels.
QString enLignes(const QString& texte, const QFontMetrics& mesure, int largeur) {
    QString resultat, ligne;
    for (const QString& mot : texte.split(u' ')) {
        const QString essai = ligne.isEmpty() ? mot : ligne + u' ' + mot;
        if (!ligne.isEmpty() && mesure.horizontalAdvance(essai) > largeur) {
            resultat += ligne + u'\n';
            ligne = mot;
        } else {
            ligne = essai;
        }
    }
    return resultat + ligne;
}

} // namespace

void placer(QWidget* controle, int gauche, int haut, int largeur, int hauteur) {
    controle->setGeometry(enPixels(gauche, haut, largeur, hauteur));
}

QLabel* legende(QWidget* page, const QString& nom, const QString& texte, int gauche, int haut,
                int largeur, int hauteur) {
    auto* label = new QLabel(texte, page);
    label->setObjectName(nom);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placer(label, gauche, haut, largeur, hauteur);
    return label;
}

QLabel* legendeAuDessus(QWidget* page, const QString& nom, const QString& texte, int gauche,
                        int hautBoite, int largeur, int lignes) {
    constexpr int hauteurLigne = 210;
    auto* label = legende(page, nom, texte, gauche, hautBoite - 60 - lignes * hauteurLigne, largeur,
                          lignes * hauteurLigne);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    return label;
}

QLabel* uniteADroite(QWidget* page, const QString& nom, const QString& texte, int gaucheBoite,
                     int largeurBoite, int hautBoite) {
    auto* label =
        legende(page, nom, texte, gaucheBoite + largeurBoite + 60, hautBoite + 45, 0, 255);
    // As wide as its text, so that it never lies over a button beside it.
    label->resize(label->sizeHint().width(), label->height());
    return label;
}

void creerResultats(QWidget* page, const QString& nom, std::span<QLabel*> labels) {
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i] = resultat(page, entry::nomIndexe(nom, static_cast<int>(i)), 0, 0, 0, 0);
}

QLabel* titreDeBloc(QWidget* page, const QString& nom, const QString& texte, int gauche, int haut,
                    int largeur) {
    auto* titre = legende(page, nom, texte, gauche, haut, largeur, 255);
    mettreEnGras(titre);
    return titre;
}

void mettreEnGras(QLabel* label) {
    QFont gras = label->font();
    gras.setBold(true);
    label->setFont(gras);
}

void signaler(QLabel* label, bool probleme) {
    QFont police = label->font();
    police.setBold(probleme);
    label->setFont(police);
    // A result box draws its text in the Text role, a caption in WindowText.
    QPalette palette = label->palette();
    palette.setColor(label->foregroundRole(), probleme ? QColor(255, 0, 0) : QColor(0, 0, 0));
    label->setPalette(palette);
}

QLabel* ligneDeTexte(QWidget* page, const QString& nom, int gauche, int haut, int largeur,
                     int hauteur) {
    return legende(page, nom, QString(), gauche, haut, largeur, hauteur);
}

QWidget* illustration(QWidget* page, const QString& nom, const QString& image, int gauche,
                      int haut) {
    auto* dessin = new QSvgWidget(image, page);
    dessin->setObjectName(nom);
    dessin->setGeometry(pixels(gauche - gauchePage), pixels(haut - hautPage),
                        dessin->renderer()->defaultSize().width(),
                        dessin->renderer()->defaultSize().height());
    return dessin;
}

QWidget* filet(QWidget* page, const QString& nom, int gauche, int haut, int longueur,
               bool vertical) {
    auto* ligne = new QFrame(page);
    ligne->setObjectName(nom);
    ligne->setFrameStyle((vertical ? QFrame::VLine : QFrame::HLine) | QFrame::Sunken);
    constexpr int epaisseur = 2 * ui::twipsParPixel;
    if (vertical)
        placer(ligne, gauche, haut, epaisseur, longueur);
    else
        placer(ligne, gauche, haut, longueur, epaisseur);
    return ligne;
}

QWidget* trait(QWidget* page, const QString& nom, int x1, int y1, int x2, int y2) {
    auto* ligne = new Trait(page, (x2 > x1) != (y2 > y1));
    ligne->setObjectName(nom);
    const QPoint a(pixels(x1 - gauchePage), pixels(y1 - hautPage)),
        b(pixels(x2 - gauchePage), pixels(y2 - hautPage));
    ligne->setGeometry(QRect(a, b).normalized());
    return ligne;
}

QWidget* point(QWidget* page, const QString& nom, int gauche, int haut, int largeur, int hauteur) {
    auto* rond = new Point(page);
    rond->setObjectName(nom);
    placer(rond, gauche, haut, largeur, hauteur);
    return rond;
}

QFrame* cadre(QWidget* page, const QString& nom, int gauche, int haut, int largeur, int hauteur) {
    auto* rectangle = new QFrame(page);
    rectangle->setObjectName(nom);
    rectangle->setFrameStyle(QFrame::Box | QFrame::Plain);
    placer(rectangle, gauche, haut, largeur, hauteur);
    return rectangle;
}

QRadioButton* option(QFrame* cadre, const QString& nom, const QString& texte, int gauche, int haut,
                     int largeur, int hauteur) {
    auto* bouton = new QRadioButton(cadre);
    bouton->setObjectName(nom);
    bouton->setGeometry(enPixels(gauche, haut, largeur, hauteur).translated(-cadre->pos()));
    // The room the style leaves for the caption right of the round indicator,
    // less the margin of the focus frame drawn around it.
    const QStyle* style = bouton->style();
    const int place = bouton->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
                      style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) - 4;
    bouton->setText(enLignes(texte, bouton->fontMetrics(), place));
    bouton->resize(bouton->width(), std::max(bouton->height(), bouton->sizeHint().height()));
    return bouton;
}

QCheckBox* caseACocher(QWidget* page, const QString& nom, const QString& texte, int gauche,
                       int haut, int largeur, int hauteur) {
    auto* coche = new QCheckBox(texte, page);
    coche->setObjectName(nom);
    placer(coche, gauche, haut, largeur, hauteur);
    return coche;
}

QLabel* resultat(QWidget* page, const QString& nom, int gauche, int haut, int largeur,
                 int hauteur) {
    auto* label = new QLabel(QStringLiteral("0"), page);
    label->setObjectName(nom);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Base);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setIndent(3);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    placer(label, gauche, haut, largeur, hauteur);
    return label;
}

QPushButton* bouton(QWidget* page, const QString& nom, int gauche, int haut, int largeur,
                    int hauteur, std::function<void()> calcul, const QString& texte) {
    auto* cmd = new QPushButton(texte, page);
    cmd->setObjectName(nom);
    cmd->setAutoDefault(false);
    QObject::connect(cmd, &QPushButton::clicked, page,
                     [calcul = std::move(calcul)] { entry::lancerCalcul(calcul); });
    placer(cmd, gauche, haut, largeur, hauteur);
    return cmd;
}

std::array<QPushButton*, 2> fleches(QWidget* page, const QString& nom, int index, int gauche,
                                    int haut, const std::function<void(int index)>& convertir) {
    std::array<QPushButton*, 2> boutons{};
    for (const int i : {0, 1})
        boutons[static_cast<std::size_t>(i)] = bouton(
            page, entry::nomIndexe(nom, index + i), gauche + 720 * i, haut, largeurBouton,
            hauteurBoite, [convertir, i, index] { convertir(index + i); },
            i == 0 ? QStringLiteral(">") : QStringLiteral("<"));
    return boutons;
}

QLabel* legendeCachee(QWidget* boite, const QString& texte) {
    auto* label = new QLabel(texte, boite->parentWidget());
    label->setObjectName(QStringLiteral("legende_") + boite->objectName());
    label->setBuddy(boite);
    label->setProperty("legendeCachee", true);
    label->hide();
    return label;
}

bool estLegendeCachee(const QWidget* controle) {
    return controle->property("legendeCachee").toBool();
}

void ordreTabulation(const std::vector<QWidget*>& controles) {
    QWidget* precedent = nullptr;
    for (QWidget* controle : controles) {
        if (precedent != nullptr)
            QWidget::setTabOrder(precedent, controle);
        precedent = controle;
    }
}

} // namespace tabs
