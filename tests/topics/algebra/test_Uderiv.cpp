#include <QApplication>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "support/Lisibilite.hpp"
#include "support/Ouvre_Fenetre.hpp"
#include "topics/algebra/Uderiv.hpp"

class Test_Uderiv : public QObject {
    Q_OBJECT

    static std::unique_ptr<TDeriForm> Ouvre(int niveau) { return Ouvre_Au_Niveau<TDeriForm>(niveau); }
    static void Tape(TDeriForm& f, const QStringList& boites) {
        const std::vector<TEntree*> e = f.Entrees();
        for (int i = 0; i < boites.size(); ++i) QTest::keyClicks(e[static_cast<std::size_t>(i)], boites[i]);
    }

private slots:
    void init() { Commune::Serie.Remet_A_Zero(); }

    // A click on a spin button lets Confirm be pressed; a sign left out is
    // refused after counting, with the boxes kept for the pupil to complete.
    void signe_oublie_puis_juste() {
        Faux_Services services;
        // f = x^3 + 2x^2 + 3x, x0 = 1.
        Hasard_Test hasard{11, 12, 13, 0, 0, 6};
        auto f = Ouvre(2);
        QCOMPARE(f->L_Q2->text(), QString("Calculer le nombre dérivé pour Xo = 1"));
        QVERIFY(f->Edit4->isVisible() && !f->Edit5->isVisible() && f->Numeros[3]->isVisible());
        QVERIFY(!f->BBConf->isEnabled());
        QTest::mouseClick(f->SpinButton1->Haut(), Qt::LeftButton);
        QVERIFY(f->BBConf->isEnabled());
        QCOMPARE(f->Unite4->Unite(), QString("x"));
        QTest::mouseClick(f->SpinButton1->Haut(), Qt::LeftButton);
        QCOMPARE(f->Unite4->Exposant(), QString("2"));
        QTest::mouseClick(f->SpinButton2->Haut(), Qt::LeftButton);
        Tape(*f, {"3", "+4", "", "10"});
        QTest::mouseClick(f->BBConf, Qt::LeftButton);
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].texte, QString("En 3, il faut mettre un signe puis un coefficient !"));
        QCOMPARE(Commune::Serie.NbExercices, 1);
        QCOMPARE(Commune::Serie.Score, 0);
        QVERIFY(f->Cycle().Question_Ouverte() && f->Edit1->isEnabled() && f->SpinButton1->isEnabled());
        QCOMPARE(f->Edit2->text(), QString("+4"));
        QCOMPARE(f->P_justes->text(), QString(" Juste(s) : 0/1"));
        QTest::keyClicks(f->Edit3, "+3");
        QTest::mouseClick(f->BBConf, Qt::LeftButton);
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(Commune::Serie.NbExercices, 2);
        QCOMPARE(Commune::Serie.Score, 50);
        QVERIFY(!f->SpinButton1->isEnabled() && !f->SpinButton2->isEnabled() && !f->Edit4->isEnabled());
    }

    // The corrections of every level, wrong then right, for the eye; the
    // corrections of levels 2 and 3 (which the shared check rarely reaches,
    // its answers having no sign) fit their panel.
    void chaque_niveau() {
        Faux_Services services;
        Hasard_Test hasard{13, 0, 11, 12, 13, 0, 0, 6, 11, 11, 14, 12, 11, 9, 13, 8};
        auto f = Ouvre(1);
        // 3x^-1: the answer -3x^-2.
        Tape(*f, {"-3"});
        QTest::mouseClick(f->BBConf, Qt::LeftButton);
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        QCOMPARE(f->U_Rep1->Unite() + "^" + f->U_Rep1->Exposant(), QString("f'(x)=-3x^-2"));
        QVERIFY(!f->U_rep2->isVisible());
        Capture(f.get(), "deriv-niveau1-faux");
        f->SlideBar1->setPosition(2);  // x^3 + 2x^2 + 3x at 1
        QTest::mouseClick(f->SpinButton1->Haut(), Qt::LeftButton);
        Tape(*f, {"3", "+4", "+3", "9"});
        QTest::mouseClick(f->BBConf, Qt::LeftButton);
        QCOMPARE(f->LRep1->text(), QString("f'(1) = 10"));
        QVERIFY(f->U_rep3->isVisible());
        QVERIFY2(Defauts_Verdict(*f).isEmpty(), qPrintable(Defauts_Verdict(*f).join('\n')));
        Capture(f.get(), "deriv-niveau2-faux");
        f->SlideBar1->setPosition(3);  // x^2 + x + 4 at 2: y = 5x
        QTest::mouseClick(f->SpinButton1->Haut(), Qt::LeftButton);
        Tape(*f, {"2", "+1", "", "5", "5"});
        QTest::mouseClick(f->BBConf, Qt::LeftButton);
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        Capture(f.get(), "deriv-niveau3-juste");
        QTest::mouseClick(f->BBCont, Qt::LeftButton);  // x^2 - x + 3 at -2: m = -5, p = -1
        Tape(*f, {"2", "-1", "", "-5", "-5", "+1"});
        QTest::mouseClick(f->BBConf, Qt::LeftButton);
        QCOMPARE(f->LRep2->text(), QString("M (-2;9)\n\nD : y = -5x -1"));
        QVERIFY2(Defauts_Verdict(*f).isEmpty(), qPrintable(Defauts_Verdict(*f).join('\n')));
        Capture(f.get(), "deriv-niveau3-faux");
    }
};

QTEST_MAIN(Test_Uderiv)
#include "test_Uderiv.moc"
