#include "qt/aide_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace aide {

void taper(QLineEdit* champ, const QString& touches) {
    champ->setFocus(Qt::OtherFocusReason);
    champ->selectAll();
    QTest::keyClicks(champ, touches);
}

BoiteVue repondreBoite(const std::function<void()>& action) {
    BoiteVue vue;
    // The box runs its own event loop: look for it from a timer, a bounded
    // number of times.
    int essais = 0;
    QTimer minuterie;
    minuterie.setInterval(10);
    QObject::connect(&minuterie, &QTimer::timeout, [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boite == nullptr) {
            if (++essais > 300)
                minuterie.stop();
            return;
        }
        minuterie.stop();
        vue.vue = true;
        vue.titre = boite->windowTitle();
        vue.texte = boite->text();
        vue.icone = boite->icon();
        vue.boutons = static_cast<int>(boite->buttons().size());
        if (auto* ok = boite->button(QMessageBox::Ok))
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            boite->reject();
    });
    minuterie.start();
    action();
    minuterie.stop();
    return vue;
}

QString avecSeparateur(QString texte, QChar separateur) {
    return texte.replace(QLatin1Char(','), separateur);
}

} // namespace aide
