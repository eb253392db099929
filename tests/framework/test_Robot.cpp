// A robot pupil: every window of the window table that is built (the shell's
// own windows aside) is opened offscreen and played with seeded random
// gestures: keys with and without modifiers, paste, left and right clicks on
// every control, level changes, Confirm, Continue, close and reopen; in a
// game, ticks of its clock, presses on its buttons and drags of whatever it
// lets the pupil drag. After each gesture the series and the window must
// still be sound.
//
// A failure names its window and seed; to replay it alone:
//   TAVELUNE_ROBOT_FENETRE=TQReducF TAVELUNE_ROBOT_GRAINE=1203 ./test_Robot
// TAVELUNE_ROBOT_GESTES sets the gestures per seed.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <numeric>
#include <random>

#include "controls/Figures.hpp"
#include "controls/Glisse.hpp"
#include "controls/MovPanel.hpp"
#include "framework/Entree.hpp"
#include "framework/FenetreExercice.hpp"
#include "framework/FenetreJeu.hpp"
#include "framework/logic/Commune.hpp"
#include "shell/Fenetres.hpp"
#include "support/Faux_Services.hpp"
#include "support/Glisse_Pilotee.hpp"
#include "support/Hasard_Test.hpp"

namespace {

// The windows of the shell, not played: they reach files, the keyboard lights
// and the web.
const QStringList Coquille{"TMenuForm", "TScorForm", "TAboutForm"};

constexpr int Graines_Par_Fenetre = 10;
constexpr int Gestes_Par_Graine = 200;

int Env(const char* nom, int defaut) {
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(nom, &ok);
    return ok ? v : defaut;
}

class Robot {
public:
    Robot(QWidget* w, uint32_t graine)
        : w_(w), f_(qobject_cast<TExerciceForm*>(w)), jeu_(qobject_cast<TJeuForm*>(w)), g_(graine) {
        barre_ = f_ ? f_->SlideBar1 : w_->findChild<TSlideBar*>();
        refus_depart_ = f_ ? f_->Cycle().Refus_Comptes() : 0;
        // A game's clock moves only when the robot ticks it, so a seed replays.
        if (jeu_) jeu_->Pilote_Ticks(true);
    }

    int Questions() const { return questions_; }

    // Plays `n` gestures; returns what went wrong, with the gesture number.
    QString Joue(int n) {
        Ouvre();
        if (QString e = Verifie(); !e.isEmpty()) return QStringLiteral("à l'ouverture : ") + e;
        for (int i = 1; i <= n; ++i) {
            const QString geste = Geste();
            QApplication::processEvents();
            Ferme_Intrus();
            if (!intrus_.isEmpty()) return QStringLiteral("geste %1 (%2) : fenêtre restée ouverte : %3").arg(i).arg(geste, intrus_);
            if (QString e = Verifie(); !e.isEmpty()) return QStringLiteral("geste %1 (%2) : %3").arg(i).arg(geste, e);
        }
        w_->close();
        return {};
    }

    // Closes whatever a gesture left open over the window (called by a timer,
    // also from inside a modal loop), and remembers it.
    void Ferme_Intrus() {
        if (QWidget* p = QApplication::activePopupWidget()) p->close();
        for (QWidget* t : QApplication::topLevelWidgets()) {
            if (t == w_ || !t->isVisible() || qobject_cast<QMenu*>(t) || t->windowType() == Qt::ToolTip) continue;
            intrus_ = t->metaObject()->className() + QStringLiteral(" ") + t->windowTitle();
            if (auto* d = qobject_cast<QDialog*>(t)) d->reject();
            else t->close();
        }
    }

private:
    uint32_t Tire(uint32_t n) { return g_() % n; }
    template <class T>
    const T& Un(const std::vector<T>& v) { return v[Tire(static_cast<uint32_t>(v.size()))]; }

    void Ouvre() {
        w_->show();
        QApplication::setActiveWindow(w_);
        if (barre_ && niveau_vu_ && barre_->Position() != niveau_vu_)
            erreur_ = QStringLiteral("niveau %1 perdu à la réouverture (%2)").arg(niveau_vu_).arg(barre_->Position());
        Note_Question();
    }

    std::vector<QWidget*> Controles() const {
        std::vector<QWidget*> c;
        for (QWidget* x : w_->findChildren<QWidget*>())
            if (x->isVisible() && x->width() > 0 && x->height() > 0) c.push_back(x);
        return c;
    }

