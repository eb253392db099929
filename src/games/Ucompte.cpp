#include "games/Ucompte.hpp"

#include <QApplication>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"
#include "platform/Services.hpp"

namespace {

TFenetreBase::Description Description_Compte() {
    TFenetreBase::Description d;
    d.caption = QStringLiteral(
        "Avec les nombres des 6 plaques et les 4 opérations, réaliser exactement le nombre ci-dessous :");
    d.aide = 180;
    d.niveaux = 3;
    d.client = QSize(632, 446);
    d.fond = QColor(0, 0, 128);
    d.fond_riche = QColor(57, 51, 125);
    return d;
}

const QColor Bleu(0, 0, 255);
const QColor Rouge(255, 0, 0);

QFont Police(int px, bool gras = true) {
    QFont f = QApplication::font();
    f.setPixelSize(px);
    f.setBold(gras);
    return f;
}

void Couleur_Texte(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

std::string Texte(const TEntree* e) { return e->text().toStdString(); }

}  // namespace

TCompteF::TCompteF(QWidget* parent) : TJeuForm(Description_Compte(), parent) {
    Fin_Constructeur();
}

void TCompteF::Construit_Enfants() {
    TJeuForm::Construit_Enfants();
    setObjectName(QStringLiteral("TCompteF"));
    setToolTip(QStringLiteral("Déplacer les nombres et les signes opératoires par glisser-lâcher"));
    const QColor blanc(Qt::white);

    Panel7 = new QWidget(this);
    Panel7->setObjectName(QStringLiteral("Panel7"));
    Panel7->setGeometry(8, 8, 452, 58);
    Colore(Panel7, QColor(20, 20, 70));
    const QColor jaune = Palette_Riche() ? QColor(255, 210, 0) : QColor(255, 255, 0);
    for (int k = 0; k < 6; ++k) {
        auto* p = new TMovPanel(Panel7);
        p->setObjectName(QStringLiteral("Panel%1").arg(k + 1));
        p->setGeometry(9 + k * 73, 8, 67, 42);
        p->setColor(jaune);
        p->setBevelWidth(2);
        p->setFont(Police(22));
        p->setDragMode(dmAutomatic);
        p->setCursor(Qt::OpenHandCursor);
        Panel[static_cast<std::size_t>(k)] = p;
    }
    Panel_nombre = new QLabel(this);
    Panel_nombre->setObjectName(QStringLiteral("Panel_nombre"));
    Panel_nombre->setGeometry(472, 8, 152, 58);
    Panel_nombre->setAlignment(Qt::AlignCenter);
    Panel_nombre->setFont(Police(34));
    Panel_nombre->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel_nombre->setLineWidth(2);
    Colore(Panel_nombre, Qt::black, QColor(255, 255, 0));
    Panel_nombre->setToolTip(QStringLiteral("le nombre à réaliser"));

    const char* signes[] = {"  + ", "  - ", "  x ", "  : "};
    for (int k = 0; k < 4; ++k) {
        auto* t = new TMovPanel(this);
        t->setObjectName(QStringLiteral("StaticText%1").arg(k + 1));
        t->setCaption(QString::fromLatin1(signes[k]));
        t->setGeometry(8 + k * 56, 76, 48, 36);
        t->setColor(QColor(230, 230, 230));
        t->setFont(Police(22));
        t->setDragMode(dmAutomatic);
        t->setCursor(Qt::OpenHandCursor);
        StaticText[static_cast<std::size_t>(k)] = t;
    }
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(240, 76, 220, 36);
    Label2->setFont(Police(18));
    Couleur_Texte(Label2, blanc);

    l_niv->setGeometry(560, 80, 60, 26);
    Couleur_Texte(l_niv, blanc);

    const QString noms_s[] = {"S1", "s2", "s3", "s4", "s5", "s6"};
    const QString noms_rep[] = {"PanelRep1", "PanelRep2", "PanelRep3", "PanelRep4", "PanelRep5", "PanelREp6"};
    for (int k = 0; k < 6; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const int n = k + 1;
        auto* ligne = new QWidget(this);
        ligne->setObjectName(noms_rep[k]);
        ligne->setGeometry(8, 122 + k * 48, 340, 42);
        Colore(ligne, QColor(80, 80, 170));
        PanelRep[i] = ligne;
        auto entree = [&](const QString& nom, int x, int w, int longueur) {
            auto* e = new TEntree(ligne);
            e->setObjectName(nom);
            e->setGeometry(x, 5, w, 32);
            e->setFont(Police(20));
            e->setMaxLength(longueur);
            e->setCouleurs(QColor(255, 255, 0), Qt::white);
            e->setProperty("tag", n);
            Couleur_Texte(e, Bleu);
            connect(e, &QLineEdit::textChanged, this, [this, n] { Ligne_Change(n); });
            connect(e, &TEntree::ClicDroit, this, [this, e] { Clic_Droit(e); });
            return e;
        };
        E1[i] = entree(QStringLiteral("E%11").arg(n), 6, 80, 5);
        S[i] = entree(noms_s[k], 92, 36, 1);
        E2[i] = entree(QStringLiteral("E%12").arg(n), 134, 80, 5);
        auto* egal = new QLabel(QStringLiteral("="), ligne);
        egal->setGeometry(218, 5, 22, 32);
        egal->setAlignment(Qt::AlignCenter);
        egal->setFont(Police(22));
        Couleur_Texte(egal, blanc);
        E3[i] = entree(QStringLiteral("E%13").arg(n), 244, 90, 5);
        for (TEntree* e : {E1[i], E2[i], E3[i]})
            e->setFiltre([](char32_t c, int, const std::u32string&) { return Compte::Filtre_Nombre(c); });
        S[i]->setFiltre([](char32_t c, int, const std::u32string&) { return Compte::Filtre_Operation(c); });
        for (TEntree* e : {E1[i], E2[i]}) {
            connect(e, &TEntree::DragOver, this,
                    [this, n](QObject* source, int, int, TDragState, bool& accepte) {
                        accepte = Accepte_Nombre(source, n);
                    });
            connect(e, &TEntree::DragDrop, this, [this, e](QObject* source, int, int) { Depose_Nombre(e, source); });
        }
        connect(S[i], &TEntree::DragOver, this, [this](QObject* source, int, int, TDragState, bool& accepte) {
            accepte = std::find(StaticText.begin(), StaticText.end(), source) != StaticText.end();
        });
        connect(S[i], &TEntree::DragDrop, this, [this, i](QObject* source, int, int) {
            if (auto* t = qobject_cast<TMovPanel*>(source))
                S[i]->setText(QString::fromStdString(Commune::Enleve_Espaces(t->Caption().toStdString())));
        });
        // Enter moves on through the line, and to the next line once shown.
        connect(E1[i], &TEntree::Entree, S[i], [this, i] { S[i]->setFocus(); });
        connect(S[i], &TEntree::Entree, E2[i], [this, i] { E2[i]->setFocus(); });
        connect(E2[i], &TEntree::Entree, E3[i], [this, i] { E3[i]->setFocus(); });
        connect(E3[i], &TEntree::Entree, this, [this, i] {
            if (i + 1 < PanelRep.size() && PanelRep[i + 1]->isVisible()) E1[i + 1]->setFocus();
            else if (Button3->isEnabled()) Button3Click();
        });
    }

    MovPanel1 = new TMovPanel(this);
    MovPanel1->setObjectName(QStringLiteral("MovPanel1"));
    MovPanel1->setGeometry(360, 122, 264, 200);
    MovPanel1->setColor(QColor(255, 255, 225));
    MovPanel1->setBevelWidth(2);
    auto* titre = new QLabel(QStringLiteral("Une solution possible"), MovPanel1);
    titre->setGeometry(4, 4, 256, 26);
    titre->setAlignment(Qt::AlignCenter);
    titre->setFont(Police(16));
    Colore(titre, QColor(0, 0, 128), Qt::white);
    titre->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1 = new QLabel(MovPanel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 34, 248, 160);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFont(Police(20));
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Couleur_Texte(Label1, Rouge);
    MovPanel1->hide();

    auto bouton = [this](const QString& texte, const QString& nom, const QString& bulle, QRect g) {
        auto* b = new TBoutonJeu(texte, this);
        b->setObjectName(nom);
        b->setToolTip(bulle);
        b->setGeometry(g);
        b->setFont(Police(15));
        return b;
    };
    Button1 = bouton(QStringLiteral("&Continuer"), "Button1", QString(), QRect(360, 330, 124, 36));
    Button3 = bouton(QStringLiteral("C&onfirmer"), "Button3", QStringLiteral("valider la réponse proposée"),
                     QRect(496, 330, 128, 36));
    btnAbandon = bouton(QStringLiteral("Réponse"), "btnAbandon", QStringLiteral("demander la réponse à l'ordinateur"),
                        QRect(360, 374, 124, 36));
    BtnAnnul = bouton(QStringLiteral("A"), "BtnAnnul", QStringLiteral("Annuler tous les calculs"),
                      QRect(496, 374, 40, 36));
    BBScore->setGeometry(542, 374, 38, 36);
    BBAide->setGeometry(586, 374, 38, 36);
    connect(Button1, &TBoutonJeu::Presse, this, &TCompteF::Button1Click);
    connect(Button3, &TBoutonJeu::Presse, this, &TCompteF::Button3Click);
    connect(btnAbandon, &TBoutonJeu::Presse, this, &TCompteF::btnAbandonClick);
    connect(BtnAnnul, &TBoutonJeu::Presse, this, &TCompteF::BtnAnnulClick);
    for (QPushButton* b : {static_cast<QPushButton*>(Button1), static_cast<QPushButton*>(Button3),
                           static_cast<QPushButton*>(btnAbandon), static_cast<QPushButton*>(BtnAnnul)})
        b->setAutoDefault(false);
    Button3->setEnabled(false);
    btnAbandon->setEnabled(false);
    BtnAnnul->setEnabled(false);
}

void TCompteF::FormActivate() {
    TJeuForm::FormActivate();
    Button1Click();
}

void TCompteF::Button1Click() {
    Nouvelle_Partie();
    Met_A_Jour_Panneaux();
    Commune::Compte_Exercice();
    niveau_ = SlideBar1->Position();
    l_niv->setText(QString::number(niveau_));
    Label2->setText(QStringLiteral("Patience..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Curseur {
        ~Curseur() { QApplication::restoreOverrideCursor(); }
    } curseur;

    for (TMovPanel* p : Panel) p->setCaption(QString());
    Panel_nombre->clear();
    Panel7->setEnabled(false);
    for (QWidget* l : PanelRep) l->setEnabled(true);
    Button1->setEnabled(false);
    btnAbandon->setEnabled(false);
    BtnAnnul->setEnabled(false);
    Button3->setEnabled(false);
    finie_ = false;
    Vide_Lignes();
    MovPanel1->hide();
    E1[0]->setFocus();
    repaint();

    Randomize();
    // The search hands the window its events every few milliseconds; a close
    // (or a new draw) meanwhile abandons it.
    auto partie = Compte::Tire_Soluble(niveau_, Tour_Evenements());
    if (!partie) return;
    partie_ = std::move(*partie);

    Label2->clear();
    Panel_nombre->setText(QString::number(partie_.tirage.cible));
    static const char* roulement[] = {"1", "2", "3", "4", "5", "10", "15", "20", "25", "50"};
    for (std::size_t k = 0; k < Panel.size(); ++k) {
        for (int t = 0; t < 20; ++t) {
            Panel[k]->setCaption(QString::fromLatin1(roulement[Random(10)]));
            Panel[k]->repaint();
            // A close (or a new draw) during the roll ends it here.
            if (!Pause(30)) return;
        }
        Panel[k]->setCaption(QString::number(partie_.tirage.plaques[k]));
    }
    Panel7->setEnabled(true);
    btnAbandon->setEnabled(true);
    BtnAnnul->setEnabled(true);
}

void TCompteF::Vide_Lignes() {
    for (std::size_t i = 0; i < PanelRep.size(); ++i)
        for (TEntree* e : {E1[i], S[i], E2[i], E3[i]}) {
            Rend_Glissable(e, false);
            e->setText(QString());
        }
    for (std::size_t i = 1; i < PanelRep.size(); ++i) PanelRep[i]->hide();
    PanelRep[0]->show();
}

void TCompteF::Rend_Glissable(TEntree* e, bool oui) {
    e->setGlissable(oui);
    e->setReadOnly(oui);
    e->setCursor(oui ? Qt::OpenHandCursor : Qt::IBeamCursor);
    Couleur_Texte(e, oui ? Rouge : Bleu);
}

void TCompteF::Ligne_Change(int n) {
    const auto i = static_cast<std::size_t>(n - 1);
    // Each line is shown while the one above it has a result that is not the
    // target yet.
    for (std::size_t k = 0; k + 1 < PanelRep.size(); ++k) {
        const Compte::Ligne l{Texte(E1[k]), Texte(S[k]), Texte(E2[k]), Texte(E3[k])};
        PanelRep[k + 1]->setVisible(PanelRep[k]->isVisible() &&
                                    Compte::Montre_Suivante(l, partie_.tirage.cible));
    }
    if (E3[i]->text().isEmpty() && E3[i]->Glissable()) Rend_Glissable(E3[i], false);
    const bool complete = !E1[i]->text().isEmpty() && !S[i]->text().isEmpty() && !E2[i]->text().isEmpty() &&
                          !E3[i]->text().isEmpty();
    Button3->setEnabled(complete && btnAbandon->isEnabled());
}

void TCompteF::Clic_Droit(TEntree* e) {
    if (std::find(E3.begin(), E3.end(), e) != E3.end()) {
        if (!e->text().isEmpty() && e->isEnabled()) Rend_Glissable(e, !e->Glissable());
        return;
    }
    Plateforme::Message_Erreur(this, QStringLiteral("Utilisez le bouton gauche !"));
}

bool TCompteF::Accepte_Nombre(QObject* source, int ligne) const {
    if (std::find(Panel.begin(), Panel.end(), source) != Panel.end()) return true;
    const auto r = std::find(E3.begin(), E3.end(), source);
    if (r == E3.end() || !(*r)->Glissable()) return false;
    return static_cast<int>(r - E3.begin()) + 1 < ligne;
}

void TCompteF::Depose_Nombre(TEntree* cible, QObject* source) {
    const auto p = std::find(Panel.begin(), Panel.end(), source);
    if (p != Panel.end()) {
        cible->setText(QString::number(partie_.tirage.plaques[static_cast<std::size_t>(p - Panel.begin())]));
        return;
    }
    if (auto* e = qobject_cast<TEntree*>(source)) cible->setText(e->text());
}

void TCompteF::Termine() {
    for (QWidget* l : PanelRep) l->setEnabled(false);
    btnAbandon->setEnabled(false);
    Button3->setEnabled(false);
    BtnAnnul->setEnabled(false);
    Button1->setEnabled(true);
    finie_ = true;
}

void TCompteF::Montre_Solution() {
    QString s = QString::fromStdString(partie_.solution);
    while (s.endsWith('\n')) s.chop(1);
    Label1->setText(s);
    MovPanel1->move(360, 122);
    MovPanel1->show();
    MovPanel1->raise();
}

void TCompteF::Button3Click() {
    if (finie_ || !btnAbandon->isEnabled()) return;
    Termine();
    std::array<Compte::Ligne, Compte::Lignes> lignes;
    for (std::size_t i = 0; i < lignes.size(); ++i)
        lignes[i] = {Texte(E1[i]), Texte(S[i]), Texte(E2[i]), Texte(E3[i])};
    const Compte::Jugement j = Compte::Juge(partie_.tirage.plaques, partie_.tirage.cible, lignes);
    const QString message = QString::fromStdString(j.message);
    if (j.style == Compte::Jugement::Simple) Plateforme::Message_Simple(this, message);
    else if (j.style == Compte::Jugement::Erreur) Plateforme::Message_Erreur(this, message);
    if (j.juste) {
        Commune::Note_Juste(Compte::Points, niveau_);
        Plateforme::Message_Information(this, QStringLiteral("BRAVO c'est juste"));
    } else {
        Commune::Note_Faux(Compte::Points, niveau_);
        Montre_Solution();
    }
    Met_A_Jour_Panneaux();
}

void TCompteF::btnAbandonClick() {
    if (finie_ || !btnAbandon->isEnabled()) return;
    if (!Plateforme::Message_Confirmation(this,
                                          QStringLiteral("Voulez-vous réellement abandonner et obtenir la solution")))
        return;
    // The answer may come after the window closed or a new draw began.
    if (finie_ || !btnAbandon->isEnabled()) return;
    Commune::Note_Faux(Compte::Points, niveau_);
    Montre_Solution();
    Termine();
    Met_A_Jour_Panneaux();
}

void TCompteF::BtnAnnulClick() {
    if (E1[0]->text().isEmpty() || S[0]->text().isEmpty() || E2[0]->text().isEmpty()) return;
    if (Plateforme::Message(this, Plateforme::Style::Avertissement,
                            QStringLiteral("Voulez-vous annuler tous les calculs déjà posés"),
                            {Plateforme::Bouton::Oui, Plateforme::Bouton::Non}) != Plateforme::Bouton::Oui)
        return;
    if (finie_) return;
    Vide_Lignes();
    E1[0]->setFocus();
}

bool TCompteF::FormCloseQuery() {
    if (!finie_ && btnAbandon->isEnabled()) btnAbandonClick();
    return true;
}
