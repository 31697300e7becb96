#include "ui/avertissement.h"

#include <QMessageBox>

namespace ui {

namespace {
void afficher(QWidget* parent, const QString& message, QMessageBox::Icon icone) {
    QMessageBox boite(icone, QStringLiteral("Brivane."), message, QMessageBox::Ok, parent);
    boite.setObjectName(QStringLiteral("BoiteAvertissement"));
    boite.exec();
}
} // namespace

void Avertir(QWidget* parent, const QString& message) {
    afficher(parent, message, QMessageBox::Warning);
}

void AvertirArret(QWidget* parent, const QString& message) {
    afficher(parent, message, QMessageBox::Critical);
}

} // namespace ui