    QWidget* Cible() {
        if (QWidget* focus = QApplication::focusWidget(); focus && Tire(2) == 0) return focus;
        if (f_ && Tire(3) != 0) {
            std::vector<TEntree*> e;
            for (TEntree* x : f_->Entrees())
                if (x->isVisible()) e.push_back(x);
            if (!e.empty()) return Un(e);
        }
        const std::vector<QWidget*> c = Controles();
        return c.empty() ? w_ : Un(c);
    }

    Qt::KeyboardModifiers Modificateurs() {
        static const std::vector<Qt::KeyboardModifiers> m{
            Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::AltModifier,
            Qt::MetaModifier, Qt::ControlModifier, Qt::ControlModifier | Qt::AltModifier, Qt::KeypadModifier};
        return Un(m);
    }

    QString Geste() {
        static const char caracteres[] = "0123456789012345-+/x a.,=*co";
        static const std::vector<Qt::Key> touches{Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End,
                                                  Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Return,
                                                  Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape,
                                                  Qt::Key_Space, Qt::Key_Up, Qt::Key_Down};
        static const std::vector<QKeySequence::StandardKey> edition{
            QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll, QKeySequence::Cut, QKeySequence::Copy};
        static const QStringList colles{"12a3", "-7", "+15", "/", "3/4", "  42 ", "-", "x", "123456789012", "é5"};
        if (!w_->isVisible()) {
            Ouvre();
            return QStringLiteral("réouverture");
        }
        if (jeu_ && Tire(3) == 0) return Geste_Jeu();
        switch (Tire(40)) {
        case 0: case 1: case 2: case 3: case 4: case 5: case 6:
        case 7: case 8: case 9: case 10: case 11: case 12: case 13: {
            QWidget* c = Cible();
            const char ch = caracteres[Tire(sizeof caracteres - 1)];
            const Qt::KeyboardModifiers m = Modificateurs();
            QTest::keyClick(c, ch, m);
            return QStringLiteral("touche « %1 » (modificateurs %2) sur %3")
                .arg(QChar::fromLatin1(ch))
                .arg(int(m), 0, 16)
                .arg(QString::fromLatin1(c->metaObject()->className()));
        }
        case 14: {
            // Any character a keyboard layout may send, with no key code.
            const QChar ch(char16_t(Tire(0x3000)));
            if (Tire(4) == 0) {  // or composed by an input method
                QInputMethodEvent compose;
                compose.setCommitString(QString(ch) + QChar(u'0' + Tire(10)));
                QApplication::sendEvent(Cible(), &compose);
                return QStringLiteral("composé U+%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
            }
            QKeyEvent touche(QEvent::KeyPress, Qt::Key_unknown, Modificateurs(), QString(ch));
            QApplication::sendEvent(Cible(), &touche);
            return QStringLiteral("caractère U+%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
        }
        case 15: case 16: case 17: case 18: {
            const Qt::Key k = Un(touches);
            QTest::keyClick(Cible(), k, Modificateurs());
            return QStringLiteral("touche %1").arg(int(k));
        }
        case 19: {
            QApplication::clipboard()->setText(colles[Tire(colles.size())]);
            QTest::keySequence(Cible(), QKeySequence::Paste);
            return QStringLiteral("coller « %1 »").arg(QApplication::clipboard()->text());
        }
        case 20:
            QTest::keySequence(Cible(), Un(edition));
            return QStringLiteral("édition");
        case 21: case 22: case 23: case 24: case 25: {
            const std::vector<QWidget*> c = Controles();
            if (c.empty()) return QStringLiteral("rien");
            QWidget* x = Un(c);
            const QPoint p(static_cast<int>(Tire(x->width())), static_cast<int>(Tire(x->height())));
            const Qt::MouseButton b = Tire(4) == 0 ? Qt::RightButton : Qt::LeftButton;
            QTest::mouseClick(x, b, Qt::NoModifier, p);
            return QStringLiteral("clic %1 sur %2").arg(b == Qt::LeftButton ? "gauche" : "droit",
                                                        QString::fromLatin1(x->metaObject()->className()));
        }
        case 26:
            if (!barre_) return QStringLiteral("rien");
            barre_->setPosition(barre_->Min() + static_cast<int>(Tire(barre_->Max() - barre_->Min() + 1)));
            return QStringLiteral("niveau %1").arg(barre_->Position());
        case 27: case 28: case 29:
            if (!f_) return QStringLiteral("rien");
            if (Tire(2) == 0) f_->Edit1->setFocus();
            QTest::mouseClick(f_->BBConf, Qt::LeftButton);
            return QStringLiteral("Confirmer");
        case 30: case 31:
            if (!f_) return QStringLiteral("rien");
            QTest::mouseClick(f_->BBCont, Qt::LeftButton);
            return QStringLiteral("Continuer");
        case 32: case 33: case 34: case 35:
            // An answer in every empty box, as a pupil fills them in.
            if (!f_) return QStringLiteral("rien");
            for (TEntree* e : f_->Entrees())
                if (e->isVisible() && e->text().isEmpty())
                    QTest::keyClicks(e, QString::number(static_cast<int>(Tire(60)) - (Tire(3) == 0 ? 30 : 0)));
            return QStringLiteral("réponse dans chaque boîte");
        case 36: case 37:
            QTest::keyClick(Cible(), Qt::Key_Return);
            return QStringLiteral("Entrée");
        case 38:
            w_->close();
            Ouvre();
            return QStringLiteral("fermer et rouvrir");
        default:
            w_->close();
            return QStringLiteral("fermer");
        }
    }

    // The controls a press of the left button starts dragging.
    std::vector<QWidget*> Glissables() const {
        std::vector<QWidget*> g;
        for (QWidget* x : Controles()) {
            const auto* m = qobject_cast<TMovPanel*>(x);
            const auto* f = qobject_cast<TFigure*>(x);
            const auto* e = qobject_cast<TEntree*>(x);
            if ((m && m->DragMode() == dmAutomatic) || (f && f->DragMode() == dmAutomatic) || (e && e->Glissable()))
                g.push_back(x);
        }
        return g;
    }

    // Drags a control along a few points over the window's controls, the
    // game's clock ticking on the way, and releases it (or gives it up).
    QString Geste_Glisse(const std::vector<QWidget*>& sources) {
        // One kind of control first (panels, figures, entries), so that a
        // lone panel among many figures is dragged as often as they are.
        std::vector<const QMetaObject*> sortes;
        for (QWidget* x : sources)
            if (std::find(sortes.begin(), sortes.end(), x->metaObject()) == sortes.end()) sortes.push_back(x->metaObject());
        const QMetaObject* sorte = Un(sortes);
        std::vector<QWidget*> de_la_sorte;
        for (QWidget* x : sources)
            if (x->metaObject() == sorte) de_la_sorte.push_back(x);
        QWidget* source = Un(de_la_sorte);
        const std::vector<QWidget*> c = Controles();
        Glisse_Pilotee g;
        const QPoint prise(static_cast<int>(Tire(source->width())), static_cast<int>(Tire(source->height())));
        g.trajet.push_back(source->mapTo(w_, prise));
        const int points = 1 + static_cast<int>(Tire(4));
        for (int i = 0; i < points; ++i) {
            QWidget* x = Un(c);
            g.trajet.push_back(x->mapTo(w_, QPoint(static_cast<int>(Tire(x->width())), static_cast<int>(Tire(x->height())))));
        }
        g.lache = Tire(8) != 0;
        g.en_route = [this](std::size_t) {
            const int tops = Tire(2) == 0 ? static_cast<int>(Tire(30)) : 0;
            for (int k = 0; k < tops && w_->isVisible(); ++k) jeu_->Tic();
        };
        const QString nom = source->objectName().isEmpty() ? QString::fromLatin1(source->metaObject()->className())
                                                           : source->objectName();
        QPointer<QWidget> s(source);
        QTest::mousePress(source, Qt::LeftButton, {}, prise);
        if (s) QTest::mouseRelease(s, Qt::LeftButton, {}, prise);
        return QStringLiteral("glisser %1 sur %2 points%3").arg(nom).arg(points).arg(g.lache ? "" : " (abandonné)");
    }

    // A game is played with its clock, its buttons and its drags.
    QString Geste_Jeu() {
        if (const std::vector<QWidget*> g = Glissables(); !g.empty() && Tire(2) == 0) return Geste_Glisse(g);
        if (Tire(3) == 0) {
            const int n = 1 + static_cast<int>(Tire(14));
            for (int i = 0; i < n && w_->isVisible(); ++i) {
                jeu_->Tic();
                QApplication::processEvents();
            }
            return QStringLiteral("%1 tops d'horloge").arg(n);
        }
        std::vector<QAbstractButton*> boutons;
        for (QAbstractButton* b : w_->findChildren<QAbstractButton*>())
            if (b->isVisible() && b->isEnabled()) boutons.push_back(b);
        if (boutons.empty()) return QStringLiteral("rien");
        QAbstractButton* b = Un(boutons);
        const QString texte = b->text();
        QTest::mouseClick(b, Qt::LeftButton);
        return QStringLiteral("bouton « %1 »").arg(texte);
    }

    // Remembers the key of each new question.
    void Note_Question() {
        if (!f_ || f_->Cycle().Posees() == posees_) return;
        posees_ = f_->Cycle().Posees();
        ++questions_;
        // Tab walks the boxes Confirm needs in the order the pupil fills them.
        std::vector<TEntree*> requises;
        for (TEntree* e : f_->Entrees_Requises())
            if (e->isVisibleTo(f_) && e->isEnabled()) requises.push_back(e);
        for (std::size_t i = 0; i + 1 < requises.size(); ++i) {
            QWidget* w = requises[i]->nextInFocusChain();
            while (w != requises[i] && !(qobject_cast<TEntree*>(w) && w->isVisibleTo(f_) && w->isEnabled()))
                w = w->nextInFocusChain();
            if (w != requises[i + 1])
                erreur_ = QStringLiteral("Tab après la case %1 ne mène pas à la suivante à remplir").arg(i + 1);
        }
        // A level without the memory leaves the remembered keys untouched.
        if (!f_->Cycle().Sujet_Pose().Evite_Repetitions(f_->Niveau())) return;
        cles_.push_back(f_->Cycle().Sujet_Pose().Cle());
        if (cles_.size() >= 2) {
            const std::size_t n = cles_.size();
            for (std::size_t i = n >= 4 ? n - 4 : 0; i + 1 < n; ++i)
                if (cles_[i] == cles_.back())
                    erreur_ = QStringLiteral("question « %1 » reposée dans les quatre").arg(QString::fromStdString(cles_.back()));
        }
    }

    QString Verifie() {
        const Commune::Compteurs_Serie& s = Commune::Serie;
        int justes = 0, essais = 0;
        for (int n = 1; n <= 4; ++n) {
            justes += s.JustesNiveau(n);
            essais += s.EssaisNiveau(n);
        }
        if (s.NbJustes > s.NbExercices) return QStringLiteral("NbJustes %1 > NbExercices %2").arg(s.NbJustes).arg(s.NbExercices);
        if (s.Score < 0) return QStringLiteral("Score %1").arg(s.Score);
        if (justes != s.NbJustes) return QStringLiteral("JustesNiveau font %1, NbJustes %2").arg(justes).arg(s.NbJustes);
        // An exercise window books each verdict at once (an answer refused
        // after counting is counted and not booked); a game may count a draw
        // at its start and book it at its end.
        const int refus = f_ ? f_->Cycle().Refus_Comptes() - refus_depart_ : 0;
        if (f_ ? essais + refus != s.NbExercices : essais > s.NbExercices)
            return QStringLiteral("EssaisNiveau font %1, NbExercices %2").arg(essais).arg(s.NbExercices);
        if (QWidget* m = QApplication::activeModalWidget(); m && m != w_)
            return QStringLiteral("boîte laissée ouverte : ") + m->windowTitle();
        if (Glisse::Source_En_Cours()) return QStringLiteral("un glisser reste en cours");
        Note_Question();
        if (!erreur_.isEmpty()) return erreur_;
        if (barre_ && w_->isVisible()) niveau_vu_ = barre_->Position();
        if (!f_ || !w_->isVisible()) return {};

        const bool ouverte = f_->Cycle().Question_Ouverte();
        const bool complete = f_->Reponse_Complete();
        if (f_->BBConf->isEnabled() != (ouverte && complete))
            return QStringLiteral("Confirmer %1 avec une réponse %2").arg(f_->BBConf->isEnabled() ? "actif" : "inactif",
                                                                            complete ? "complète" : "incomplète");
        if (f_->BBCont->isEnabled() == ouverte) return QStringLiteral("Continuer %1").arg(ouverte ? "actif" : "inactif");
        if (barre_ && f_->Niveau() != f_->l_niv->text().toInt()) return QStringLiteral("l_niv ne dit pas le niveau");
        // What stands in a box is what its filter lets through, typed from the left.
        const std::vector<TEntree*> entrees = f_->Entrees();
        for (std::size_t i = 0; i < entrees.size(); ++i) {
            // A read-only box shows what the window puts in it (a choice made with a button).
            const std::u32string texte = entrees[i]->isReadOnly() ? std::u32string() : entrees[i]->text().toStdU32String();
            for (std::size_t k = 0; k < texte.size(); ++k) {
                const auto d = f_->Cycle().Sujet_Pose().Filtre(static_cast<int>(i), texte[k], static_cast<int>(k), texte.substr(0, k));
                if (d != Exercice::Decision::Accepte(texte[k]) && !f_->Cycle().Sujet_Pose().Hors_Clavier(static_cast<int>(i), texte[k]))
                    return QStringLiteral("la boîte %1 contient « %2 »").arg(i + 1).arg(entrees[i]->text());
            }
            // An open question may keep closed a box it does not ask for (a given base).
            const std::vector<TEntree*> requises = f_->Entrees_Requises();
            const bool requise = std::find(requises.begin(), requises.end(), entrees[i]) != requises.end();
            if (ouverte != entrees[i]->isEnabled() && (!ouverte || requise))
                return QStringLiteral("boîte %1 %2").arg(i + 1).arg(ouverte ? "inactive" : "active");
        }
        return {};
    }

    QWidget* w_;
    TExerciceForm* f_;
    TJeuForm* jeu_;
    TSlideBar* barre_ = nullptr;
    std::mt19937 g_;
    int posees_ = -1;
    int refus_depart_ = 0;  // answers refused after counting before this seed
    std::vector<std::string> cles_;  // keys of the questions posed with the memory
    int questions_ = 0;
    int niveau_vu_ = 0;
    QString erreur_;
    QString intrus_;
};

}  // namespace

class Test_Robot : public QObject {
    Q_OBJECT
    int fenetres_ = 0, gestes_ = 0;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void joue_chaque_fenetre_data() {
        QTest::addColumn<int>("rang");
        const QString seule = qEnvironmentVariable("TAVELUNE_ROBOT_FENETRE");
        int rang = 0, jouees = 0;
        for (const Fenetres::Fenetre_Prevue& p : Fenetres::Table()) {
            ++rang;
            const QString classe = QLatin1String(p.classe);
            if (!p.fabrique || Coquille.contains(classe) || (!seule.isEmpty() && classe != seule)) continue;
            QTest::newRow(p.classe) << rang;
            ++jouees;
        }
        QVERIFY2(jouees > 0, "aucune fenêtre à jouer");
    }

