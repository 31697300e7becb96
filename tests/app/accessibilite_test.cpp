// What a screen reader gets of the window, through Qt's own accessibility:
// each result's figure with its caption and unit, buttons and lists named,
// the lists captioned, the warning an alert, the offset frame keeping Tab.
#include "qt/banc.h"

#include <QAccessible>
#include <QListWidget>

namespace {

QAccessibleInterface* accessible(QObject* objet) {
    return QAccessible::queryAccessibleInterface(objet);
}
QString nom(QObject* objet) {
    return accessible(objet)->text(QAccessible::Name);
}

} // namespace

class TestAccessibilite : public banc::BancFenetre {
    Q_OBJECT

private slots:
    void init() { ouvrir("fr_FR.UTF-8"); }

    // After a calculation, a result reads as its caption, its figure as it
    // shows and its unit; the caption a pick rewrites follows.
    void resultats() {
        onglet()->setCurrentIndex(2);
        saisir({"TxtGicleur(0)=20", "TxtGicleur(2)=10", "CmdGicleur"});
        QCOMPARE(nom(controle<QLabel>("LblGicleur", 0)), "Gicleur 0,45 Us gal/h");
        onglet()->setCurrentIndex(3);
        saisir({"TxtExpansion(3)=500", "TxtExpansion(6)=5"});
        QCOMPARE(nom(controle<QLabel>("LblResultat_Expansion", 4)),
                 "Type de vase d'expansion choisi 18/0,5");
        onglet()->setCurrentIndex(7);
        saisir({"CmdCond_Fumees(0)"});
        QCOMPARE(nom(controle<QLabel>("LblResult_Cond_Fumees", 0)), "Section minimale 0 cm²");
        onglet()->setCurrentIndex(4);
        saisir({"CmdDeperdition"});
        QCOMPARE(nom(controle<QLabel>("LblResltat_Deperdition", 7)),
                 "Déperditions thermiques totales ##### W (0 kW)");
        onglet()->setCurrentIndex(6);
        QTest::keyClick(controle<QComboBox>("CmbCombustion", 1), Qt::Key_Down);
        QCOMPARE(nom(controle<QLabel>("LblResltat_Combustion", 0)), "CO2 0 %");
        // The nozzle's red line is an alert, read as it appears.
        onglet()->setCurrentIndex(2);
        controle("TxtGicleur", 0)->setText("1E39"); // pasted: an exponent cannot be typed
        saisir({"CmdGicleur"});
        QCOMPARE(accessible(fenetre->findChild<QLabel*>("LblGic(12)"))->role(),
                 QAccessible::AlertMessage);
    }

    // Every button, list and picture of the nine tabs has a name in words
    // (the arrows' following the units they convert between), every
    // drop-down list a caption.
    void nomsEtLegendes() {
        for (int t = 0; t < onglet()->count(); ++t) {
            QWidget* page = onglet()->widget(t);
            for (QPushButton* b : page->findChildren<QPushButton*>())
                QVERIFY2(nom(b).count(QRegularExpression("\\w{3,}")) >= 2,
                         qPrintable(b->objectName()));
            for (QComboBox* liste : page->findChildren<QComboBox*>())
                QVERIFY2(!accessible(liste)->relations(QAccessible::Label).isEmpty(),
                         qPrintable(liste->objectName()));
            for (QWidget* w : page->findChildren<QWidget*>())
                if (w->inherits("QSvgWidget") || qobject_cast<QListWidget*>(w))
                    QVERIFY2(!nom(w).isEmpty() && !w->accessibleDescription().isEmpty(),
                             qPrintable(w->objectName()));
        }
        QCOMPARE(nom(controle<QPushButton>("CmdConversion", 1)), "Convertir de °K en °C");
        onglet()->setCurrentIndex(0);
        controle<QComboBox>("CmbConversion", 0)->setCurrentText("°F");
        QCOMPARE(nom(controle<QPushButton>("CmdConversion", 0)), "Convertir de °F en °K");
        QCOMPARE(nom(controle<QPushButton>("CmdPCI_PCS", 5)),
                 "Convertir le PCS en PCI du gaz propane");
    }

