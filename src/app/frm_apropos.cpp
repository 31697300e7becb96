#include "app/frm_apropos.h"

#include "app/icone.h"
#include "ui/twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace app {

namespace {

using ui::pixels;

// Twips from the window's client area, top left corner.
void placer(QWidget* controle, int gauche, int haut, int largeur, int hauteur) {
    controle->setGeometry(pixels(gauche), pixels(haut), pixels(largeur), pixels(hauteur));
}

QLabel* etiquette(QWidget* fenetre, const QString& nom, const QString& texte) {
    auto* label = new QLabel(texte, fenetre);
    label->setObjectName(nom);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

FrmAPropos::FrmAPropos() {
    setObjectName(QStringLiteral("FrmAPropos"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("A propos de Brivane"));
    setWindowIcon(iconeBrivane());
    setFixedSize(pixels(4680), pixels(3090));

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(iconeBrivane().pixmap(32, 32));
    placer(image, 240, 240, 480, 480);

    placer(etiquette(this, QStringLiteral("Label1"),
                     QStringLiteral("Brivane est un utilitaire permettant de connaître différentes "
                                    "valeurs qui concerncent principalement le chauffage.")),
           1080, 240, 3375, 795); // four lines of the 8-point font
    placer(etiquette(this, QStringLiteral("Label2"),
                     QStringLiteral("Brivane est un utilitaire libre à la distribution.")),
           1080, 1080, 3135, 615);
    placer(etiquette(this, QStringLiteral("Label3"), QStringLiteral("Version " BRIVANE_VERSION)),
           120, 2520, 975, 255);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("CmdOK"));
    placer(ok, 3480, 2520, 975, 375);
    connect(ok, &QPushButton::clicked, this, &FrmAPropos::CmdOK_Click);
    ok->setFocus();
}

void FrmAPropos::keyPressEvent(QKeyEvent* evenement) {
    switch (evenement->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        CmdOK_Click();
        break;
    default:
        QWidget::keyPressEvent(evenement);
    }
}

void FrmAPropos::CmdOK_Click() {
    close();
}

} // namespace app
