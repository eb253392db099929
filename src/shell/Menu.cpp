#include "shell/Menu.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QUrl>
#include <vector>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"
#include "platform/Services.hpp"
#include "shell/Fenetres.hpp"
#include "shell/KbdLock.hpp"
#include "shell/Resultats.hpp"
#include "shell/Uscore.hpp"

const QString TMenuForm::Adresse_Catalogue = QStringLiteral("https://fr.wikipedia.org/wiki/Manuel_scolaire");
const QString TMenuForm::Titre_Programme = QStringLiteral("Tavelune, exercices et jeux de calcul");

namespace {

struct Element {
    const char* caption;
    std::vector<Element> sous;
};

// The menu bar, in the order the pupil sees it. Each leaf opens the window
// whose table entry (Fenetres.cpp) names this menu path.
const std::vector<Element>& Arbre() {
    static const std::vector<Element> arbre{
        {"Entiers &Naturels",
         {{"Calcul Mental", {}},
          {"Opérations", {{"Addition", {}}, {"Soustraction", {}}, {"Multiplication", {}}, {"Division", {}}}},
          {"Multiples", {}},
          {"Diviseurs", {}},
          {"Nombres premiers", {}},
          {"Puissances", {}},
          {"Décomposition", {}},
          {"Le range-nombres", {}},
          {"Le compte est toujours bon", {}}}},
        {"Entiers &Relatifs",
         {{"Addition", {}},
          {"Soustraction", {}},
          {"Multiplication", {}},
          {"Puissances", {}},
          {"Division", {}},
          {"Mélange", {}},
          {"Parenthèses", {}},
          {"Max Relatif", {}}}},
        {"Ra&tionnels",
         {{"Simplification", {}},
          {"Réduction au même dénominateur", {}},
          {"Addition", {}},
          {"Soustraction", {}},
          {"Multiplication", {}},
          {"Puissances", {}},
          {"Division", {}},
          {"Mélange", {}},
          {"Le démineur irréductible", {}}}},
        {"Décimaux",
         {{"Rangement", {}},
          {"Insertion", {}},
          {"Calculs", {{"Addition", {}}, {"Soustraction", {}}, {"Multiplication", {}}, {"Division", {}}}},
          {"Encadrement", {}},
          {"Arrondissement", {}},
          {"Le taquin décimal", {}}}},
        {"Ré&els",
         {{"Ecriture scientifique", {}},
          {"Racines carrées", {}},
          {"Equations 1er degré", {{"Apprentissage", {}}, {"Exercices", {}}}},
          {"Systèmes", {}},
          {"Inéquations", {}},
          {"Equations 2 ème degré", {}},
          {"Suites", {{"arithmétiques", {}}, {"géométriques", {}}}},
          {"Dérivées", {}},
          {"La mémoire réelle", {}}}},
        {"N&ouveau", {}},
        {"&Aide", {}},
        {"&Scores", {}},
        {"A propos", {}},
    };
    return arbre;
}

const QString Separateur = QStringLiteral(" > ");

QPixmap Dessine_Tuile(bool riche) {
    // A quiet chequer of soft squares with a light diagonal grain.
    QPixmap t(48, 48);
    QPainter p(&t);
    if (riche) {
        QLinearGradient g(0, 0, 48, 48);
        g.setColorAt(0, QColor(214, 226, 246));
        g.setColorAt(1, QColor(196, 212, 240));
        p.fillRect(t.rect(), g);
        p.fillRect(QRect(0, 0, 24, 24), QColor(255, 255, 255, 40));
        p.fillRect(QRect(24, 24, 24, 24), QColor(255, 255, 255, 40));
        p.setPen(QColor(255, 255, 255, 70));
        for (int i = -48; i < 48; i += 6) p.drawLine(i, 0, i + 48, 48);
    } else {
        p.fillRect(t.rect(), QColor(192, 192, 192));
        p.fillRect(QRect(0, 0, 24, 24), QColor(208, 208, 208));
        p.fillRect(QRect(24, 24, 24, 24), QColor(208, 208, 208));
    }
    return t;
}

const char* const Style_Menus = R"(
QMenuBar { background: rgb(236,236,236); color: navy; }
QMenuBar::item { background: transparent; color: navy; padding: 3px 8px; }
QMenuBar::item:selected { background: rgb(208,192,254); color: red; }
QMenuBar::item:disabled { color: gray; }
QMenu { background-color: rgb(236,236,236); color: navy; border: 1px solid rgb(160,160,160);
        background-image: url(:/bande_menu.png); background-repeat: repeat-y; background-position: left;
        padding: 2px 0px 2px 20px; }
QMenu::item { padding: 4px 24px 4px 8px; color: navy; }
QMenu::item:selected { background: rgb(208,192,254); color: red; }
QMenu::item:disabled { color: gray; }
QMenu::item:disabled:selected { background: rgb(224,224,224); color: gray; }
)";

}  // namespace

