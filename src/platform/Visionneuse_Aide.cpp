#include "platform/Visionneuse_Aide.hpp"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/Installation.hpp"

TAideForm::TAideForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Aide de Tavelune"));
    resize(620, 480);
    auto* colonne = new QVBoxLayout(this);
    auto* ligne = new QHBoxLayout;
    BSommaire = new QPushButton(QStringLiteral("&Sommaire"), this);
    BRetour = new QPushButton(QStringLiteral("&Retour"), this);
    setAttribute(Qt::WA_QuitOnClose, false);
    BFermer = new QPushButton(QStringLiteral("&Fermer"), this);
    ligne->addWidget(BSommaire);
    ligne->addWidget(BRetour);
    ligne->addStretch();
    ligne->addWidget(BFermer);
    colonne->addLayout(ligne);
    Texte = new QTextBrowser(this);
    Texte->setOpenExternalLinks(true);
    colonne->addWidget(Texte);
    BRetour->setEnabled(false);
    connect(Texte, &QTextBrowser::backwardAvailable, BRetour, &QPushButton::setEnabled);
    // The title tells the page shown.
    connect(Texte, &QTextBrowser::sourceChanged, this, [this] {
        const QString titre = Texte->documentTitle();
        setWindowTitle(titre.isEmpty() ? QStringLiteral("Aide de Tavelune")
                                       : QStringLiteral("Aide de Tavelune : ") + titre);
    });
    connect(BRetour, &QPushButton::clicked, Texte, &QTextBrowser::backward);
    connect(BSommaire, &QPushButton::clicked, this, [this] {
        const QString dossier = QFileInfo(Texte->source().toLocalFile()).absolutePath();
        Charge(dossier + QLatin1Char('/') + Aide_Fenetre::Nom_Page(0));
    });
    connect(BFermer, &QPushButton::clicked, this, &QWidget::close);
}

bool TAideForm::Charge(const QString& chemin) {
    if (!QFileInfo(chemin).isFile()) return false;
    Texte->setSource(QUrl::fromLocalFile(chemin));
    return true;
}

Aide_Fenetre::Aide_Fenetre(const QString& dossier)
    : dossier_(dossier.isEmpty() ? Installation::Dossier_Aide() : dossier) {}

Aide_Fenetre::~Aide_Fenetre() {
    if (QCoreApplication::instance()) delete fenetre_.data();
}

QString Aide_Fenetre::Nom_Page(int sujet) {
    return sujet <= 0 ? QStringLiteral("index.html") : QStringLiteral("%1.html").arg(sujet);
}

void Aide_Fenetre::Ouvre(QWidget* parent, int sujet) {
    const QString chemin = dossier_ + QLatin1Char('/') + Nom_Page(sujet);
    if (!QFileInfo(chemin).isFile()) {
        const QString texte =
            sujet <= 0 ? QStringLiteral("La page d'accueil de l'aide est introuvable :\n%1").arg(chemin)
                       : QStringLiteral("La page d'aide n° %1 est introuvable :\n%2").arg(sujet).arg(chemin);
        Plateforme::Message_Erreur(parent, texte);
        return;
    }
    // The viewer belongs to the window that asked, so that it can be used
    // while that window is shown modally.
    QWidget* proprietaire = parent ? parent->window() : nullptr;
    if (!fenetre_) fenetre_ = new TAideForm(proprietaire);
    else if (fenetre_->parentWidget() != proprietaire) {
        const QRect place = fenetre_->geometry();
        fenetre_->setParent(proprietaire, Qt::Window);
        fenetre_->setGeometry(place);
    }
    fenetre_->Charge(chemin);
    if (!fenetre_->isVisible() && proprietaire)
        fenetre_->move(proprietaire->geometry().center() - fenetre_->rect().center());
    fenetre_->show();
    fenetre_->raise();
    fenetre_->activateWindow();
}

void Aide_Fenetre::Ferme() {
    if (fenetre_) fenetre_->close();
}
