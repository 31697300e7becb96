// An entry-field family under real key, focus and mouse events.
#include "entry/champs_qt.h"
#include "entry/separateur.h"
#include "qt/aide_test.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <vector>

class TestChampsQt : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> page;
    entry::FamilleChamps* champs = nullptr;
    entry::FamilleListes* listes = nullptr;
    std::vector<int> entrees;    // indices whose Enter ran the calculation
    std::vector<QString> ajouts; // texts seen by the extra Change handling
    QPushButton* autre = nullptr;

    QLineEdit* champ(int i) const { return champs->champ(i); }

private slots:
    void init() {
        entrees.clear();
        ajouts.clear();
        page = std::make_unique<QWidget>();
        // Sparse indices, as some control arrays have.
        champs = new entry::FamilleChamps(
            page.get(), "TxtEssai", {0, 2, 6},
            {[this](int i) { ajouts.push_back(QString::number(i) + ":" + champ(i)->text()); },
             [this](int i) { entrees.push_back(i); }});
        listes = new entry::FamilleListes(page.get(), "CmbEssai", {0, 1},
                                          [this](int i) { entrees.push_back(100 + i); });
        listes->liste(1)->addItems({"a", "b"});
        int y = 0;
        for (const int i : {0, 2, 6}) {
            champ(i)->setGeometry(0, y, 120, 22);
            y += 30;
        }
        listes->liste(1)->setGeometry(0, y, 120, 22);
        autre = new QPushButton("autre", page.get());
        autre->setGeometry(0, y + 30, 120, 22);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    }
    void cleanup() {
        page.reset();
        ModGeneral::Fixer_Separateur_Decimal(u',');
    }

    void nomsEtTexteInitial() {
        QCOMPARE(champ(6)->objectName(), QStringLiteral("TxtEssai(6)"));
        QCOMPARE(champ(6)->text(), QStringLiteral("0"));
        QVERIFY(champ(1) == nullptr);
        QCOMPARE(listes->liste(1)->objectName(), QStringLiteral("CmbEssai(1)"));
    }

    // Typed keys, each through the key filter and the cleaning.
    void frappe_data() {
        QTest::addColumn<QChar>("separateur");
        QTest::addColumn<QString>("touches");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("debutSelection");
        QTest::addColumn<int>("longueurSelection");
        QTest::addColumn<int>("curseur");
        struct Cas {
            const char* nom;
            const char* touches; // "," stands for the separator, "." for the other one
            const char* texte;
            int debut, longueur, curseur;
        };
        const Cas cas[] = {
            {"point devenu séparateur", "1.5", "1,5", -1, 0, 3},
            {"virgule devenue séparateur", "1,5", "1,5", -1, 0, 3},
            {"moins final retiré", "12-", "12", -1, 0, 2},
            {"double moins", "--", "-", -1, 0, 1},
            {"moins seul puis chiffre", "-5", "-5", -1, 0, 2},
            {"séparateur seul", ".", "0,", -1, 0, 2},
            {"zéro de tête", "05", "5", -1, 0, 1},
            {"zéros de tête", "007", "7", -1, 0, 1},
            {"zéro virgule", "0.5", "0,5", -1, 0, 3},
            {"moins zéro", "-0", "-0", -1, 0, 2},
            {"moins virgule", "-.", "0", 0, 1, 1},
            {"moins virgule puis chiffre", "-.5", "5", -1, 0, 1},
            {"lettre", "a", "0", 0, 1, 1},
            {"lettre remplacée par la frappe suivante", "a7", "7", -1, 0, 1},
            {"deux séparateurs", "1.2.", "0", 0, 1, 1},
            // Key by key, "1E" is no number yet: an exponent can only be pasted.
            {"exposant tapé", "1E3", "3", -1, 0, 1},
        };
        for (const QChar separateur : {QChar(u','), QChar(u'.')}) {
            for (const Cas& c : cas) {
                QString touches = QString::fromUtf8(c.touches);
                if (separateur == u'.') // swap the two separator keys
                    for (QChar& ch : touches)
                        ch = ch == u'.' ? u',' : ch == u',' ? u'.' : ch;
                QTest::newRow(qPrintable(QStringLiteral("%1 [%2]").arg(c.nom).arg(separateur)))
                    << separateur << touches << aide::avecSeparateur(c.texte, separateur) << c.debut
                    << c.longueur << c.curseur;
            }
        }
    }
    void frappe() {
        QFETCH(QChar, separateur);
        QFETCH(QString, touches);
        QFETCH(QString, texte);
        QFETCH(int, debutSelection);
        QFETCH(int, longueurSelection);
        QFETCH(int, curseur);
        ModGeneral::Fixer_Separateur_Decimal(separateur.unicode());
        aide::taper(champ(2), touches);
        QCOMPARE(champ(2)->text(), texte);
        QCOMPARE(champ(2)->selectionStart(), debutSelection);
        QCOMPARE(champ(2)->selectedText().size(), longueurSelection);
        QCOMPARE(champ(2)->cursorPosition(), curseur);
    }

    void texteCollePropre() {
        for (const char* propre : {"1E3", "-2,5E-3", "0,5", "-0", "-"}) {
            champs->ecrire(0, propre);
            QCOMPARE(champ(0)->text(), QString(propre));
        }
        champs->ecrire(0, ",-");
        QCOMPARE(champ(0)->text(), QStringLiteral("0,"));
        QCOMPARE(champ(0)->cursorPosition(), 2);
        QVERIFY(!champ(0)->hasSelectedText());
        champs->ecrire(0, "5-3");
        QCOMPARE(champ(0)->text(), QStringLiteral("0"));
        QCOMPARE(champ(0)->selectedText(), QStringLiteral("0"));
    }

    // Emptying a field gives "0", selected, so that the next key replaces it.
    void champVide() {
        aide::taper(champ(0), "123");
        champ(0)->selectAll();
        QTest::keyClick(champ(0), Qt::Key_Delete);
        QCOMPARE(champ(0)->text(), QStringLiteral("0"));
        QCOMPARE(champ(0)->selectedText(), QStringLiteral("0"));
        QTest::keyClicks(champ(0), "8");
        QCOMPARE(champ(0)->text(), QStringLiteral("8"));
        QTest::keyClick(champ(0), Qt::Key_Backspace);
        QCOMPARE(champ(0)->text(), QStringLiteral("0"));
    }

    // A separator typed in the middle of a number keeps the caret there.
    void separateurAuMilieu() {
        aide::taper(champ(0), "125");
        champ(0)->setCursorPosition(1);
        QTest::keyClicks(champ(0), ".");
        QCOMPARE(champ(0)->text(), QStringLiteral("1,25"));
        QCOMPARE(champ(0)->cursorPosition(), 2);
    }

    // The extra Change handling runs after the cleaning, on the cleaned text,
    // and again on each replacement the cleaning makes.
    void changementSupplementaire() {
        aide::taper(champ(6), "0");
        ajouts.clear();
        QTest::keyClicks(champ(6), "a");
        QVERIFY(!ajouts.empty());
        for (const QString& vu : ajouts)
            QCOMPARE(vu, QStringLiteral("6:0"));
        ajouts.clear();
        champs->ecrire(6, "12-");
        QCOMPARE(champ(6)->text(), QStringLiteral("12"));
        QCOMPARE(ajouts.back(), QStringLiteral("6:12"));
    }

    void entreeLanceLeCalcul() {
        QTest::keyClick(champ(6), Qt::Key_Return);
        QTest::keyClick(champ(0), Qt::Key_Enter);
        QTest::keyClick(champ(2), Qt::Key_A);
        listes->liste(1)->setFocus();
        QTest::keyClick(listes->liste(1), Qt::Key_Return);
        QTest::keyClick(listes->liste(1), Qt::Key_Down);
        QCOMPARE(entrees, (std::vector<int>{6, 0, 101}));
        QCOMPARE(listes->liste(1)->currentText(), QStringLiteral("b"));
    }

    void focusSelectionneTout() {
        champs->ecrire(2, "3,25");
        champs->ecrire(6, "78");
        champ(0)->setFocus();
        QTest::keyClick(champ(0), Qt::Key_Tab);
        QVERIFY(champ(2)->hasFocus());
        QCOMPARE(champ(2)->selectedText(), QStringLiteral("3,25"));
        // A click into a field selects its text too, instead of placing the caret.
        QTest::mouseClick(champ(6), Qt::LeftButton, {}, QPoint(5, 10));
        QVERIFY(champ(6)->hasFocus());
        QCOMPARE(champ(6)->selectedText(), QStringLiteral("78"));
        // Once focused, a click places the caret as usual.
        QTest::mouseClick(champ(6), Qt::LeftButton, {}, QPoint(100, 10));
        QCOMPARE(champ(6)->selectedText(), QString());
        champs->rendreFocus(2);
        QVERIFY(champ(2)->hasFocus());
        QCOMPARE(champ(2)->selectedText(), QStringLiteral("3,25"));
    }
};

QTEST_MAIN(TestChampsQt)
#include "champs_qt_test.moc"