// The window's surface: paints the tiles under the controls.
class Surface_Menu : public QWidget {
public:
    explicit Surface_Menu(TMenuForm* f) : QWidget(f), f_(f) {}

protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter p(this);
        f_->FormPaint(p, e->rect());
    }

private:
    TMenuForm* f_;
};

TMenuForm::TMenuForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromStdString(Commune::Version) + QLatin1Char(' ') + Titre_Programme);
    setMinimumSize(640, 480);
    auto* surface = new Surface_Menu(this);
    surface->setMouseTracking(true);
    setCentralWidget(surface);

    MainMenu1 = menuBar();
    Construit_Menus();

    // Identity entry.
    Panel1 = new QFrame(surface);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setFixedSize(265, 152);
    Panel1->setAutoFillBackground(true);
    QFont police_entree;
    police_entree.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    police_entree.setPixelSize(15);
    auto ligne = [&](QLabel*& l, QLineEdit*& e, const QString& texte, int y, int longueur) {
        l = new QLabel(texte, Panel1);
        l->setGeometry(16, y + 3, 70, 20);
        e = new QLineEdit(Panel1);
        e->setGeometry(90, y, 158, 26);
        e->setMaxLength(longueur);
        e->setFont(police_entree);
        e->installEventFilter(this);
        connect(e, &QLineEdit::textChanged, this, &TMenuForm::Edit3Change);
    };
    ligne(Label2, Edit1, QStringLiteral("Nom :"), 14, 14);
    ligne(Label3, Edit2, QStringLiteral("Prénom :"), 48, 12);
    ligne(Label1, Edit3, QStringLiteral("Classe :"), 82, 8);
    QPalette bleu = Edit1->palette();
    bleu.setColor(QPalette::Text, Qt::blue);
    Edit1->setPalette(bleu);
    // The surname and the class are kept in capitals.
    for (QLineEdit* e : {Edit1, Edit3})
        connect(e, &QLineEdit::textEdited, this, [e](const QString& t) {
            const QString haut = t.toUpper();
            if (haut == t) return;
            const int curseur = e->cursorPosition();
            e->setText(haut);
            e->setCursorPosition(std::min(curseur, int(e->text().size())));
        });
    BitBtn2 = new QPushButton(QStringLiteral("OK"), Panel1);
    BitBtn2->setGeometry(90, 116, 90, 28);
    BitBtn2->setDefault(true);
    BitBtn2->setEnabled(false);
    connect(BitBtn2, &QPushButton::clicked, this, &TMenuForm::BitBtn2Click);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, BitBtn2);

    // Usage clock.
    Panel2 = new QLabel(QStringLiteral("00:00:00"), surface);
    Panel2->setToolTip(QStringLiteral("Temps d'utilisation"));
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setAutoFillBackground(true);
    QFont serif;
    serif.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    serif.setStyleHint(QFont::Serif);
    serif.setPixelSize(16);
    Panel2->setFont(serif);
    Panel2->setFixedSize(92, 26);
    QPalette pp = Panel2->palette();
    pp.setColor(QPalette::Window, QColor(0, 0, 128));
    pp.setColor(QPalette::WindowText, Qt::yellow);
    Panel2->setPalette(pp);

    BitBtn1 = new QPushButton(QStringLiteral("&Fermer"), surface);
    BitBtn1->setFixedSize(96, 30);
    // Looking the icon up in the desktop's theme takes longer than building
    // the window: it comes once the window is on the screen.
    QTimer::singleShot(0, BitBtn1, [b = BitBtn1] { b->setIcon(QIcon::fromTheme(QStringLiteral("window-close"))); });
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);

    // The two list panels.
    QFont courier;
    courier.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    courier.setStyleHint(QFont::Monospace);
    courier.setPixelSize(11);
    auto panneau = [&](TWinPanel*& wp, auto*& lb, QPushButton*& e, QPushButton*& i, const QColor& fond_titre) {
        wp = new TWinPanel(surface);
        wp->setCoulTitre(Qt::white);
        wp->setCoulFondTitre(fond_titre);
        wp->setPosTitre(Qt::AlignHCenter);
        wp->hide();
        lb = new std::remove_reference_t<decltype(*lb)>(wp);
        lb->setFont(courier);
        lb->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        e = new QPushButton(QStringLiteral("E"), wp);
        e->setToolTip(QStringLiteral("Efface la liste (sans confirmation)"));
        e->setFixedSize(28, 24);
        i = new QPushButton(QStringLiteral("I"), wp);
        i->setToolTip(QStringLiteral("Imprime la liste"));
        i->setFixedSize(28, 24);
        connect(wp->BoutonFermer(), &QPushButton::clicked, wp, &QWidget::hide);
    };
    panneau(WinPanel1, ListBox1, BitBtn3, BitBtn4, QColor(0, 0, 255));
    panneau(WinPanel2, ListBox2, BitBtn5, BitBtn6, QColor(255, 0, 0));
    Modele2 = new Modele_Notes(this);
    ListBox2->setModel(Modele2);
    ListBox2->setUniformItemSizes(true);
    ListBox2->setLayoutMode(QListView::Batched);
    connect(BitBtn3, &QPushButton::clicked, this, &TMenuForm::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TMenuForm::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TMenuForm::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TMenuForm::BitBtn6Click);

    // The link along the bottom edge.
    StaticText1 = new QLabel(QStringLiteral("Des manuels scolaires pour aller plus loin : le catalogue en ligne"), surface);
    StaticText1->setAlignment(Qt::AlignCenter);
    StaticText1->setAutoFillBackground(true);
    StaticText1->setCursor(Qt::PointingHandCursor);
    StaticText1->setToolTip(Adresse_Catalogue);
    QFont verdana;
    verdana.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    verdana.setPixelSize(12);
    verdana.setUnderline(true);
    StaticText1->setFont(verdana);
    QPalette ps = StaticText1->palette();
    ps.setColor(QPalette::Window, QColor(255, 128, 0));
    ps.setColor(QPalette::WindowText, Qt::blue);
    StaticText1->setPalette(ps);
    StaticText1->installEventFilter(this);

    // Quitting leaves every event loop, those of modal windows included,
    // without closing (and asking about) the windows.
    Quitte = [] { QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection); };
    // However the program ends, the series is recorded.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { Fin_Fermeture(false); });

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TMenuForm::Timer1Timer);

    // The keyboard table sees every key of this window first.
    qApp->installEventFilter(this);

    FormCreate();
    resize(1000, 700);
}