    // The offset frame takes the focus on its first field and keeps Tab
    // and Shift+Tab among its controls; closed, it gives the focus back.
    void cadreDuDevoiement() {
        onglet()->setCurrentIndex(7);
        fenetre->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenetre.get()));
        banc::taper(controle("TxtCond_Fumees", 9), "8");
        QWidget* aide = controle<QPushButton>("CmdCond_Fumees", 1);
        banc::cliquer(aide);
        QCOMPARE(QApplication::focusWidget(), controle("TxtDevoiement", 0));
        const QStringList tour = {"TxtDevoiement(1)", "CmdDevoiement", "CmdReport(0)",
                                  "CmdReport(1)", "TxtDevoiement(0)"};
        for (const QString& attendu : tour) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), attendu);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), "CmdReport(1)");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), aide);
    }

    // Every field names its caption and unit in its tooltip and accessible
    // name, its description the rest of the tooltip, and a caption label is
    // its buddy (one a screen reader alone gets where the page shows none).
    void bullesEtNoms() {
        ouvrir("C.UTF-8", 0);
        for (int t = 0; t < onglet()->count(); ++t) {
            onglet()->setCurrentIndex(t);
            const QList<QLabel*> labels = page()->findChildren<QLabel*>();
            for (QLineEdit* champ : page()->findChildren<QLineEdit*>()) {
                const QByteArray nom = champ->objectName().toUtf8();
                const QStringList bulle = champ->toolTip().split(u'\n');
                QVERIFY2(bulle.size() >= 2 && !bulle[0].isEmpty(), nom);
                QVERIFY2(bulle[1].startsWith("Unité : ") && bulle[1].size() > 8, nom);
                QVERIFY2(champ->accessibleName().startsWith(bulle[0]), nom);
                QVERIFY2(champ->accessibleDescription() == bulle.mid(1).join(". "), nom);
                QVERIFY2(std::any_of(labels.begin(), labels.end(),
                                     [champ](QLabel* l) { return l->buddy() == champ; }),
                         nom);
            }
        }

        // The ranges; numbers with the separator read at start-up.
        const auto bulle = [this](const char* nom, int index) {
            return controle<QWidget>(nom, index)->toolTip();
        };
        QCOMPARE(bulle("TxtMasse_Vol", 0),
                 "Température de l'eau\nUnité : °C\nPlage acceptée : 0 à 150 °C");
        QCOMPARE(bulle("TxtExpansion", 1), "Température moyenne maximale de fonctionnement\n"
                                           "Unité : °C\nPlage acceptée : au plus 100 °C");
        QCOMPARE(bulle("TxtExpansion", 6), "Hauteur statique de l'installation\nUnité : m\n"
                                           "Plage acceptée : pression statique au plus 2.5 bar(s)");
        QCOMPARE(bulle("TxtGicleur", 1), "Rendement de la chaudière (0 > n < 1)\nUnité : n\n"
                                         "Plage acceptée : 0 < n < 1");
        QCOMPARE(bulle("TxtCond_Fumees", 2), "Nombre de coudes à 45°\nUnité : aucune (un nombre)");
        QCOMPARE(bulle("LblResult_Cond_Fumees", 0), "Section minimale\nUnité : cm²");
        QCOMPARE(controle("TxtCombustion", 3)->accessibleName(),
                 "CO2 ou O2 mesuré : CO2 mesuré, en %");

        // Names follow the unit and caption a pick rewrites.
        onglet()->setCurrentIndex(4);
        QTest::keyClick(controle<QComboBox>("CmbDeperdition", 1), Qt::Key_Up);
        QCOMPARE(controle("TxtDeperdition", 2)->accessibleName(), "Débit du fluide, en m3/h");
        onglet()->setCurrentIndex(6);
        QTest::keyClick(controle<QComboBox>("CmbCombustion", 1), Qt::Key_Down);
        QCOMPARE(controle("TxtCombustion", 0)->accessibleName(), "O2 mesuré, en %");
    }
};

QTEST_MAIN(TestAccessibilite)
#include "accessibilite_test.moc"
