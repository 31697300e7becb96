#include "qt/banc.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

namespace banc {

void taper(QLineEdit* champ, const QString& touches) {
    champ->setFocus(Qt::OtherFocusReason);
    champ->selectAll();
    QTest::keyClicks(champ, touches);
}

QString vu(const QLineEdit* champ) {
    QString texte = champ->text();
    if (champ->hasSelectedText())
        return texte.insert(champ->selectionEnd(), u']').insert(champ->selectionStart(), u'[');
    return texte.insert(champ->cursorPosition(), u'|');
}

QString sep(QString texte) {
    return texte.replace(u',', QChar(ModGeneral::Separateur_Decimal()));
}

QString repondreBoite(const std::function<void()>& action) {
    QString vue;
    // The box runs its own event loop: look for it from a timer.
    QTimer minuterie;
    QObject::connect(&minuterie, &QTimer::timeout, [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boite == nullptr)
            return;
        minuterie.stop();
        vue = QStringList{boite->windowTitle(), QString::number(boite->icon()),
                          QString::number(boite->buttons().size()), boite->text()}
                  .join(" | ");
        boite->button(QMessageBox::Ok) ? boite->button(QMessageBox::Ok)->click() : boite->reject();
    });
    minuterie.start(10);
    action();
    minuterie.stop();
    return vue;
}

QStringList menuContextuel(QWidget* w, const QString& choix) {
    const QPoint ou = w->rect().center();
    QContextMenuEvent clic(QContextMenuEvent::Mouse, ou, w->mapToGlobal(ou));
    QApplication::sendEvent(w, &clic);
    auto* ouvert = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (ouvert == nullptr)
        return {};
    QStringList entrees;
    QAction* choisie = nullptr;
    for (QAction* action : ouvert->actions()) {
        entrees << (action->isSeparator() ? QStringLiteral("--") : action->text());
        if (!choix.isEmpty() && action->text() == choix)
            choisie = action;
    }
    ouvert->close();
    if (choisie != nullptr)
        choisie->trigger();
    return entrees;
}

QString feuilleCopiee(QWidget* w) {
    menuContextuel(w, QStringLiteral("Copier la feuille de calcul"));
    return QApplication::clipboard()->text();
}

QString avertissement(const QString& message, QMessageBox::Icon icone) {
    return QString("Brivane. | %1 | 1 | ").arg(icone) + message;
}

QString BancPage::textes(const char* famille, int nombre) const {
    QStringList vus;
    for (int i = 0; i < nombre; ++i)
        vus << controle<QWidget>(famille, i)->property("text").toString();
    return vus.join(u' ');
}

void BancPage::verifierTabulation(QWidget* depart, const QList<QWidget*>& attendus) {
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page.get()));
    depart->setFocus();
    for (QWidget* attendu : attendus) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), attendu);
    }
}

void BancPage::initTestCase() {
    app::preparerApplication(*qApp);
}

void BancPage::init() {
    ModGeneral::Fixer_Separateur_Decimal(u',');
    for (int i = 0; i < static_cast<int>(tabs::onglets().size()); ++i)
        if (QByteArray(tabs::onglets()[static_cast<std::size_t>(i)].nomPage) == nomPage_)
            page.reset(tabs::creerPage(i));
    QVERIFY(page != nullptr);
    page->demarrer();
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
}

void BancFenetre::initTestCase() {
    app::preparerApplication(*qApp);
}

void BancFenetre::ouvrir(const QByteArray& locale, int numero) {
    for (const char* variable : {"LC_NUMERIC", "LANG"})
        qunsetenv(variable);
    qputenv("LC_ALL", locale);
    fenetre = std::make_unique<app::FrmBrivane>();
    fenetre->show();
    if (numero >= 0)
        onglet()->setCurrentIndex(numero);
}

void BancFenetre::saisir(const QStringList& saisie) {
    QWidget* dernier = nullptr;
    for (const QString& s : saisie) {
        dernier = fenetre->findChild<QWidget*>(s.section(u'=', 0, 0));
        QVERIFY2(dernier != nullptr, qPrintable(s));
        if (auto* liste = qobject_cast<QComboBox*>(dernier)) {
            liste->setCurrentText(s.section(u'=', 1));
            emit liste->activated(liste->currentIndex());
        } else if (auto* champ = qobject_cast<QLineEdit*>(dernier))
            taper(champ, sep(s.section(u'=', 1)));
        else
            repondreBoite([dernier] { cliquer(dernier); });
    }
    if (qobject_cast<QLineEdit*>(dernier) != nullptr)
        repondreBoite([dernier] { entree(dernier); });
}

} // namespace banc
