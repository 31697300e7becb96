#include "qt/aide_test.h"

#include <QTimer>

QString aide::repondreBoite(const std::function<void()>& action) {
    QString vue;
    // The box runs its own event loop: look for it from a timer.
    QTimer minuterie;
    QObject::connect(&minuterie, &QTimer::timeout, [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boite == nullptr)
            return;
        minuterie.stop();
        vue = QStringList{boite->windowTitle(), QString::number(boite->icon()),
                          QString::number(boite->buttons().size()), boite->text()}
                  .join(" | ");
        boite->button(QMessageBox::Ok) ? boite->button(QMessageBox::Ok)->click() : boite->reject();
    });
    minuterie.start(10);
    action();
    minuterie.stop();
    return vue;
}