    void joue_chaque_fenetre() {
        QFETCH(int, rang);
        const Fenetres::Fenetre_Prevue& p = Fenetres::Table()[rang - 1];
        const int gestes = Env("TAVELUNE_ROBOT_GESTES", Gestes_Par_Graine);
        const int rejoue = Env("TAVELUNE_ROBOT_GRAINE", 0);
        std::vector<uint32_t> graines;
        if (rejoue) graines.push_back(static_cast<uint32_t>(rejoue));
        else
            for (int k = 1; k <= Graines_Par_Fenetre; ++k) graines.push_back(static_cast<uint32_t>(rang * 100 + k));

        Faux_Services services;
        services.pas_ticks = 1000;  // pauses end at once
        Commune::Nom = "ROBOT";
        Commune::Prenom = "Élève";
        std::unique_ptr<QWidget> w(p.fabrique());
        int questions = 0, verdicts = 0;
        for (uint32_t graine : graines) {
            Commune::Serie.Remet_A_Zero();
            Hasard_Test hasard({}, graine);
            Robot robot(w.get(), graine);
            QTimer garde;
            connect(&garde, &QTimer::timeout, this, [&robot] { robot.Ferme_Intrus(); });
            garde.start(50);
            const QString erreur = robot.Joue(gestes);
            if (!erreur.isEmpty())
                QFAIL(qPrintable(QStringLiteral("%1, graine %2, %3\n   rejouer : TAVELUNE_ROBOT_FENETRE=%1 TAVELUNE_ROBOT_GRAINE=%2")
                                     .arg(QLatin1String(p.classe))
                                     .arg(graine)
                                     .arg(erreur)));
            questions += robot.Questions();
            verdicts += Commune::Serie.NbExercices;
        }
        ++fenetres_;
        gestes_ += gestes * static_cast<int>(graines.size());
        qInfo("%s : %d graines de %d gestes, %d questions, %d réponses jugées", p.classe, int(graines.size()), gestes,
              questions, verdicts);
    }

    void cleanupTestCase() { qInfo("robot : %d fenêtres, %d gestes", fenetres_, gestes_); }
};

QTEST_MAIN(Test_Robot)
#include "test_Robot.moc"