TMenuForm::~TMenuForm() { qApp->removeEventFilter(this); }

void TMenuForm::Fin_De_Session() {
    // A modal loop still running (an exercise window, a message) lets go as
    // soon as the quit comes; until then no new series may start.
    session_finie_ = true;
    Fin_Fermeture(false);
    if (Quitte) Quitte();
}

void TMenuForm::Construit_Menus() {
    std::function<void(QMenu*, const Element&, const QString&)> ajoute = [&](QMenu* menu, const Element& el,
                                                                             const QString& parent) {
        const QString caption = QString::fromUtf8(el.caption);
        const QString chemin = parent.isEmpty() ? caption : parent + Separateur + caption;
        chemins_ << chemin;
        if (!el.sous.empty()) {
            QMenu* sous = menu->addMenu(caption);
            actions_[chemin] = sous->menuAction();
            for (const auto& enfant : el.sous) ajoute(sous, enfant, chemin);
            return;
        }
        QAction* a = menu->addAction(caption);
        actions_[chemin] = a;
        const Fenetres::Fenetre_Prevue* f = Fenetres::Prevue_Par_Menu(chemin);
        a->setEnabled(f && f->fabrique);
        if (f && f->fabrique) {
            const QString classe = QLatin1String(f->classe);
            connect(a, &QAction::triggered, this, [this, classe] { Ouvre(classe); });
        }
    };
    for (const auto& el : Arbre()) {
        const QString caption = QString::fromUtf8(el.caption);
        QAction* a;
        if (el.sous.empty()) {
            a = MainMenu1->addAction(caption);
            chemins_ << caption;
            actions_[caption] = a;
        } else {
            QMenu* m = MainMenu1->addMenu(caption);
            a = m->menuAction();
            chemins_ << caption;
            actions_[caption] = a;
            for (const auto& enfant : el.sous) ajoute(m, enfant, caption);
        }
        principaux_ << a;
    }
    Nouveau1 = actions_.value(QStringLiteral("N&ouveau"));
    Aide1 = actions_.value(QStringLiteral("&Aide"));
    Scores1 = actions_.value(QStringLiteral("&Scores"));
    Apropos1 = actions_.value(QStringLiteral("A propos"));
    connect(Nouveau1, &QAction::triggered, this, &TMenuForm::Nouveau1Click);
    connect(Aide1, &QAction::triggered, this, &TMenuForm::Aide1Click);
    connect(Scores1, &QAction::triggered, this, &TMenuForm::Scores1Click);
    connect(Apropos1, &QAction::triggered, this, &TMenuForm::Apropos1Click);
    Active_Menus(false);
}

