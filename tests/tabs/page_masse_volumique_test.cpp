// The density tab driven as a user would: temperatures and humidity typed,
// the two buttons clicked, Enter pressed, the refusal boxes answered.
#include "qt/aide_test.h"
#include "tabs/page_masse_volumique.h"

class TestPageMasseVolumique : public QObject {
    Q_OBJECT

    std::unique_ptr<tabs::PageMasseVolumique> page;

    QLineEdit* champ(int i) const { return aide::trouver<QLineEdit>(page, "TxtMasse_Vol", i); }
    void saisir(const QString& eau, const QString& air, const QString& humidite) {
        for (int i = 0; i < 3; ++i)
            aide::taper(champ(i), QStringList{eau, air, humidite}[i]);
    }
    // Each runs its action and gives the warning box it opened, "" if none.
    QString cliquer(int i) {
        const auto bouton = aide::trouver<QWidget>(page, "CmdMasse_Vol", i);
        return aide::repondreBoite([&] { aide::cliquer(bouton); });
    }
    QString entree(int i) {
        return aide::repondreBoite([&] { aide::entree(champ(i)); });
    }
    // Titled "Brivane.", warning icon, one button.
    static QString boite(const QString& message) {
        return QString("Brivane. | %1 | 1 | ").arg(QMessageBox::Warning) + message;
    }
    // Water kg/m3, kg/l, m3/kg, l/kg, then dry and humid air kg/m3 and m3/kg.
    QString resultats() const { return aide::textes<QLabel>(page, "LblResult_Masse_Vol", 8); }

private slots:
    void initTestCase() { app::preparerApplication(*qApp); }
    void init() {
        ModGeneral::Fixer_Separateur_Decimal(u',');
        page = std::make_unique<tabs::PageMasseVolumique>();
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    }

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
    void temperatureRefusee() {
        const QString eau = "La température de l'eau doit être ",
                      air = "La température de l'air doit être ";
        const struct {
            int champ;
            QString saisie, message;
        } cas[] = {{0, "-0,5", eau + "supérieure ou égale à 0 °C !"},
                   {0, "150,5", eau + "inférieure ou égale à 150 °C !"},
                   {1, "-20,5", air + "supérieure ou égale à -20 °C !"},
                   {1, "60,5", air + "inférieure ou égale à 60 °C !"}};
        for (const auto& c : cas) {
            aide::taper(champ(c.champ), c.saisie);
            QCOMPARE(cliquer(c.champ), boite(c.message));
            QCOMPARE(resultats(), "0 0 0 0 0 0 0 0");
            QCOMPARE(page->focusWidget(), champ(c.champ));
            QCOMPARE(aide::vu(champ(c.champ)), "[" + c.saisie + "]");
        }
    }

    // Saturated: dry air written, the temperature as typed.
    void saturation() {
        saisir("0", "20,0", "0,02");
        QCOMPARE(entree(2),
                 boite("L'humidité absolue de l'air est trop importante pour la température de "
                       "20,0 °C !\r\n\r\nCeci induit un taux d'humidité relative (degré "
                       "hygrométrique) supérieur à 100%.\r\nL'humidité absolue de l'air ne peut "
                       "pas être supérieure à 0,0146973 kg eau/kg air sec\r\npour une "
                       "température de l'air de 20,0 °C."));
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
