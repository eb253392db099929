#include <QApplication>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "support/Ouvre_Fenetre.hpp"
#include "topics/algebra/Usyst.hpp"

class Test_Usyst : public QObject {
    Q_OBJECT

    static std::unique_ptr<TSystForm> Ouvre(int niveau) { return Ouvre_Au_Niveau<TSystForm>(niveau); }
    static void Confirme(TSystForm& f, const QString& x, const QString& y) {
        QTest::keyClicks(f.Edit1, x);
        QTest::keyClicks(f.Edit2, y);
        QTest::mouseClick(f.BBConf, Qt::LeftButton);
    }

private slots:
    void init() { Commune::Serie.Remet_A_Zero(); }

    void systeme_impossible_et_refus() {
        Faux_Services services;
        // Level 2: x + 2y = 3, 2x + 4y = 7 (each draw is Random(31) - 15).
        Hasard_Test hasard{16, 17, 18, 17, 19, 22};
        auto f = Ouvre(2);
        QCOMPARE(f->membres[0].L_A->text() + f->membres[0].L_B->text() + f->membres[1].L_A->text(), QString("+23"));
        QVERIFY(f->membres[1].L_x->isHidden() && f->membres[0].L_K->isHidden() && f->Panel2->isHidden());
        QVERIFY(f->Lsup->text().startsWith("Penser à calculer"));
        // "/" for x only: refused before anything is counted.
        Confirme(*f, "/", "4");
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].texte, QString(" / : Impossible ou I : Indeterminé  POUR x ET POUR y"));
        QVERIFY(f->Edit1->text().isEmpty() && f->Edit2->text().isEmpty());
        QCOMPARE(Commune::Serie.NbExercices, 0);
        QVERIFY(f->Edit1->hasFocus());
        QVERIFY(!f->BBConf->isEnabled());
        // Wrong.
        Confirme(*f, "1", "1");
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux c'est :"));
        QCOMPARE(f->LRep1->text(), QString("x = /       y = /"));
        QCOMPARE(f->LRep2->text(), QString("(Impossible, 0 couple-solution)"));
        QVERIFY(f->LRep0->text().isEmpty());
        Capture(f.get(), "syst-niveau2-impossible");
        // "/" in both boxes is judged, and right.
        hasard.script->Ajoute({16, 17, 20, 17, 19, 22});  // x + 2y = 5, 2x + 4y = 7
        QTest::mouseClick(f->BBCont, Qt::LeftButton);
        Confirme(*f, "/", "/");
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(Commune::Serie.NbExercices, 2);
        QCOMPARE(f->P_score->text(), QString(" Score : 20"));
    }

    void solution_decimale_et_systeme_simplifie() {
        Faux_Services services;
        // Level 2: 3x + 3y = 6, 3x - 3y = -4: x = 1/3, y = 5/3.
        Hasard_Test hasard{18, 18, 21, 18, 12, 11};
        auto f = Ouvre(2);
        Confirme(*f, "0.3", "1.67");
        QVERIFY(f->LRep1->text().startsWith("x = 0.333 33 = 0.33"));
        QCOMPARE(f->LRep0->text(), QString("Méthode d'addition  : ajouter les équations membre à membre"));
        QVERIFY(f->LRep0->isVisible());
        // The same system cannot come back at once; 3x - 3y = -2 then: x = 2/3, y = 4/3.
        hasard.script->Ajoute({18, 18, 21, 18, 12, 11, 18, 18, 21, 18, 12, 13});
        QTest::mouseClick(f->BBCont, Qt::LeftButton);
        QCOMPARE(f->membres[3].L_A->text(), QString("-2"));
        Confirme(*f, "+0.67", "1.330");  // read as 0.67 and 1.33
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QVERIFY(f->LRep0->isHidden());

        // Level 3: the simplified system shows with a wrong answer only.
        f->SlideBar1->setPosition(3);
        QVERIFY(!f->Panel2->isHidden());
        const Syst::Solution& s = f->Sujet().Attendu();
        Confirme(*f, s.x2 == "9" ? "8" : "9", "9");
        QVERIFY(f->Panel2->isVisible());
        QCOMPARE(f->L32->text(), f->LRep1->text());
        Capture(f.get(), "syst-niveau3-faux");
        QTest::mouseClick(f->BBCont, Qt::LeftButton);
        const Syst::Solution& r = f->Sujet().Attendu();
        Confirme(*f, QString::fromStdString(r.x2), QString::fromStdString(r.y2));
        QVERIFY(f->Panel2->isHidden());
    }

    // One wrong and one right answer at every level, for the eye.
    void chaque_niveau() {
        Faux_Services services;
        Hasard_Test hasard({}, 2027);
        auto f = Ouvre(1);
        for (int niveau = 1; niveau <= 4; ++niveau) {
            f->SlideBar1->setPosition(niveau);
            Confirme(*f, "99", "99");
            QCOMPARE(f->Dessin(), QString("B"));
            Capture(f.get(), QStringLiteral("syst-niveau%1-faux").arg(niveau));
            QTest::mouseClick(f->BBCont, Qt::LeftButton);
            const Syst::Solution& s = f->Sujet().Attendu();
            Confirme(*f, QString::fromStdString(s.x2), QString::fromStdString(s.y2));
            QCOMPARE(f->Dessin(), QString("A"));
            Capture(f.get(), QStringLiteral("syst-niveau%1-juste").arg(niveau));
        }
    }
};

QTEST_MAIN(Test_Usyst)
#include "test_Usyst.moc"