QList<QAction*> TMenuForm::Menus_Principaux() const { return principaux_; }
QAction* TMenuForm::Action(const QString& chemin) const { return actions_.value(chemin); }
QStringList TMenuForm::Chemins() const { return chemins_; }

void TMenuForm::Active_Menus(bool actifs) {
    for (QAction* a : principaux_) a->setEnabled(actifs);
}

void TMenuForm::FormCreate() {
    Resultats::Ecrit_Date_Compilation();
    Randomize();
    if (QScreen* ecran = QGuiApplication::primaryScreen()) Commune::Couleurs_Riches = ecran->depth() > 8;
    Image1 = Dessine_Tuile(true);
    Image11 = Dessine_Tuile(false);
    Applique_Couleurs(Commune::Couleurs_Riches);
}

void TMenuForm::Applique_Couleurs(bool riches) {
    QPalette pp = Panel2->palette();
    if (riches) {
        // Flat menus of our own look, the clock in raspberry, the rich tile.
        MainMenu1->setStyleSheet(QString::fromLatin1(Style_Menus));
        pp.setColor(QPalette::Window, QColor(225, 0, 77));
        tuile_ = &Image1;
    } else {
        MainMenu1->setStyleSheet(QString());
        pp.setColor(QPalette::Window, QColor(0, 0, 128));
        tuile_ = &Image11;
    }
    Panel2->setPalette(pp);
    centralWidget()->update();
}

void TMenuForm::FormPaint(QPainter& p, const QRect& zone) {
    const QPixmap& t = *tuile_;
    if (t.isNull()) return;
    const int largeur = centralWidget()->width();
    const int hauteur = centralWidget()->height();
    for (int y = 0; y < hauteur; y += t.height())
        for (int x = 0; x < largeur; x += t.width())
            if (zone.intersects(QRect(QPoint(x, y), t.size()))) p.drawPixmap(x, y, t);
}

void TMenuForm::FormResize() {
    QWidget* c = centralWidget();
    const int W = c->width();
    const int H = c->height();
    StaticText1->setGeometry(0, H - 20, W, 20);
    BitBtn1->move(W - 10 - BitBtn1->width(), H - 30 - BitBtn1->height());
    Panel2->move(10, H - 30 - Panel2->height());
    Panel1->move((W - Panel1->width()) / 2, (H - Panel1->height()) / 2);
    const int liste = std::max(40, height() - 85);
    using Panneau = std::tuple<TWinPanel*, QAbstractItemView*, QPushButton*, QPushButton*>;
    for (auto [wp, lb, e, i] : {Panneau{WinPanel1, ListBox1, BitBtn3, BitBtn4}, Panneau{WinPanel2, ListBox2, BitBtn5, BitBtn6}}) {
        wp->setGeometry(0, 0, W, H);
        const int haut = std::min(liste, H - 16 - 32);
        lb->setGeometry(0, 16, W, haut);
        e->move(8, 16 + haut + 4);
        i->move(40, 16 + haut + 4);
    }
}

