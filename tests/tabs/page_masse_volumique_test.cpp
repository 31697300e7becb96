// The density tab driven as a user would: temperatures and humidity typed,
// the two buttons clicked, Enter pressed, the refusal boxes answered.
#include "qt/banc.h"

class TestPageMasseVolumique : public banc::BancPage {
    Q_OBJECT

public:
    TestPageMasseVolumique() : BancPage("PageMasse_Vol") {}

private:
    void saisir(const QString& eau, const QString& air, const QString& humidite) {
        for (int i = 0; i < 3; ++i)
            banc::taper(champ(i), QStringList{eau, air, humidite}[i]);
    }
    // Each runs its action and gives the warning box it opened, "" if none.
    QString cliquer(int i) {
        return banc::repondreBoite([&] { banc::cliquer(controle<QWidget>("CmdMasse_Vol", i)); });
    }
    QString entree(int i) {
        return banc::repondreBoite([&] { banc::entree(champ(i)); });
    }
    // Water kg/m3, kg/l, m3/kg, l/kg, then dry and humid air kg/m3 and m3/kg.
    QString resultats() const { return textes("LblResult_Masse_Vol", 8); }

private slots:
    // Enter in the water field runs water only, in either air field air only;
    // each button its own block.
    void calculs() {
        saisir("60", "20", "0,01");
        QCOMPARE(entree(1), "");
        QCOMPARE(resultats(), "0 0 0 0 1,20391 0,83063 1,18487 0,84397");
        saisir("60", "60", "0,01");
        QCOMPARE(entree(0), "");
        QCOMPARE(resultats(), "983,252 0,983 0,00102 1,01729 1,20391 0,83063 1,18487 0,84397");
        QCOMPARE(entree(2), "");
        QCOMPARE(resultats(), "983,252 0,983 0,00102 1,01729 1,05936 0,94397 1,04261 0,95913");
        saisir("0", "-20", "0");
        QCOMPARE(cliquer(0), "");
        QCOMPARE(resultats(), "999,919 1 0,001 1 1,05936 0,94397 1,04261 0,95913");
        QCOMPARE(cliquer(1), "");
        QCOMPARE(resultats(), "999,919 1 0,001 1 1,39414 0,71729 1,39414 0,71729");
    }

    // Refused: nothing written, the field gets the focus back, selected.
    void temperatureRefusee_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("message");
        const QString eau = "La température de l'eau doit être ",
                      air = "La température de l'air doit être ";
        QTest::newRow("eau froide") << 0 << "-0,5" << eau + "supérieure ou égale à 0 °C !";
        QTest::newRow("eau chaude") << 0 << "150,5" << eau + "inférieure ou égale à 150 °C !";
        QTest::newRow("air froid") << 1 << "-20,5" << air + "supérieure ou égale à -20 °C !";
        QTest::newRow("air chaud") << 1 << "60,5" << air + "inférieure ou égale à 60 °C !";
    }
    void temperatureRefusee() {
        QFETCH(int, index);
        QFETCH(QString, saisie);
        QFETCH(QString, message);
        banc::taper(champ(index), saisie);
        QCOMPARE(cliquer(index), banc::avertissement(message));
        QCOMPARE(resultats(), "0 0 0 0 0 0 0 0");
        QVERIFY(page->focusWidget() == champ(index) &&
                banc::vu(champ(index)) == "[" + saisie + "]");
    }

    // Saturated: dry air written, the temperature as typed.
    void saturation() {
        saisir("0", "20,0", "0,02");
        QCOMPARE(entree(2), banc::avertissement(
                                "L'humidité absolue de l'air est trop importante pour la "
                                "température de 20,0 °C !\r\n\r\nCeci induit un taux d'humidité "
                                "relative (degré hygrométrique) supérieur à 100%.\r\nL'humidité "
                                "absolue de l'air ne peut pas être supérieure à 0,0146973 kg "
                                "eau/kg air sec\r\npour une température de l'air de 20,0 °C."));
        QCOMPARE(resultats(), "0 0 0 0 1,20391 0,83063 #### ####");
    }

    // A lone "-" is no number yet: nothing runs, even beside an air
    // temperature out of range.
    void moinsSeul() {
        saisir("-", "70", "0");
        QCOMPARE(entree(0), "");
        saisir("0", "-", "0");
        QCOMPARE(cliquer(1), "");
        saisir("0", "70", "-");
        QCOMPARE(entree(2), "");
        QCOMPARE(resultats(), "0 0 0 0 0 0 0 0");
    }
};

QTEST_MAIN(TestPageMasseVolumique)
#include "page_masse_volumique_test.moc"
