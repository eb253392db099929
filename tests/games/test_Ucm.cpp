#include <QTest>
#include <QTimer>

#include "framework/logic/Commune.hpp"
#include "games/Ucm.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"

class Test_Ucm : public QObject {
    Q_OBJECT

    // The window, opened, its clock driven by the test.
    static std::unique_ptr<TCMForm> Ouvre() {
        auto f = std::make_unique<TCMForm>();
        f->Pilote_Ticks(true);
        f->show();
        QApplication::setActiveWindow(f.get());
        return f;
    }

    static void Demarre(TCMForm& f) {
        if (!f.isVisible()) {
            f.show();
            QApplication::setActiveWindow(&f);
        }
        QTest::mouseClick(f.BBDemarre, Qt::LeftButton);
    }

private slots:
    void init() {
        Commune::Serie.Remet_A_Zero();
        Commune::Nom = "DUPONT";
        Commune::Prenom = "Marie";
    }

    void juste_faux_puis_sans_reponse_au_bord() {
        Faux_Services services;
        services.pas_ticks = 1000;
        Hasard_Test hasard{100, 1, 2, 3};  // height 120; 3 + 4 at level 1
        auto f = Ouvre();
        QCOMPARE(f->windowTitle(), QString("Choisir l'opération et le niveau puis appuyer sur le bouton Démarrer"));
        QVERIFY(!f->Boutons[7]->isEnabled());
        f->Tic();  // not started: the clock does not run
        QVERIFY(f->L_Question->text().isEmpty());
        Demarre(*f);
        QVERIFY(!f->BBDemarre->isEnabled());
        QVERIFY(f->Boutons[99]->isEnabled());
        f->Tic();
        QCOMPARE(f->L_Question->text(), QString("3 + 4"));
        QCOMPARE(f->L_Question->pos(), QPoint(25, 120));
        QCOMPARE(f->l_niv->text(), QString("1"));
        Capture(f.get(), "Ucm_question");
        QTest::mousePress(f->Boutons[7], Qt::LeftButton);  // answered on the press
        QCOMPARE(f->L_Question->text(), QString("EXACT"));
        QCOMPARE(f->P_justes->text(), QString(" Juste(s) : 1/1"));
        QCOMPARE(f->P_score->text(), QString(" Score : 5"));
        QTest::mouseRelease(f->Boutons[7], Qt::LeftButton);
        QTest::mouseClick(f->Boutons[8], Qt::LeftButton);  // a second press on the question
        QCOMPARE(Commune::Serie.NbExercices, 1);

        // A wrong product at level 2: the correction moves on during the pause.
        QTest::mouseClick(f->SBMult, Qt::LeftButton);
        QCOMPARE(f->Label1->text(), QString("Multiplication"));
        f->SlideBar1->setPosition(2);
        QCOMPARE(f->P_niveau->text(), QString(" Niveau II"));
        hasard.script->Ajoute({0, 0, 0});  // height 20; 11 x 2
        f->Tic();
        QCOMPARE(f->L_Question->text(), QString("11 x 2"));
        int pendant = 0;
        QTimer::singleShot(0, f.get(), [&] {
            f->Tic();
            pendant = f->L_Question->x();
            Capture(f.get(), "Ucm_faux");
        });
        QTest::mousePress(f->Boutons[21], Qt::LeftButton);
        QCOMPARE(pendant, 100);
        QCOMPARE(f->L_Question->text(), QString("Non 11 x 2 = 22"));
        QCOMPARE(f->L_Question->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(f->P_justes->text(), QString(" Juste(s) : 1/2"));
        QCOMPARE(f->P_score->text(), QString(" Score : 0"));
        QCOMPARE(f->L_Question->x(), 5);

        // Unanswered: booked wrong on the 13th tick, counting the one that posed it.
        for (int tic = 1; tic <= 12; ++tic) f->Tic();
        QCOMPARE(Commune::Serie.NbExercices, 2);
        // Nothing moves while another window is in front.
        f->Suppose_Active(false);
        f->Tic();
        f->Suppose_Active(std::nullopt);
        QCOMPARE(Commune::Serie.NbExercices, 2);
        f->Tic();
        QCOMPARE(Commune::Serie.NbExercices, 3);
        QCOMPARE(Commune::Serie.EssaisNiveau(2), 2);
        QVERIFY(f->L_Question->text().isEmpty());
        QCOMPARE(f->L_Question->x(), 5);
    }

    void fermer_laisse_la_question_sans_la_compter() {
        Faux_Services services;
        Hasard_Test hasard{100, 1, 2, 3};
        auto f = Ouvre();
        Demarre(*f);
        f->Tic();
        QTest::keyClick(f.get(), Qt::Key_Escape);  // Esc closes like the title bar
        QVERIFY(!f->isVisible());
        QVERIFY(!f->Timer1->isActive());
        QVERIFY(f->BBDemarre->isEnabled());
        QVERIFY(!f->Boutons[7]->isEnabled());
        QVERIFY(f->L_Question->text().isEmpty());
        QCOMPARE(f->L_Question->x(), 5);
        Demarre(*f);
        QTest::mouseClick(f->Boutons[7], Qt::LeftButton);  // the dropped question's result
        QCOMPARE(Commune::Serie.NbExercices, 0);
        QTest::mouseClick(f->BBFermer, Qt::LeftButton);
        QVERIFY(!f->isVisible());
    }

    // Closed during the pause and started again: the wrong answer is booked
    // once, the new question is left as it stands.
    void la_pause_ne_touche_pas_la_question_suivante() {
        Faux_Services services;
        services.pas_ticks = 1000;
        Hasard_Test hasard{100, 1, 2, 3};
        auto f = Ouvre();
        Demarre(*f);
        f->Tic();
        QTimer::singleShot(0, f.get(), [&] {
            f->close();
            Demarre(*f);
            f->Tic();
        });
        QTest::mousePress(f->Boutons[9], Qt::LeftButton);
        QCOMPARE(Commune::Serie.NbExercices, 1);
        QCOMPARE(Commune::Serie.NbJustes, 0);
        QVERIFY(f->Course().Ouverte());
        QCOMPARE(f->L_Question->x(), 25);
        QCOMPARE(f->L_Question->palette().color(QPalette::WindowText), QColor(Qt::white));
    }
};

QTEST_MAIN(Test_Ucm)
#include "test_Ucm.moc"
