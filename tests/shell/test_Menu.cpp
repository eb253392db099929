#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "framework/logic/Commune.hpp"
#include "shell/Fenetres.hpp"
#include "shell/KbdLock.hpp"
#include "shell/Menu.hpp"
#include "support/Faux_Clavier.hpp"
#include "support/Faux_Services.hpp"

using Plateforme::Bouton;
using Plateforme::Style;

class test_Menu : public QObject {
    Q_OBJECT

    std::unique_ptr<Faux_Services> services_;
    std::unique_ptr<Faux_Clavier> clavier_;
    TMenuForm* f_ = nullptr;
    QTemporaryDir dossier_;

    void Identite(const QString& nom, const QString& prenom, const QString& classe) {
        f_->Edit1->setText(nom);
        f_->Edit2->setText(prenom);
        f_->Edit3->setText(classe);
        f_->BitBtn2Click();
    }
    // A key pressed where the focus is, as the pupil does.
    void Touche(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget* cible = QApplication::focusWidget();
        QTest::keyClick(cible ? cible : f_, k, m);
    }
    QString Ecrit(const QString& nom, int lignes) {
        const QString chemin = dossier_.filePath(nom);
        QFile fichier(chemin);
        fichier.open(QIODevice::WriteOnly | QIODevice::Truncate);
        for (int i = 1; i <= lignes; ++i) fichier.write(QStringLiteral("ligne %1\r\n").arg(i).toLatin1());
        return chemin;
    }

private slots:
    void initTestCase() {
        // The series' files go to a data folder of the tests' own.
        QStandardPaths::setTestModeEnabled(true);
    }

