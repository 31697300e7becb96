// The pipe heat-loss tab driven as a user would: fluid and pipe picked with
// the keyboard, the insulation box and the options clicked, values typed,
// ">" clicked, Enter pressed in a field or a list.
#include "qt/banc.h"

#include <QCheckBox>
#include <QRadioButton>

class TestPageDeperdition : public banc::BancPage {
    Q_OBJECT

public:
    TestPageDeperdition() : BancPage("PageDeperdition") {}

private:
    QLabel* legende(int i) const { return controle<QLabel>("LblDeperdition", i); }
    QCheckBox* isolee() const { return controle<QCheckBox>("ChkDeperdition"); }
    QRadioButton* option(int i) const { return controle<QRadioButton>("OptDeperdition", i); }
    // The eleven results, then the total's unit label.
    QString resultats() const {
        return textes("LblResltat_Deperdition", 11) + " | " + legende(32)->text();
    }
    // The pipe, the fluid and the flow's unit.
    QString choix() const {
        return liste(0)->currentText() + u' ' + liste(1)->currentText() + u' ' + legende(1)->text();
    }
    // Fields 0 to 7, in index order.
    void saisir(const QString& valeurs) {
        const QStringList mots = valeurs.split(u' ');
        for (int i = 0; i < 8; ++i)
            banc::taper(champ(i), mots[i]);
    }
    void calculer() { banc::cliquer(controle("CmdDeperdition")); }

    // The worked example: 500 l/h of water at 70 °C in 10 m of copper pipe
    // 16/18 mm insulated to 38 mm (λ 0,04), in a 20 °C room.
    const QString exemple = "0,038 0,018 500 0,016 70 10 0,04 20";
    const QString resultatsExemple =
        "0,223 4,432 1,866 36,807 69,809 11,118 93,131 111,18 Turbulent 0,19 221,186 | W (0,11 kW)";
    const QString echecs = QStringList(11, "#####").join(u' ') + " | W (0 kW)";

private slots:
    void demarrage() {
        QCOMPARE(
            (QStringList{liste(0)->itemText(0), liste(0)->itemText(2), choix(),
                         legende(22)->text()}),
            (QStringList{"Acier", "Per/Pvc", "Cuivre Eau l/h", "Température de l'air du local"}));
        QVERIFY(isolee()->isChecked() && option(0)->isChecked());
        QCOMPARE(resultats(), QStringLiteral("0 0 0 0 0 0 0 0 ----- 0 0 | W (0 kW)"));
    }

    // The flow unit follows the fluid, whichever list is picked; the
    // surroundings' caption follows the options; no result is cleared.
    void listesEtOptions() {
        saisir(exemple);
        calculer();
        liste(1)->setFocus();
        QTest::keyClick(liste(1), Qt::Key_A);
        QCOMPARE(choix(), "Cuivre Air m3/h");
        QVERIFY(legende(1)->width() >= legende(1)->sizeHint().width());
        liste(0)->setFocus();
        QTest::keyClick(liste(0), Qt::Key_P);
        QCOMPARE(choix(), "Per/Pvc Air m3/h");
        QTest::keyClick(liste(1), Qt::Key_Down);
        QCOMPARE(choix(), "Per/Pvc Eau l/h");

        QTest::mouseClick(option(1), Qt::LeftButton);
        QVERIFY(option(1)->isChecked() && !option(0)->isChecked());
        QCOMPARE(legende(22)->text(), "Température de l'eau du ballon");
        QVERIFY(legende(22)->heightForWidth(legende(22)->width()) <= legende(22)->height());
        QTest::mouseClick(option(0), Qt::LeftButton);
        QCOMPARE(legende(22)->text(), "Température de l'air du local");
        QCOMPARE(resultats(), resultatsExemple);
        // The captions keep their whole text, only broken into lines.
        QCOMPARE(option(1)->text().replace(u'\n', u' '),
                 "La conduite est dans l'eau où l'eau est en convection libre (ex : serpentin "
                 "d'un ballon sanitaire)");
    }