void TMenuForm::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    FormResize();
}

void TMenuForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    FormResize();
    // The first showing starts the first series.
    if (!serie_demarree_) FormActivate();
}

void TMenuForm::FormActivate() {
    serie_demarree_ = true;
    veille_.Active();
    QApplication::processEvents();
    if (!fin_ && !Etat_Verrou(1, true)) Bascule_VerrNum();
    if (!isMaximized()) showMaximized();
    Calcule_Chemins();
    setWindowTitle(QString::fromStdString(Commune::Version) + QLatin1Char(' ') + Titre_Programme);
    // The best scores and the local notes list (which keeps its latest lines only).
    if (auto* scores = Scores(); scores && QFileInfo(Chemins_Series.fichier_scores).isFile())
        scores->ImpGrid1->Charge_Grille(Chemins_Series.fichier_scores);
    ListBox1->clear();
    ListBox1->addItems(Resultats::Charge_Liste_Locale(Fichier_Local));
    horloge_.Demarre(Plateforme::Maintenant().time().msecsSinceStartOfDay());
    Panel2->setText(QString::fromStdString(Identite::Texte_Duree(0)));
    Timer1->start();
    Panel1->show();
    Commune::Serie.Remet_A_Zero();
    resultats_sauves_ = false;
    // setText drops the undo history: the previous pupil never comes back.
    Edit1->setText(QString());
    Edit2->setText(QString());
    Edit3->setText(QString());
}

void TMenuForm::Calcule_Chemins() {
    Chemins_Series = Chemins::Calcule();
    Fichier_Local = Chemins_Series.fichier_local;
    Fichier_General = Chemins_Series.fichier_general;
}

TScorForm* TMenuForm::Scores() const {
    return qobject_cast<TScorForm*>(Fenetres::Programme().Trouve(QStringLiteral("TScorForm")));
}

void TMenuForm::Edit3Change() {
    BitBtn2->setEnabled(!Edit1->text().isEmpty() && !Edit2->text().isEmpty() && !Edit3->text().isEmpty());
}

void TMenuForm::BitBtn2Click() {
    if (!BitBtn2->isEnabled()) return;
    Commune::Nom = Edit1->text().toStdString();
    Commune::Prenom = Edit2->text().toStdString();
    Commune::Classe = Edit3->text().toStdString();
    Active_Menus(true);
    Panel1->hide();
}

bool TMenuForm::Edit_Touche(QLineEdit* edit, QKeyEvent* e) {
    const bool entree = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (entree) {
        if (edit == Edit3) {
            if (BitBtn2->isEnabled()) BitBtn2->click();
        } else if (!edit->text().isEmpty()) {
            (edit == Edit1 ? Edit2 : Edit3)->setFocus(Qt::TabFocusReason);
        }
        return true;
    }
    if (edit == Edit2 && e->text().size() == 1 && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QChar c = e->text().at(0);
        const int debut = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        const std::u32string avant = edit->text().left(debut).toStdU32String();
        const char32_t garde = Identite::Lettre_Prenom(avant, c.unicode());
        if (garde != c.unicode()) {
            edit->insert(QString::fromUcs4(&garde, 1));
            return true;
        }
    }
    return false;
}

