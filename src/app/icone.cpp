#include "app/icone.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace app {

// A radiator with a flame, drawn in the sixteen basic colours at 32 × 32.
QIcon iconeBrivane() {
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);

    p.setPen(Qt::black);
    p.setBrush(QColor(Qt::gray));
    for (int colonne = 0; colonne < 5; ++colonne)
        p.drawRect(3 + colonne * 5, 12, 4, 17);
    p.setBrush(QColor(Qt::darkGray));
    p.drawRect(1, 26, 28, 3);

    QPainterPath flamme;
    flamme.moveTo(24, 2);
    flamme.cubicTo(32, 10, 31, 18, 24, 20);
    flamme.cubicTo(17, 18, 17, 10, 24, 2);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(QColor(Qt::red));
    p.setPen(QColor(Qt::darkRed));
    p.drawPath(flamme);
    p.setBrush(QColor(Qt::yellow));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(24, 15), 2.5, 3.5);
    p.end();
    return QIcon(image);
}

} // namespace app