    // Unchecked: the bare picture in place of the insulated one, the
    // insulation fields, captions and leader hidden, their texts kept.
    void isolation() {
        banc::taper(champ(0), "0,038");
        banc::taper(champ(6), "0,04");
        const auto visibles = [this] {
            QString vus;
            for (const char* nom :
                 {"ImgDeperdition(0)", "ImgDeperdition(1)", "LblDeperdition(4)",
                  "LblDeperdition(7)", "TxtDeperdition(0)", "LblDeperdition(20)",
                  "LblDeperdition(21)", "TxtDeperdition(6)", "Line8", "PointDeperdition"})
                vus += controle(nom)->isVisible() ? u'1' : u'0';
            return vus;
        };
        QCOMPARE(visibles(), "1011111111");
        QTest::mouseClick(isolee(), Qt::LeftButton);
        QVERIFY(!isolee()->isChecked());
        QCOMPARE(visibles(), "0100000000");
        QCOMPARE(controle("ImgDeperdition(1)")->geometry().topLeft(),
                 controle("ImgDeperdition(0)")->geometry().topLeft());
        QTest::mouseClick(isolee(), Qt::LeftButton);
        QCOMPARE(visibles(), "1011111111");
        QCOMPARE(champ(0)->text(), "0,038");
        QCOMPARE(champ(6)->text(), "0,04");
    }

    // Fields 0 to 7; then the fluid and pipe picked by their first letter, "isolée" or "nue",
    // "air" or "eau" around, and how it runs: "bouton", or Enter in "champ" or "liste" N.
    void calcul_data() {
        QTest::addColumn<QString>("champs");
        QTest::addColumn<QString>("choix");
        QTest::addColumn<QString>("attendus");
        QTest::newRow("exemple") << exemple << "EC isolée air champ 3" << resultatsExemple;
        // 50 m3/h of air, 1 m of bare steel in 20 °C tank water: the empty
        // insulation fields are not read.
        QTest::newRow("air, acier nu, dans l'eau")
            << "0 0,025 50 0,02 70 1 0 20"
            << "AA nue eau liste 1"
            << "10,841 172,536 138,029 23,945 45,824 410,995 5232,953 410,995 Turbulent 24,18 "
               "6541,191 | W (0,41 kW)";
        // The same over 10 m: the outlet falls below the tank water.
        QTest::newRow("sortie sous l'ambiance") << "0 0,025 50 0,02 70 10 0 20"
                                                << "AA nue eau bouton" << echecs;
        QTest::newRow("150,01 °C") << "0,038 0,018 500 0,016 150,01 10 0,04 20"
                                   << "EC isolée air bouton" << echecs;
        QTest::newRow("moins seul") << "0,038 0,018 - 0,016 70 10 0,04 20"
                                    << "EC isolée air champ 2" << echecs;
    }
    void calcul() {
        QFETCH(QString, champs);
        QFETCH(QString, choix);
        QFETCH(QString, attendus);
        const QStringList c = choix.split(u' ');
        saisir(champs);
        for (int i : {1, 0}) {
            liste(i)->setFocus();
            QTest::keyClick(liste(i), c[0][1 - i].toLatin1());
        }
        if ((c[1] == "isolée") != isolee()->isChecked())
            QTest::mouseClick(isolee(), Qt::LeftButton);
        QTest::mouseClick(option(c[2] == "eau" ? 1 : 0), Qt::LeftButton);
        if (c[3] == "champ")
            QTest::keyClick(champ(c[4].toInt()), Qt::Key_Return);
        else if (c[3] == "liste")
            QTest::keyClick(liste(c[4].toInt()), Qt::Key_Return);
        else
            calculer();
        QCOMPARE(resultats(), attendus);
    }

    // A failure, then a success over it; the normal pointer is back each time.
    void echecPuisReussite() {
        for (const QString& attendus : {echecs, resultatsExemple}) {
            calculer();
            QCOMPARE(resultats(), attendus);
            QCOMPARE(QApplication::overrideCursor(), nullptr);
            saisir(exemple);
        }
    }
};

QTEST_MAIN(TestPageDeperdition)
#include "page_deperdition_test.moc"
