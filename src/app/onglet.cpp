#include "app/onglet.h"

#include "ui/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>

namespace app {

EnTetesDeuxRangs::EnTetesDeuxRangs(QWidget* parent) : QTabBar(parent) {
    setExpanding(false);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setDrawBase(false);
}

int EnTetesDeuxRangs::hauteurRang() const {
    return ui::pixels(ui::hauteurRangOnglets);
}

int EnTetesDeuxRangs::rangs() const {
    return (count() + ongletsParRang - 1) / ongletsParRang;
}

QRect EnTetesDeuxRangs::rectEnTete(int index) const {
    if (index < 0 || index >= count())
        return {};
    const int rang = index / ongletsParRang;
    const int colonne = index % ongletsParRang;
    const int gauche = width() * colonne / ongletsParRang;
    const int droite = width() * (colonne + 1) / ongletsParRang;
    return {gauche, rang * hauteurRang(), droite - gauche, hauteurRang()};
}

int EnTetesDeuxRangs::enTeteSous(const QPoint& point) const {
    for (int i = 0; i < count(); ++i)
        if (rectEnTete(i).contains(point))
            return i;
    return -1;
}

QSize EnTetesDeuxRangs::sizeHint() const {
    const int largeur = parentWidget() ? parentWidget()->width() : 0;
    return {largeur, rangs() * hauteurRang()};
}

QSize EnTetesDeuxRangs::minimumSizeHint() const {
    return {0, rangs() * hauteurRang()};
}

void EnTetesDeuxRangs::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPalette& pal = palette();
    const int courant = currentIndex();
    for (int i = 0; i < count(); ++i) {
        const bool choisi = i == courant;
        const QRectF cadre = QRectF(rectEnTete(i)).adjusted(1.5, choisi ? 0.5 : 2.5, -1.5, 0);
        QPainterPath forme;
        constexpr double rayon = 4;
        forme.moveTo(cadre.bottomLeft());
        forme.lineTo(cadre.left(), cadre.top() + rayon);
        forme.quadTo(cadre.topLeft(), {cadre.left() + rayon, cadre.top()});
        forme.lineTo(cadre.right() - rayon, cadre.top());
        forme.quadTo(cadre.topRight(), {cadre.right(), cadre.top() + rayon});
        forme.lineTo(cadre.bottomRight());
        p.setPen(QPen(pal.color(QPalette::Dark), 1));
        p.setBrush(choisi ? pal.color(QPalette::Window) : pal.color(QPalette::Button).darker(106));
        p.drawPath(forme);

        p.setPen(pal.color(QPalette::WindowText));
        const QRect zoneTexte = cadre.toRect().adjusted(4, 2, -4, -1);
        p.drawText(zoneTexte, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                   tabText(i));
        if (choisi && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = zoneTexte;
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
        }
    }
}

void EnTetesDeuxRangs::mousePressEvent(QMouseEvent* evenement) {
    if (evenement->button() != Qt::LeftButton)
        return;
    const int index = enTeteSous(evenement->position().toPoint());
    if (index >= 0 && isTabEnabled(index))
        setCurrentIndex(index);
}

// The headers cannot be dragged: the base class's own layout is not ours.
void EnTetesDeuxRangs::mouseMoveEvent(QMouseEvent*) {}
void EnTetesDeuxRangs::mouseReleaseEvent(QMouseEvent*) {}

Onglet::Onglet(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("Onglet"));
    setTabBar(new EnTetesDeuxRangs(this));
}

EnTetesDeuxRangs* Onglet::enTetes() const {
    return static_cast<EnTetesDeuxRangs*>(tabBar());
}

} // namespace app
