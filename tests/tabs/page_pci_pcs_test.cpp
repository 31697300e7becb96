// The PCI/PCS tab driven as a user would: units picked in the lists with the
// keyboard, values typed, ">" and "<" clicked, Enter pressed.
#include "qt/aide_test.h"
#include "tabs/page_pci_pcs.h"

class TestPagePCI_PCS : public QObject {
    Q_OBJECT

    std::unique_ptr<tabs::PagePCI_PCS> page;

    QLineEdit* champ(int i) const { return aide::trouver<QLineEdit>(page, "TxtPCI_PCS", i); }
    QComboBox* liste(int i) const { return aide::trouver<QComboBox>(page, "CmbPCI_PCS", i); }
    QPushButton* bouton(int i) const { return aide::trouver<QPushButton>(page, "CmdPCI_PCS", i); }
    QString champs() const { return aide::textes<QLineEdit>(page, "TxtPCI_PCS", 6); }
    // Heating oil, natural gas, propane.
    QStringList phrases() const {
        QStringList vues;
        for (const char* nom : {"LblLitre_Kg_Fioul", "Lblm3_Gaz_Nat", "Lblm3_Gaz_Prop"})
            vues << page->findChild<QLabel*>(nom)->text();
        return vues;
    }
    // The list's second unit, "kWh/litre" or "kWh/m3(n)", picked with the keyboard.
    static void secondeUnite(QComboBox* liste) {
        liste->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(liste, Qt::Key_Down);
    }

private slots:
    void initTestCase() { app::preparerApplication(*qApp); }
    void init() {
        ModGeneral::Fixer_Separateur_Decimal(u',');
        page = std::make_unique<tabs::PagePCI_PCS>();
        page->afficherUnitesInitiales();
        page->show();
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
    }

    void fuelDuKgAuLitre() {
        secondeUnite(liste(1));
        aide::taper(champ(0), "11,9");
        QTest::mouseClick(bouton(0), Qt::LeftButton);
        QCOMPARE(champs(), QStringLiteral("11,9 10,94 0 0 0 0"));
        QCOMPARE(
            phrases(),
            QStringList({"Soit 1 litre(s) de fioul domestique pour 10,94 kWh sur PCS", "", ""}));
    }

    // Back to PCI unrounded; the PCS in the sentence as typed.
    void gazNaturelParEntree() {
        aide::taper(champ(3), "10,0");
        QTest::keyClick(champ(3), Qt::Key_Return);
        QCOMPARE(champs(), QStringLiteral("0 0 9,04884318766067 10,0 0 0"));
        QCOMPARE(phrases(),
                 QStringList({"", "Soit 0,86 m3(n) de gaz naturel pour 10,0 kWh sur PCS", ""}));
    }

    // Each way, the result written over the other field.
    void propaneAllerRetour() {
        secondeUnite(liste(2));
        aide::taper(champ(4), "25,4");
        QTest::mouseClick(bouton(4), Qt::LeftButton);
        QCOMPARE(champs(), QStringLiteral("0 0 0 0 25,4 13,9"));
        QCOMPARE(phrases()[2], "Soit 1 kg de gaz propane pour 13,9 kWh sur PCS");
        aide::taper(champ(5), "27,8");
        QTest::mouseClick(bouton(5), Qt::LeftButton);
        QCOMPARE(champs(), QStringLiteral("0 0 0 0 50,8 27,8"));
        QCOMPARE(phrases(),
                 QStringList({"", "", "Soit 2 kg de gaz propane pour 27,8 kWh sur PCS"}));
    }

    // Enter in a list converts the field of the list's own index: from the
    // heating oil's PCS list, PCS into PCI; from the propane's PCI list, the
    // natural-gas row, propane left alone.
    void entreeDansLesListes() {
        aide::taper(champ(1), "12,7");
        aide::taper(champ(2), "10,56");
        aide::taper(champ(4), "12,8");
        QTest::keyClick(liste(1), Qt::Key_Return);
        QTest::keyClick(liste(2), Qt::Key_Return);
        QCOMPARE(champs(), QStringLiteral("11,9 12,7 10,56 11,67 12,8 0"));
        QCOMPARE(phrases(),
                 QStringList({"Soit 1 kg de fioul domestique pour 12,7 kWh sur PCS",
                              "Soit 1 m3(n) de gaz naturel pour 11,67 kWh sur PCS", ""}));
        QCOMPARE(liste(1)->currentText(), "kWh/kg");
        QCOMPARE(liste(2)->currentText(), "kWh/kg");
    }

    // A lone "-" is no number yet: the other field and the sentence stay.
    void moinsSeul() {
        aide::taper(champ(0), "11,9");
        QTest::mouseClick(bouton(0), Qt::LeftButton);
        aide::taper(champ(0), "-");
        QTest::mouseClick(bouton(0), Qt::LeftButton);
        QTest::keyClick(champ(0), Qt::Key_Return);
        QCOMPARE(champs(), QStringLiteral("- 12,7 0 0 0 0"));
        QCOMPARE(phrases()[0], "Soit 1 kg de fioul domestique pour 12,7 kWh sur PCS");
    }

    // Tab runs along each row, left to right; natural gas has no lists.
    void ordreTabulation() {
        champ(0)->setFocus();
        for (QWidget* attendu :
             QList<QWidget*>{liste(0), bouton(0), bouton(1), champ(1), liste(1), champ(2),
                             bouton(2), bouton(3), champ(3), champ(4)}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), attendu);
        }
    }
};

QTEST_MAIN(TestPagePCI_PCS)
#include "page_pci_pcs_test.moc"