    void init() {
        services_ = std::make_unique<Faux_Services>();
        clavier_ = std::make_unique<Faux_Clavier>();
        Commune::Nom.clear();
        Commune::Prenom.clear();
        Commune::Classe.clear();
        Commune::Serie.Remet_A_Zero();
        f_ = new TMenuForm;
        f_->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_));
        f_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f_));
        // Every test starts without notes files.
        QFile::remove(f_->Fichier_Local);
        QFile::remove(f_->Fichier_General);
    }
    void cleanup() {
        delete f_;
        f_ = nullptr;
        clavier_.reset();
        services_.reset();
    }

    void leNomEtLaClasseSontEnCapitalesEtBornes() {
        f_->Edit1->setFocus();
        QTest::keyClicks(f_->Edit1, QStringLiteral("dupont-martinezlongtemps"));
        QCOMPARE(f_->Edit1->text(), QStringLiteral("DUPONT-MARTINE"));
        QTest::keyClicks(f_->Edit3, QStringLiteral("4eme b/groupe"));
        QCOMPARE(f_->Edit3->text(), QStringLiteral("4EME B/G"));
        f_->Edit2->setFocus();
        QTest::keyClicks(f_->Edit2, QStringLiteral("marie-christine"));
        QCOMPARE(f_->Edit2->text(), QStringLiteral("Marie-Christ"));
    }

    void lePrenomPrendSesMajuscules() {
        f_->Edit2->setFocus();
        QTest::keyClicks(f_->Edit2, QStringLiteral("jean-pierre"));
        QCOMPARE(f_->Edit2->text(), QStringLiteral("Jean-Pierre"));
        f_->Edit2->clear();
        QTest::keyClicks(f_->Edit2, QStringLiteral("marie anne"));
        QCOMPARE(f_->Edit2->text(), QStringLiteral("Marie Anne"));
        // A letter typed in the middle of a word stays as it is typed.
        f_->Edit2->setCursorPosition(2);
        QTest::keyClicks(f_->Edit2, QStringLiteral("x"));
        QCOMPARE(f_->Edit2->text(), QStringLiteral("Maxrie Anne"));
        f_->Edit2->setCursorPosition(0);
        QKeyEvent e_aigu(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é"));
        QApplication::sendEvent(f_->Edit2, &e_aigu);
        QCOMPARE(f_->Edit2->text(), QStringLiteral("ÉMaxrie Anne"));
    }

    void okSeulementQuandToutEstRempli() {
        QVERIFY(!f_->BitBtn2->isEnabled());
        f_->Edit1->setText(QStringLiteral("DUPONT"));
        f_->Edit2->setText(QStringLiteral("Marie"));
        QVERIFY(!f_->BitBtn2->isEnabled());
        f_->Edit3->setText(QStringLiteral("4B"));
        QVERIFY(f_->BitBtn2->isEnabled());
        f_->Edit2->clear();
        QVERIFY(!f_->BitBtn2->isEnabled());
        // A click on a disabled OK changes nothing.
        f_->BitBtn2Click();
        QVERIFY(Commune::Nom.empty());
        QVERIFY(f_->Panel1->isVisible());
    }

    void entreeVaDeCaseEnCaseEtConfirme() {
        f_->Edit1->setFocus();
        QTest::keyClick(f_->Edit1, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f_->Edit1);  // empty: stays
        QTest::keyClicks(f_->Edit1, QStringLiteral("dupont"));
        QTest::keyClick(f_->Edit1, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f_->Edit2);
        QTest::keyClicks(f_->Edit2, QStringLiteral("jean-pierre"));
        QTest::keyClick(f_->Edit2, Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), f_->Edit3);
        QTest::keyClick(f_->Edit3, Qt::Key_Return);
        QVERIFY(f_->Panel1->isVisible());  // class still empty
        QTest::keyClicks(f_->Edit3, QStringLiteral("5a"));
        QTest::keyClick(f_->Edit3, Qt::Key_Return);
        QVERIFY(!f_->Panel1->isVisible());
        QCOMPARE(QString::fromStdString(Commune::Nom), QStringLiteral("DUPONT"));
        QCOMPARE(QString::fromStdString(Commune::Prenom), QStringLiteral("Jean-Pierre"));
        QCOMPARE(QString::fromStdString(Commune::Classe), QStringLiteral("5A"));
        for (QAction* a : f_->Menus_Principaux()) QVERIFY(a->isEnabled());
    }

    void lesFlechesDeplacentLeFocus() {
        f_->Edit1->setFocus();
        QTest::keyClick(f_->Edit1, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), f_->Edit2);
        QTest::keyClick(f_->Edit2, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), f_->Edit3);
        QTest::keyClick(f_->Edit3, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), f_->Edit2);
    }

    void lArbreDesMenus() {
        QStringList principaux;
        for (QAction* a : f_->Menus_Principaux()) {
            principaux << a->text();
            QVERIFY(!a->isEnabled());
        }
        QCOMPARE(principaux, (QStringList{"Entiers &Naturels", "Entiers &Relatifs", "Ra&tionnels", "Décimaux",
                                          "Ré&els", "N&ouveau", "&Aide", "&Scores", "A propos"}));
        const QStringList attendus{
            "Entiers &Naturels",
            "Entiers &Naturels > Calcul Mental",
            "Entiers &Naturels > Opérations",
            "Entiers &Naturels > Opérations > Addition",
            "Entiers &Naturels > Opérations > Soustraction",
            "Entiers &Naturels > Opérations > Multiplication",
            "Entiers &Naturels > Opérations > Division",
            "Entiers &Naturels > Multiples",
            "Entiers &Naturels > Diviseurs",
            "Entiers &Naturels > Nombres premiers",
            "Entiers &Naturels > Puissances",
            "Entiers &Naturels > Décomposition",
            "Entiers &Naturels > Le range-nombres",
            "Entiers &Naturels > Le compte est toujours bon",
            "Entiers &Relatifs",
            "Entiers &Relatifs > Addition",
            "Entiers &Relatifs > Soustraction",
            "Entiers &Relatifs > Multiplication",
            "Entiers &Relatifs > Puissances",
            "Entiers &Relatifs > Division",
            "Entiers &Relatifs > Mélange",
            "Entiers &Relatifs > Parenthèses",
            "Entiers &Relatifs > Max Relatif",
            "Ra&tionnels",
            "Ra&tionnels > Simplification",
            "Ra&tionnels > Réduction au même dénominateur",
            "Ra&tionnels > Addition",
            "Ra&tionnels > Soustraction",
            "Ra&tionnels > Multiplication",
            "Ra&tionnels > Puissances",
            "Ra&tionnels > Division",
            "Ra&tionnels > Mélange",
            "Ra&tionnels > Le démineur irréductible",
            "Décimaux",
            "Décimaux > Rangement",
            "Décimaux > Insertion",
            "Décimaux > Calculs",
            "Décimaux > Calculs > Addition",
            "Décimaux > Calculs > Soustraction",
            "Décimaux > Calculs > Multiplication",
            "Décimaux > Calculs > Division",
            "Décimaux > Encadrement",
            "Décimaux > Arrondissement",
            "Décimaux > Le taquin décimal",
            "Ré&els",
            "Ré&els > Ecriture scientifique",
            "Ré&els > Racines carrées",
            "Ré&els > Equations 1er degré",
            "Ré&els > Equations 1er degré > Apprentissage",
            "Ré&els > Equations 1er degré > Exercices",
            "Ré&els > Systèmes",
            "Ré&els > Inéquations",
            "Ré&els > Equations 2 ème degré",
            "Ré&els > Suites",
            "Ré&els > Suites > arithmétiques",
            "Ré&els > Suites > géométriques",
            "Ré&els > Dérivées",
            "Ré&els > La mémoire réelle",
            "N&ouveau",
            "&Aide",
            "&Scores",
            "A propos",
        };
        QCOMPARE(f_->Chemins(), attendus);
        // The caption shown is the last piece of the path.
        QCOMPARE(f_->Action("Ré&els > Suites > géométriques")->text(), QStringLiteral("géométriques"));
    }

    void chaqueFeuilleOuvreSaFenetreOuEstGrisee() {
        int feuilles = 0;
        for (const QString& chemin : f_->Chemins()) {
            QAction* a = f_->Action(chemin);
            if (a->menu() || !chemin.contains(QStringLiteral(" > "))) continue;
            ++feuilles;
            const Fenetres::Fenetre_Prevue* p = Fenetres::Prevue_Par_Menu(chemin);
            QVERIFY2(p, qPrintable(chemin));
            QCOMPARE(a->isEnabled(), p->fabrique != nullptr);
        }
        // 49 topic and game windows; the score table and the about box are commands.
        QCOMPARE(feuilles, 49);
        QVERIFY(f_->Action("Entiers &Relatifs > Addition")->isEnabled());
        QVERIFY(f_->Action("Décimaux > Le taquin décimal")->isEnabled());
        // Every window of the table has its place in the menus.
        for (const auto& p : Fenetres::Table())
            if (*p.menu) QVERIFY2(f_->Action(QString::fromUtf8(p.menu)), p.classe);
    }

    void fermerNeDemandeQuApresOk() {
        QVERIFY(f_->close());
        QVERIFY(services_->messages.isEmpty());
        f_->show();
        Identite("DUPONT", "Marie", "4B");
        services_->reponses = {Bouton::Non};
        QVERIFY(!f_->close());
        QVERIFY(f_->isVisible());
        QCOMPARE(services_->messages.size(), 1);
        QCOMPARE(services_->messages[0].texte, QStringLiteral("Voulez-vous vraiment quitter le logiciel ?"));
        QCOMPARE(services_->messages[0].style, Style::Confirmation);
        services_->reponses = {Bouton::Oui};
        QVERIFY(f_->close());
        QVERIFY(!f_->isVisible());
    }

    void nouveauRemetAZeroSeulementSurOui() {
        Identite("DUPONT", "Marie", "4B");
        Commune::Serie.NbExercices = 4;
        Commune::Serie.Score = 50;
        for (Bouton refus : {Bouton::Non, Bouton::Ignorer}) {
            services_->reponses = {refus};
            f_->Nouveau1Click();
            QCOMPARE(Commune::Serie.NbExercices, 4);
            QCOMPARE(Commune::Serie.Score, 50);
            QVERIFY(!f_->Panel1->isVisible());
            QVERIFY(f_->Nouveau1->isEnabled());
        }
        const Message_Vu& m = services_->messages.last();
        QCOMPARE(m.texte, QStringLiteral("Voulez-vous vraiment commencer une nouvelle série :\r\n\r\nentrer un NOUVEAU "
                                         "NOM et remettre les COMPTEURS à 0 ?"));
        QCOMPARE(m.style, Style::Avertissement);
        QCOMPARE(m.boutons, (QList<Bouton>{Bouton::Oui, Bouton::Non, Bouton::Ignorer}));

        services_->reponses = {Bouton::Oui};
        f_->Nouveau1Click();
        QCOMPARE(Commune::Serie.NbExercices, 0);
        QCOMPARE(Commune::Serie.Score, 0);
        for (QAction* a : f_->Menus_Principaux()) QVERIFY(!a->isEnabled());
        QVERIFY(f_->Panel1->isVisible());
        QVERIFY(f_->Edit1->text().isEmpty());
        QTRY_COMPARE(QApplication::focusWidget(), f_->Edit1);
    }

    void apresNouveauLElevePrecedentNeRevientPas() {
        const QStringList tapes{"dupont", "marie", "4b"};
        QList<QLineEdit*> cases{f_->Edit1, f_->Edit2, f_->Edit3};
        for (int i = 0; i < 3; ++i) {
            cases[i]->setFocus();
            QTest::keyClicks(cases[i], tapes[i]);
        }
        f_->BitBtn2Click();
        services_->reponses = {Bouton::Oui};
        f_->Nouveau1Click();
        for (QLineEdit* e : cases) {
            e->setFocus();
            QTest::keyClick(e, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(e->text().isEmpty());
        }
        QVERIFY(!f_->BitBtn2->isEnabled());
    }

    void lHorlogeCompteAuDelaDeMinuit() {
        services_->maintenant = QDateTime(QDate(2026, 12, 7), QTime(23, 59, 0));
        f_->FormActivate();
        f_->Timer1Timer();
        QCOMPARE(f_->Panel2->text(), QStringLiteral("00:00:00"));
        services_->maintenant = QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59, 900));
        f_->Timer1Timer();
        QCOMPARE(f_->Panel2->text(), QStringLiteral("00:00:59"));
        services_->maintenant = QDateTime(QDate(2026, 12, 8), QTime(0, 1, 30));
        f_->Timer1Timer();
        QCOMPARE(f_->Panel2->text(), QStringLiteral("00:02:30"));
        QVERIFY(f_->Timer1->isActive());
        QCOMPARE(f_->Timer1->interval(), 100);
    }

    void lIndicationDeLaNoteEtLeBoutonFermer() {
        f_->Timer1Timer();
        QVERIFY(f_->BitBtn1->isEnabled());
        QVERIFY(f_->centralWidget()->toolTip().isEmpty());
        Commune::Serie.NbExercices = 1;
        f_->Timer1Timer();
        QCOMPARE(f_->centralWidget()->toolTip(), QStringLiteral("CTRL - F3 pour obtenir la note"));
        // While an exercise window is open over it, the close button is off.
        QDialog exercice;
        bool vu = false;
        QTimer::singleShot(50, &exercice, [&] {
            f_->Timer1Timer();
            vu = !f_->BitBtn1->isEnabled() && f_->centralWidget()->toolTip().isEmpty();
            exercice.reject();
        });
        exercice.exec();
        QVERIFY(vu);
    }

    void lesListesDeFichiers() {
        Touche(Qt::Key_F3, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(services_->messages.size(), 1);
        QCOMPARE(services_->messages[0].texte, QStringLiteral("Le fichier local de notes n'existe pas !"));
        QCOMPARE(services_->messages[0].style, Style::Erreur);
        Touche(Qt::Key_F9, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(services_->messages[1].texte, QStringLiteral("Le fichier global de notes n'existe pas !"));
        QVERIFY(!f_->WinPanel1->isVisible() && !f_->WinPanel2->isVisible());

        f_->Fichier_Local = Ecrit(QStringLiteral("TAVELUNE.LOC"), 3);
        f_->Fichier_General = Ecrit(QStringLiteral("TAVELUNE.LOG"), 5);
        Touche(Qt::Key_F3, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(f_->WinPanel1->isVisible());
        QCOMPARE(f_->WinPanel1->Titre(), QStringLiteral("Fichier local  (3)"));
        QCOMPARE(f_->ListBox1->item(2)->text(), QStringLiteral("ligne 3"));
        Touche(Qt::Key_F9, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f_->WinPanel2->Titre(), QStringLiteral("Fichier général  (5)"));
        // Ctrl+F9 without Shift is not the list key.
        f_->WinPanel2->hide();
        Touche(Qt::Key_F9, Qt::ControlModifier);
        QVERIFY(!f_->WinPanel2->isVisible());

        // "E" empties the list and its file.
        f_->BitBtn3->click();
        QCOMPARE(f_->ListBox1->count(), 0);
        QCOMPARE(f_->WinPanel1->Titre(), QStringLiteral("Fichier local  (0)"));
        QCOMPARE(QFileInfo(f_->Fichier_Local).size(), 0);
        f_->WinPanel1->BoutonFermer()->click();
        QVERIFY(!f_->WinPanel1->isVisible());
        QCOMPARE(services_->messages.size(), 2);

        Touche(Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(services_->messages.size(), 3);
        QCOMPARE(services_->messages[2].style, Style::Information);

        // A general file that cannot be emptied keeps its list, and says so.
        QVERIFY(QFile::remove(f_->Fichier_General));
        QVERIFY(QDir().mkpath(f_->Fichier_General));
        f_->BitBtn5->click();
        QCOMPARE(services_->messages.size(), 4);
        QCOMPARE(services_->messages[3].style, Style::Erreur);
        QCOMPARE(services_->messages[3].texte, QStringLiteral("Le fichier ") + f_->Fichier_General +
                                                   QStringLiteral(" n'a pas pu être vidé.\r\nLa liste est conservée."));
        QCOMPARE(f_->Modele2->rowCount(), 5);
        QCOMPARE(f_->WinPanel2->Titre(), QStringLiteral("Fichier général  (5)"));
    }

    void laListeLocaleGardeLesDernieresLignes() {
        // A new series reads the local file where the series' paths put it.
        const QString local = f_->Fichier_Local;
        QVERIFY(!local.isEmpty());
        QFile::remove(local);
        QVERIFY(QFile::copy(Ecrit(QStringLiteral("TAVELUNE.LOC"), 61), local));
        f_->FormActivate();
        QCOMPARE(f_->ListBox1->count(), 30);
        QCOMPARE(f_->ListBox1->item(0)->text(), QStringLiteral("ligne 32"));
        QFile::remove(local);
        QVERIFY(QFile::copy(Ecrit(QStringLiteral("TAVELUNE.LOC"), 60), local));
        f_->FormActivate();
        QCOMPARE(f_->ListBox1->count(), 60);
    }

    void verrouNumeriqueAllumeAuDebutEteintALaFin() {
        clavier_->verrous = {false, false, false};
        f_->FormActivate();
        QVERIFY(clavier_->verrous[1]);
        QVERIFY(!clavier_->verrous[0]);
        f_->FormActivate();
        QVERIFY(clavier_->verrous[1]);  // already on: left on
        QVERIFY(f_->close());
        QVERIFY(!clavier_->verrous[1]);
        // A keyboard whose state is unknown is left alone.
        clavier_->connu = false;
        clavier_->changements = 0;
        f_->FormActivate();
        f_->FormClose();
        QCOMPARE(clavier_->changements, 0);
        QCOMPARE(Etat_Verrou(1, true), true);
        clavier_->connu = true;
        QCOMPARE(Etat_Verrou(7, true), true);
    }

    void lesDeuxPalettes() {
        f_->Applique_Couleurs(false);
        QCOMPARE(&f_->Tuile(), &f_->Image11);
        QVERIFY(f_->MainMenu1->styleSheet().isEmpty());
        QCOMPARE(f_->Panel2->palette().color(QPalette::Window), QColor(0, 0, 128));
        QVERIFY(!f_->grab().isNull());
        f_->Applique_Couleurs(true);
        QCOMPARE(&f_->Tuile(), &f_->Image1);
        QVERIFY(f_->MainMenu1->styleSheet().contains(QStringLiteral("rgb(208,192,254)")));
        QCOMPARE(f_->Panel2->palette().color(QPalette::Window), QColor(225, 0, 77));
        // The tiles cover the window from the top left.
        const QImage vue = f_->centralWidget()->grab().toImage();
        QCOMPARE(vue.pixelColor(1, 1), f_->Image1.toImage().pixelColor(1, 1));
        QCOMPARE(vue.pixelColor(49, 1), f_->Image1.toImage().pixelColor(1, 1));
    }

    void leLienSeMetEnGrasSousLaSouris() {
        QVERIFY(f_->StaticText1->font().underline());
        QEvent entree(QEvent::Enter);
        QApplication::sendEvent(f_->StaticText1, &entree);
        QVERIFY(f_->StaticText1->font().bold());
        QEvent sortie(QEvent::Leave);
        QApplication::sendEvent(f_->StaticText1, &sortie);
        QVERIFY(!f_->StaticText1->font().bold());
        QVERIFY(f_->StaticText1->font().underline());
        QCOMPARE(f_->StaticText1->cursor().shape(), Qt::PointingHandCursor);
    }

    void lesCommandesDuMenu() {
        Identite("DUPONT", "Marie", "4B");
        f_->Scores1->trigger();
        QCOMPARE(services_->scores, 1);
        f_->Aide1->trigger();
        Touche(Qt::Key_F1);
        QCOMPARE(services_->aides, (QList<int>{0, TMenuForm::Aide_Fenetre}));
        QVERIFY(f_->windowTitle().startsWith(QStringLiteral("V. 2.51")));
    }
};

QTEST_MAIN(test_Menu)
#include "test_Menu.moc"
