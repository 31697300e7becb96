#include "app/fenetre_aide.h"

#include "app/icone.h"

#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QSvgRenderer>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <vector>

namespace app {

namespace {

// Pages are addressed as "aide:/page.htm": links between pages resolve
// against it as against any URL, and no other scheme is ever loaded, so the
// window shows nothing but the help file's own pages.
const QString schema = QStringLiteral("aide");

QUrl adresse(const std::string& page) {
    return QUrl(schema + u':' + QString::fromStdString(page));
}

class Navigateur : public QTextBrowser {
public:
    Navigateur(const chm::FichierChm& fichier, QWidget* parent)
        : QTextBrowser(parent), fichier_(fichier) {}

    QVariant loadResource(int type, const QUrl& nom) override {
        // A page's style sheet is asked for while the page is parsed, before
        // source() names it: relative names resolve against the page loaded last.
        const QUrl url = nom.isRelative() ? page_.resolved(nom) : nom;
        if (type == QTextDocument::HtmlResource)
            page_ = url;
        const std::string* contenu =
            url.scheme() == schema ? fichier_.contenu(url.path().toStdString()) : nullptr;
        if (contenu == nullptr)
            return type == QTextDocument::HtmlResource
                       ? QVariant(QStringLiteral("<h1>Page introuvable</h1><p>Cette page n'est pas "
                                                 "dans le fichier d'aide.</p>"))
                       : QVariant();
        const QByteArray octets = QByteArray::fromStdString(*contenu);
        switch (type) {
        case QTextDocument::HtmlResource:
        case QTextDocument::StyleSheetResource:
            return QString::fromUtf8(octets);
        case QTextDocument::ImageResource:
            return image(url.path(), octets);
        default:
            return octets;
        }
    }

private:
    // Vector pictures drawn at twice their size for sharp scaling.
    static QVariant image(const QString& chemin, const QByteArray& octets) {
        if (!chemin.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
            return QImage::fromData(octets);
        QSvgRenderer dessin(octets);
        if (!dessin.isValid())
            return QVariant();
        QImage image(dessin.defaultSize() * 2, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter peintre(&image);
        dessin.render(&peintre);
        peintre.end();
        image.setDevicePixelRatio(2);
        return image;
    }

    const chm::FichierChm& fichier_;
    QUrl page_;
};

QString sansFragment(const std::string& page) {
    return QString::fromStdString(page.substr(0, page.find('#')));
}

} // namespace

FenetreAide::FenetreAide(chm::FichierChm fichier, const QString& chemin)
    : fichier_(std::move(fichier)), chemin_(chemin) {
    setObjectName(QStringLiteral("FenetreAide"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(fichier_.titre().empty() ? QStringLiteral("Aide de Brivane")
                                            : QString::fromStdString(fichier_.titre()));
    setWindowIcon(iconeBrivane());

    auto* precedent = new QPushButton(QStringLiteral("< Précédent"));
    precedent->setObjectName(QStringLiteral("BoutonPrecedent"));
    auto* suivant = new QPushButton(QStringLiteral("Suivant >"));
    suivant->setObjectName(QStringLiteral("BoutonSuivant"));
    auto* accueil = new QPushButton(QStringLiteral("Accueil"));
    accueil->setObjectName(QStringLiteral("BoutonAccueil"));
    for (QPushButton* bouton : {precedent, suivant, accueil})
        bouton->setFocusPolicy(Qt::TabFocus);
    precedent->setEnabled(false);
    suivant->setEnabled(false);

    sommaire_ = new QTreeWidget;
    sommaire_->setObjectName(QStringLiteral("SommaireAide"));
    sommaire_->setHeaderHidden(true);
    std::vector<QTreeWidgetItem*> parents;
    for (const chm::EntreeSommaire& entree : fichier_.sommaire()) {
        const auto niveau = static_cast<std::size_t>(entree.niveau);
        parents.resize(std::min(parents.size(), niveau));
        auto* element =
            parents.empty() ? new QTreeWidgetItem(sommaire_) : new QTreeWidgetItem(parents.back());
        element->setText(0, QString::fromStdString(entree.titre));
        element->setData(0, Qt::UserRole, sansFragment(entree.page));
        element->setData(0, Qt::UserRole + 1, QString::fromStdString(entree.page));
        parents.push_back(element);
    }
    sommaire_->expandAll();

    navigateur_ = new Navigateur(fichier_, this);
    navigateur_->setObjectName(QStringLiteral("NavigateurAide"));

    auto* partage = new QSplitter;
    partage->addWidget(sommaire_);
    partage->addWidget(navigateur_);
    partage->setStretchFactor(1, 1);
    partage->setSizes({230, 670});

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(precedent);
    boutons->addWidget(suivant);
    boutons->addWidget(accueil);
    boutons->addStretch();
    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(boutons);
    disposition->addWidget(partage);
    resize(900, 620);

    connect(precedent, &QPushButton::clicked, navigateur_, &QTextBrowser::backward);
    connect(suivant, &QPushButton::clicked, navigateur_, &QTextBrowser::forward);
    connect(accueil, &QPushButton::clicked, this, [this] { afficher({}); });
    connect(navigateur_, &QTextBrowser::backwardAvailable, precedent, &QPushButton::setEnabled);
    connect(navigateur_, &QTextBrowser::forwardAvailable, suivant, &QPushButton::setEnabled);
    connect(navigateur_, &QTextBrowser::sourceChanged, this, &FenetreAide::suivreSommaire);
    connect(sommaire_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* element) {
        if (element != nullptr && !element->data(0, Qt::UserRole).toString().isEmpty())
            afficher(element->data(0, Qt::UserRole + 1).toString().toStdString());
    });
}

void FenetreAide::afficher(const std::string& page) {
    navigateur_->setSource(adresse(page.empty() ? fichier_.pageParDefaut() : page));
}

// The contents line of the page shown is the current one.
void FenetreAide::suivreSommaire(const QUrl& adresse) {
    const QString page = adresse.path();
    const QSignalBlocker bloque(sommaire_);
    for (QTreeWidgetItemIterator i(sommaire_); *i != nullptr; ++i)
        if ((*i)->data(0, Qt::UserRole).toString() == page) {
            sommaire_->setCurrentItem(*i);
            return;
        }
    sommaire_->setCurrentItem(nullptr);
}

} // namespace app
