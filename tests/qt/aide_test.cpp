#include "qt/aide_test.h"

#include <QTimer>

namespace aide {

QString repondreBoite(const std::function<void()>& action) {
    QString vue;
    // The box runs its own event loop: look for it from a timer.
    QTimer minuterie;
    minuterie.setInterval(10);
    QObject::connect(&minuterie, &QTimer::timeout, [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boite == nullptr)
            return;
        minuterie.stop();
        vue = QStringList{boite->windowTitle(), QString::number(boite->icon()),
                          QString::number(boite->buttons().size()), boite->text()}
                  .join(" | ");
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

} // namespace aide