bool TMenuForm::FormKeyDown(QKeyEvent* e) {
    const auto mods = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool dans_edit = qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr;
    if (mods == Qt::NoModifier && dans_edit && e->key() == Qt::Key_Down) {
        focusNextChild();
        return true;
    }
    if (mods == Qt::NoModifier && dans_edit && e->key() == Qt::Key_Up) {
        focusPreviousChild();
        return true;
    }
    if (mods == Qt::ControlModifier && e->key() == Qt::Key_F3) {
        Resultats::Montre_Note(this);
        return true;
    }
    if (mods == (Qt::ControlModifier | Qt::ShiftModifier) && e->key() == Qt::Key_F3) {
        Montre_Liste(WinPanel1, Fichier_Local, QStringLiteral("Fichier local  ("),
                     QStringLiteral("Le fichier local de notes n'existe pas !"));
        return true;
    }
    if (mods == (Qt::ControlModifier | Qt::ShiftModifier) && e->key() == Qt::Key_F9) {
        Montre_Liste(WinPanel2, Fichier_General, QStringLiteral("Fichier général  ("),
                     QStringLiteral("Le fichier global de notes n'existe pas !"));
        return true;
    }
    if (mods == Qt::NoModifier && e->key() == Qt::Key_F1) {
        Plateforme::Ouvre_Aide(this, Aide_Fenetre);
        return true;
    }
    return false;
}

