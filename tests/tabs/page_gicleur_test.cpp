// The nozzle tab driven as a user would: values typed, Enter pressed,
// the calculate button clicked.
#include "app/demarrage.h"
#include "entry/separateur.h"
#include "qt/aide_test.h"
#include "tabs/page_gicleur.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class TestPageGicleur : public QObject {
    Q_OBJECT

    tabs::PageGicleur* page = nullptr;

    QLineEdit* champ(int i) const {
        return aide::trouver<QLineEdit>(page, QStringLiteral("TxtGicleur(%1)").arg(i));
    }
    QLabel* resultat(int i) const {
        return aide::trouver<QLabel>(page, QStringLiteral("LblGicleur(%1)").arg(i));
    }
    QLabel* avertissement() const { return aide::trouver<QLabel>(page, "LblGic(12)"); }
    QListWidget* gamme() const { return aide::trouver<QListWidget>(page, "LstGicleur"); }
    QPushButton* calculer() const { return aide::trouver<QPushButton>(page, "CmdGicleur"); }

    // A fresh page under the given separator, as start-up fills it.
    void demarrer(QChar separateur) {
        ModGeneral::Fixer_Separateur_Decimal(separateur.unicode());
        delete page;
        page = new tabs::PageGicleur;
        page->ecrireValeursInitiales();
        page->remplirGamme();
        page->show();
    }
    // Power, efficiency, pressure, heating value; "," stands for the separator.
    void saisir(QChar separateur, const QStringList& valeurs) {
        for (int i = 0; i < 4; ++i)
            aide::taper(champ(i), aide::avecSeparateur(valeurs[i], separateur));
    }
    void verifierResultats(const QStringList& attendus, QChar separateur) {
        for (int i = 0; i < 3; ++i)
            QCOMPARE(resultat(i)->text(), aide::avecSeparateur(attendus[i], separateur));
    }
    void verifierEchec() {
        for (int i = 0; i < 3; ++i)
            QCOMPARE(resultat(i)->text(), QStringLiteral("#####"));
        QVERIFY(avertissement()->isVisible());
    }
    void verifierRangee(int rangee) {
        QCOMPARE(gamme()->currentRow(), rangee);
        const auto choisies = gamme()->selectedItems();
        QCOMPARE(choisies.size(), 1);
        QCOMPARE(gamme()->row(choisies.first()), rangee);
    }

    static void colonneSeparateur() { QTest::addColumn<QChar>("separateur"); }

