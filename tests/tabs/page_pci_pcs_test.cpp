// The PCI/PCS tab driven as a user would: units picked in the lists with the
// keyboard, values typed, ">" and "<" clicked, Enter pressed.
#include "qt/banc.h"

class TestPagePCI_PCS : public banc::BancPage {
    Q_OBJECT

public:
    TestPagePCI_PCS() : BancPage("PagePCI_PCS") {}

private:
    // The six fields, then the sentences of heating oil, natural gas, propane.
    QStringList vus() const {
        QStringList v{textes("TxtPCI_PCS", 6)};
        for (const char* nom : {"LblLitre_Kg_Fioul", "Lblm3_Gaz_Nat", "Lblm3_Gaz_Prop"})
            v << controle<QLabel>(nom)->text();
        return v;
    }
    // The list's second unit, "kWh/litre" or "kWh/m3(n)", picked with the keyboard.
    static void secondeUnite(QComboBox* liste) {
        liste->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(liste, Qt::Key_Down);
    }

private slots:
    void fuelDuKgAuLitre() {
        secondeUnite(liste(1));
        banc::taper(champ(0), "11,9");
        banc::cliquer(bouton(0));
        QCOMPARE(vus(), (QStringList{"11,9 10,94 0 0 0 0",
                                     "Soit 1 litre(s) de fioul domestique pour 10,94 kWh sur PCS",
                                     "", ""}));
    }

    // Back to PCI unrounded; the PCS in the sentence as typed.
    void gazNaturelParEntree() {
        banc::taper(champ(3), "10,0");
        banc::entree(champ(3));
        QCOMPARE(vus(), (QStringList{"0 0 9,04884318766067 10,0 0 0", "",
                                     "Soit 0,86 m3(n) de gaz naturel pour 10,0 kWh sur PCS", ""}));
    }

    // Each way, the result written over the other field.
    void propaneAllerRetour() {
        secondeUnite(liste(2));
        banc::taper(champ(4), "25,4");
        banc::cliquer(bouton(4));
        QCOMPARE(vus().mid(2), (QStringList{"", "Soit 1 kg de gaz propane pour 13,9 kWh sur PCS"}));
        banc::taper(champ(5), "27,8");
        banc::cliquer(bouton(5));
        QCOMPARE(vus(), (QStringList{"0 0 0 0 50,8 27,8", "", "",
                                     "Soit 2 kg de gaz propane pour 27,8 kWh sur PCS"}));
    }

    // Enter in a list converts the field of the list's own index: from the
    // heating oil's PCS list, PCS into PCI; from the propane's PCI list, the
    // natural-gas row, propane left alone. A lone "-" then changes nothing.
    void entreeDansLesListes() {
        banc::taper(champ(1), "12,7");
        banc::taper(champ(2), "10,56");
        banc::taper(champ(4), "12,8");
        banc::entree(liste(1));
        banc::entree(liste(2));
        const QStringList attendus = {"11,9 12,7 10,56 11,67 12,8 0",
                                      "Soit 1 kg de fioul domestique pour 12,7 kWh sur PCS",
                                      "Soit 1 m3(n) de gaz naturel pour 11,67 kWh sur PCS", ""};
        QCOMPARE(vus(), attendus);
        QCOMPARE(liste(1)->currentText() + liste(2)->currentText(), "kWh/kgkWh/kg");
        banc::taper(champ(0), "-");
        banc::cliquer(bouton(0));
        banc::entree(champ(0));
        QCOMPARE(vus().mid(1), attendus.mid(1));
    }

    // Tab runs along each row, left to right; natural gas has no lists.
    void ordreTabulation() {
        verifierTabulation(champ(0), {liste(0), bouton(0), bouton(1), champ(1), liste(1), champ(2),
                                      bouton(2), bouton(3), champ(3), champ(4)});
    }
};

QTEST_MAIN(TestPagePCI_PCS)
#include "page_pci_pcs_test.moc"