bool TMenuForm::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress && o->isWidgetType() && static_cast<QWidget*>(o)->window() == this) {
        auto* k = static_cast<QKeyEvent*>(e);
        // Only the widget that has the focus answers, once.
        if (o == QApplication::focusWidget() || (o == this && !QApplication::focusWidget())) {
            if (FormKeyDown(k)) return true;
            if (auto* edit = qobject_cast<QLineEdit*>(o);
                edit && (edit == Edit1 || edit == Edit2 || edit == Edit3) && Edit_Touche(edit, k))
                return true;
        }
        return false;
    }
    if (o == Edit1 || o == Edit2 || o == Edit3) {
        auto* edit = static_cast<QLineEdit*>(o);
        if (e->type() == QEvent::FocusIn) {
            QPalette p = edit->palette();
            p.setColor(QPalette::Base, QColor(255, 255, 204));
            edit->setPalette(p);
            QTimer::singleShot(0, edit, [edit] { edit->end(false); });
        } else if (e->type() == QEvent::FocusOut) {
            QPalette p = edit->palette();
            p.setColor(QPalette::Base, Qt::white);
            edit->setPalette(p);
        }
    }
    if (o == StaticText1) {
        if (e->type() == QEvent::Enter || e->type() == QEvent::Leave) {
            QFont f = StaticText1->font();
            f.setBold(e->type() == QEvent::Enter);
            StaticText1->setFont(f);
        } else if (e->type() == QEvent::MouseButtonRelease) {
            StaticText1Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(o, e);
}

void TMenuForm::Timer1Timer() {
    // Exercise windows are modal: while one is open, the main window is not
    // the one in use.
    if (isVisible() && !QApplication::activeModalWidget()) {
        BitBtn1->setEnabled(true);
        if (Commune::Serie.NbExercices > 0)
            centralWidget()->setToolTip(QStringLiteral("CTRL - F3 pour obtenir la note"));
    } else {
        BitBtn1->setEnabled(false);
        centralWidget()->setToolTip(QString());
    }
    const int64_t duree = horloge_.Lecture(Plateforme::Maintenant().time().msecsSinceStartOfDay());
    Panel2->setText(QString::fromStdString(Identite::Texte_Duree(duree)));
}

void TMenuForm::Nouveau1Click() {
    const auto choix = Plateforme::Message(
        this, Plateforme::Style::Avertissement,
        QStringLiteral("Voulez-vous vraiment commencer une nouvelle série :\r\n\r\nentrer un NOUVEAU NOM et remettre "
                       "les COMPTEURS à 0 ?"),
        {Plateforme::Bouton::Oui, Plateforme::Bouton::Non, Plateforme::Bouton::Ignorer});
    if (choix != Plateforme::Bouton::Oui) return;
    Active_Menus(false);
    Sauve_Results();
    FormActivate();
    activateWindow();
    Edit1->setFocus(Qt::OtherFocusReason);
}

void TMenuForm::Aide1Click() {
    Plateforme::Ouvre_Aide(this, 0);
    update();
}

void TMenuForm::Scores1Click() { Plateforme::Montre_Scores(this); }

void TMenuForm::Apropos1Click() { Ouvre(QStringLiteral("TAboutForm")); }

void TMenuForm::Ouvre(const QString& classe) {
    auto& registre = Fenetres::Programme();
    QWidget* w = registre.Trouve(classe);
    if (!w) {
        // Not created at start-up (a window tested alone): build it now.
        const Fenetres::Fenetre_Prevue* f = Fenetres::Prevue(classe);
        if (!f || !f->fabrique) return;
        w = f->fabrique();
        registre.Ajoute(classe, w);
    }
    Fenetres::Montre_Modale(w, this);
}

void TMenuForm::Montre_Liste(TWinPanel* panneau, const QString& fichier, const QString& titre, const QString& erreur) {
    showMaximized();
    const bool lue = !fichier.isEmpty() && (panneau == WinPanel1 ? Resultats::Affiche_Liste(ListBox1, fichier)
                                                                  : Modele2->Charge(fichier));
    if (!lue) {
        Plateforme::Message_Erreur(this, erreur);
        return;
    }
    Titre_Liste(panneau, titre);
    FormResize();
    panneau->show();
    panneau->raise();
}

void TMenuForm::Titre_Liste(TWinPanel* panneau, const QString& titre) {
    const int lignes = panneau == WinPanel1 ? ListBox1->count() : Modele2->rowCount();
    panneau->setTitre(Resultats::Titre_Liste(titre, lignes));
}

void TMenuForm::BitBtn3Click() {
    // The list is emptied only once its file is.
    if (!Resultats::Efface_Liste(ListBox1, Fichier_Local, false)) {
        Plateforme::Message_Erreur(this, Resultats::Erreur_Effacement(Fichier_Local));
        return;
    }
    Titre_Liste(WinPanel1, QStringLiteral("Fichier local  ("));
}

void TMenuForm::BitBtn5Click() {
    // The general file is shared with other computers' appends.
    if (!Resultats::Sauve_Liste(Fichier_General, {}, !Chemins_Series.installe)) {
        Plateforme::Message_Erreur(this, Resultats::Erreur_Effacement(Fichier_General));
        return;
    }
    Modele2->Vide();
    Titre_Liste(WinPanel2, QStringLiteral("Fichier général  ("));
}

void TMenuForm::BitBtn4Click() {
    if (ListBox1->count() > 0) Resultats::Imprime_Liste(Resultats::Lignes_De(ListBox1), this);
}
void TMenuForm::BitBtn6Click() {
    if (Modele2->rowCount() > 0) Resultats::Imprime_Liste(Modele2->Lignes(), this);
}

void TMenuForm::Sauve_Results(bool messages) {
    Timer1->stop();
    if (!serie_demarree_ || resultats_sauves_) return;
    TScorForm* scores = Scores();
    if (!scores) return;
    resultats_sauves_ = true;
    Resultats::Sauve_Results(*scores, ListBox1, Chemins_Series,
                             QString::fromStdString(Identite::Texte_Duree(horloge_.Duree())), this, messages);
}

QString TMenuForm::Rapport_Note() const { return Resultats::Rapport_Note(); }

bool TMenuForm::FormCloseQuery() {
    if ((Commune::Nom + Commune::Prenom + Commune::Classe).empty()) return true;
    return Plateforme::Message_Confirmation(this, QStringLiteral("Voulez-vous vraiment quitter le logiciel ?"));
}

void TMenuForm::FormClose() { Fin_Fermeture(true); }

void TMenuForm::Fin_Fermeture(bool messages) {
    fin_ = true;
    Timer1->stop();
    Sauve_Results(messages);
    if (Etat_Verrou(1, false)) Bascule_VerrNum();
    Plateforme::Ferme_Aide();
    veille_.Desactive();
}

void TMenuForm::closeEvent(QCloseEvent* e) {
    // Once the session is ending, nothing more is asked.
    if (session_finie_) {
        e->accept();
        return;
    }
    if (!FormCloseQuery()) {
        e->ignore();
        return;
    }
    FormClose();
    e->accept();
}

void TMenuForm::StaticText1Click() { QDesktopServices::openUrl(QUrl(Adresse_Catalogue)); }