private slots:
    void initTestCase() { app::preparerApplication(*qApp); }

    void init() { demarrer(u','); }
    void cleanup() {
        delete page;
        page = nullptr;
        ModGeneral::Fixer_Separateur_Decimal(u',');
    }

    void demarrage_data() {
        colonneSeparateur();
        QTest::newRow("virgule") << QChar(u',');
        QTest::newRow("point") << QChar(u'.');
    }
    void demarrage() {
        QFETCH(QChar, separateur);
        demarrer(separateur);
        QCOMPARE(champ(0)->text(), QStringLiteral("0"));
        QCOMPARE(champ(1)->text(), aide::avecSeparateur("0,9", separateur));
        QCOMPARE(champ(2)->text(), QStringLiteral("0"));
        QCOMPARE(champ(3)->text(), aide::avecSeparateur("10,25", separateur));
        const QStringList tailles = {"0,35", "0,4",  "0,45", "0,5", "0,55", "0,6",  "0,65",
                                     "0,75", "0,85", "1",    "1,1", "1,2",  "1,25", "1,35",
                                     "1,5",  "1,65", "1,75", "2",   "2,25", "2,5",  "2,75",
                                     "3",    "3,5",  "3,75", "4",   "4,5",  "5",    "5,5"};
        QCOMPARE(gamme()->count(), tailles.size());
        for (int i = 0; i < tailles.size(); ++i)
            QCOMPARE(gamme()->item(i)->text(),
                     aide::avecSeparateur(tailles[i], separateur) + " Us gal/h");
        QVERIFY(gamme()->selectedItems().isEmpty());
        QVERIFY(avertissement()->isHidden());
        QCOMPARE(
            avertissement()->text(),
            QStringLiteral("Plage d'utilisation dépassée ! (gicleur de 0,35 à 5,5 Us gal/h) "));
        QVERIFY(avertissement()->font().bold());
        QCOMPARE(avertissement()->palette().color(QPalette::WindowText), QColor(Qt::red));
    }

    // Enter in each field (0 to 3) or the button (4) runs the same search.
    void calcul_data() {
        colonneSeparateur();
        QTest::addColumn<int>("declencheur");
        for (const QChar separateur : {QChar(u','), QChar(u'.')})
            for (int d = 0; d <= 4; ++d)
                QTest::newRow(qPrintable(
                    QStringLiteral("%1 [%2]")
                        .arg(d == 4 ? QStringLiteral("bouton") : QStringLiteral("Entrée %1").arg(d))
                        .arg(separateur)))
                    << separateur << d;
    }
    void calcul() {
        QFETCH(QChar, separateur);
        QFETCH(int, declencheur);
        demarrer(separateur);
        saisir(separateur, {"20", "0,9", "10", "10,25"});
        if (declencheur == 4)
            QTest::mouseClick(calculer(), Qt::LeftButton);
        else
            QTest::keyClick(champ(declencheur), Qt::Key_Return);
        verifierResultats({"0,45", "11,11", "2,17"}, separateur);
        verifierRangee(2);
        QVERIFY(avertissement()->isHidden());
        QCOMPARE(champ(2)->text(), QStringLiteral("10"));
    }

    // No size of the range fits: "#####" and the warning shown.
    void horsGamme_data() {
        colonneSeparateur();
        QTest::addColumn<QStringList>("valeurs"); // empty: the start-up values
        for (const QChar separateur : {QChar(u','), QChar(u'.')}) {
            const QString s = QStringLiteral(" [%1]").arg(separateur);
            QTest::newRow(qPrintable("valeurs de départ" + s)) << separateur << QStringList();
            QTest::newRow(qPrintable("5 kW 8 bar" + s))
                << separateur << QStringList{"5", "0,9", "8", "10,25"};
            QTest::newRow(qPrintable("pression 25 bar" + s))
                << separateur << QStringList{"20", "0,9", "25", "10,25"};
        }
    }
    void horsGamme() {
        QFETCH(QChar, separateur);
        QFETCH(QStringList, valeurs);
        demarrer(separateur);
        if (!valeurs.isEmpty())
            saisir(separateur, valeurs);
        QTest::mouseClick(calculer(), Qt::LeftButton);
        verifierEchec();
        QVERIFY(gamme()->selectedItems().isEmpty());
    }

    // A failure leaves the earlier nozzle picked in the list; the next
    // success hides the warning again.
    void echecApresSucces() {
        saisir(u',', {"20", "0,9", "10", "10,25"});
        QTest::mouseClick(calculer(), Qt::LeftButton);
        verifierRangee(2);
        aide::taper(champ(0), "5");
        aide::taper(champ(2), "8");
        QTest::keyClick(champ(2), Qt::Key_Return);
        verifierEchec();
        verifierRangee(2);
        aide::taper(champ(0), "20");
        aide::taper(champ(2), "10");
        QTest::keyClick(champ(0), Qt::Key_Enter);
        verifierResultats({"0,45", "11,11", "2,17"}, u',');
        QVERIFY(avertissement()->isHidden());
        verifierRangee(2);
    }

    // A lone "-" is no number yet: the results stay as they were.
    void moinsSeul_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 4; ++i)
            QTest::newRow(qPrintable(QStringLiteral("champ %1").arg(i))) << i;
    }
    void moinsSeul() {
        QFETCH(int, index);
        saisir(u',', {"20", "0,9", "10", "10,25"});
        QTest::mouseClick(calculer(), Qt::LeftButton);
        aide::taper(champ(index), "-");
        QCOMPARE(champ(index)->text(), QStringLiteral("-"));
        QTest::keyClick(champ(index), Qt::Key_Return);
        QTest::mouseClick(calculer(), Qt::LeftButton);
        verifierResultats({"0,45", "11,11", "2,17"}, u',');
        QVERIFY(avertissement()->isHidden());
        verifierRangee(2);
    }

    void puissanceHorsDesSimples() {
        saisir(u',', {"0", "0,9", "10", "10,25"});
        champ(0)->setText("1E39"); // an exponent is pasted, not typed
        QTest::mouseClick(calculer(), Qt::LeftButton);
        verifierEchec();
        QCOMPARE(champ(0)->text(), QStringLiteral("1E39"));
        QStringList textes;
        for (const QLabel* label : page->findChildren<QLabel*>())
            textes << label->text();
        for (const QLineEdit* c : page->findChildren<QLineEdit*>())
            textes << c->text();
        for (int i = 0; i < gamme()->count(); ++i)
            textes << gamme()->item(i)->text();
        for (const QString& texte : textes) {
            QVERIFY2(!texte.contains("inf", Qt::CaseInsensitive), qPrintable(texte));
            QVERIFY2(!texte.contains("nan", Qt::CaseInsensitive), qPrintable(texte));
        }
    }
};

QTEST_MAIN(TestPageGicleur)
#include "page_gicleur_test.moc"
