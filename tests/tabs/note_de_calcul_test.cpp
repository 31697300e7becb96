// The section "Valeurs intermédiaires" of the calculation sheet, as the page's menu copies it:
// before any calculation, after a refusal, after a field changed since (the sheet of a whole
// calculation and its PDF are feuille_test's).
#include "qt/banc.h"

namespace {

// The worked example of the flue tab: a 24 kW gas boiler, 1 m of 80 mm pipe, an 8 m duct.
const QStringList gaz24kW = {"CmbCond_Fumees(0)=Gaz naturel", "TxtCond_Fumees(9)=8",
                             "TxtCond_Fumees(0)=1",           "TxtCond_Fumees(1)=0,08",
                             "TxtCond_Fumees(6)=120",         "TxtCond_Fumees(5)=10,59",
                             "TxtCond_Fumees(13)=0,9",        "TxtCond_Fumees(4)=24"};

} // namespace

class TestNoteDeCalcul : public banc::BancFenetre {
    Q_OBJECT

    // Types each "Famille(index)=texte" of `saisie` (a list picks the item), then Enter in the
    // last field, answering a box it opens.
    void saisir(const QStringList& saisie) {
        QLineEdit* dernier = nullptr;
        for (const QString& s : saisie) {
            const QString nom = s.section(u'=', 0, 0), texte = s.section(u'=', 1);
            if (auto* liste = fenetre->findChild<QComboBox*>(nom)) {
                liste->setCurrentText(texte);
                emit liste->activated(liste->currentIndex());
            } else
                banc::taper(dernier = fenetre->findChild<QLineEdit*>(nom), banc::sep(texte));
        }
        banc::repondreBoite([dernier] { banc::entree(dernier); });
    }

private slots:
    // The sheet ends with the section: every value reached, why the calculation stopped, the
    // field retyped since (`ensuite`), each block of a tab under its name.
    void section_data() {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<int>("onglet");
        QTest::addColumn<QStringList>("saisie");
        QTest::addColumn<QStringList>("ensuite");
        QTest::addColumn<QString>("fin");
        QTest::newRow("donnée changée depuis")
            << QByteArray("fr_FR.UTF-8") << 7 << gaz24kW << QStringList{"TxtCond_Fumees(12)=16"}
            << "Nombre de pas de la recherche\t3257\n"
               "Les données ont changé depuis le dernier calcul.\n";
        QTest::newRow("refus") << QByteArray("fr_FR.UTF-8") << 7
                               << gaz24kW + QStringList{"TxtCond_Fumees(4)=240"} << QStringList()
                               << "Pertes de charge du conduit de raccordement\t197,4455\tPa\n"
                                  "Calcul interrompu : dépression disponible trop faible\n";
        QTest::newRow("deux blocs")
            << QByteArray("fr_FR.UTF-8") << 3 << QStringList{"TxtExpansion(6)=26"} << QStringList()
            << "Valeurs intermédiaires\nVase d'expansion\n"
               "Masse volumique de l'eau au remplissage\t999,1152\tkg/m3\n"
               "Masse volumique de l'eau à la température maximale\t977,8184\tkg/m3\n"
               "Pression atmosphérique\t1,01325\tbar\n"
               "Calcul interrompu : hauteur de l'installation trop importante pour les vases "
               "standards\n"
               "Pression dans l'installation à la température de l'eau\nAucun calcul effectué\n";
        QTest::newRow("rangées converties")
            << QByteArray("fr_FR.UTF-8") << 0 << QStringList{"TxtConversion(2)=1"}
            << QStringList{"TxtConversion(0)=100"}
            << "Valeurs intermédiaires\nFacteur appliqué (Pression : mCE → bar)\t0,0981\n";
    }
    void section() {
        QFETCH(QByteArray, locale);
        QFETCH(int, onglet);
        QFETCH(QStringList, saisie);
        QFETCH(QStringList, ensuite);
        QFETCH(QString, fin);
        ouvrir(locale, onglet);
        QVERIFY(banc::feuilleCopiee(page()).endsWith("\nAucun calcul effectué\n"));
        saisir(saisie);
        for (const QString& s : ensuite)
            banc::taper(fenetre->findChild<QLineEdit*>(s.section(u'=', 0, 0)), s.section(u'=', 1));
        QCOMPARE(banc::feuilleCopiee(page()).right(fin.size()), banc::sep(fin));
    }
};

QTEST_MAIN(TestNoteDeCalcul)
#include "note_de_calcul_test.moc"
