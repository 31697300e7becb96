#include "app/icone.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace app {

// Drawn from the vector picture at the sizes desktops ask for, without
// depending on an SVG icon plugin being installed.
QIcon iconeBrivane() {
    QSvgRenderer dessin(QStringLiteral(":/icones/brivane.svg"));
    QIcon icone;
    for (const int cote : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap image(cote, cote);
        image.fill(Qt::transparent);
        QPainter peintre(&image);
        dessin.render(&peintre);
        peintre.end();
        icone.addPixmap(image);
    }
    return icone;
}

} // namespace app
