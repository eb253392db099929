#include <QTest>

#include "framework/logic/Commune.hpp"
#include "games/Unrange.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Glisse_Pilotee.hpp"
#include "support/Hasard_Test.hpp"

class Test_Unrange : public QObject {
    Q_OBJECT

    static std::unique_ptr<TNRangeF> Ouvre(int niveau) {
        auto f = std::make_unique<TNRangeF>();
        f->Pilote_Ticks(true);
        f->Suppose_Active(true);
        f->SlideBar1->setPosition(niveau);
        f->show();
        return f;
    }

private slots:
    void init() {
        Commune::Serie.Remet_A_Zero();
        Commune::Nom = "DUPONT";
        Commune::Prenom = "Marie";
    }

    void ranger_par_glisser_et_perdre() {
        Faux_Services services;
        Hasard_Test hasard{29, 48, 6};  // 30, 49, 7 at level 1
        auto f = Ouvre(1);
        QCOMPARE(f->Panel1->Caption(), QString("30"));
        QCOMPARE(f->ListBox1->item(0)->text(), QString("   1   2   3   5   7  11  13  17  19  23"));
        QVERIFY(f->BitBtn2->isVisible() && !f->WinPanel1->isVisible());
        QTest::mouseClick(f->BitBtn2, Qt::LeftButton);
        QVERIFY(f->WinPanel1->isVisible());

        // Over "par 3", released on the floor band: judged in box 3, the table hidden.
        QCOMPARE(Glisse_Par(f->Panel1, {f->Figure(2), f->Shape1}), 1);
        QVERIFY(!f->WinPanel1->isVisible());
        QCOMPARE(f->palette().color(QPalette::Window), f->Couleur_Juste());
        QCOMPARE(f->P_score->text(), QString(" Score : 5"));
        // 49 is not prime: wrong in the primes box, then 7 never over a box is wrong too.
        QCOMPARE(f->Panel1->Caption(), QString("49"));
        Glisse_Par(f->Panel1, {f->Figure(5)});
        QCOMPARE(f->palette().color(QPalette::Window), QColor(Qt::black));
        Capture(f.get(), "Unrange_faux");
        Glisse_Par(f->Panel1, {});
        QCOMPARE(f->P_justes->text(), QString(" Juste(s) : 1/3"));
        QCOMPARE(Commune::Serie.Score, 0);

        // 23 steps of 10 pixels, then the ground: lost, the score alone pays.
        Commune::Serie.Score = 30;
        const Commune::Compteurs_Serie avant = Commune::Serie;
        services.reponses = {Plateforme::Bouton::Oui};
        int pas = 0;
        while (f->Panel1->y() < 300 && services.messages.isEmpty()) {
            const int y = f->Panel1->y();
            f->Tic();
            if (f->Panel1->y() == y + 10) ++pas;
        }
        QCOMPARE(pas, 23);
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].texte, QString("Perdu ! Rejouer ?"));
        QCOMPARE(services.messages[0].style, Plateforme::Style::Avertissement);
        QCOMPARE(Commune::Serie.Score, 0);
        QCOMPARE(Commune::Serie.NbExercices, avant.NbExercices);
        QCOMPARE(Commune::Serie.Niveaux, avant.Niveaux);
        // Yes: a new game, as on opening.
        QVERIFY(f->isVisible() && f->Timer1->isActive());
        QCOMPARE(f->Panel1->y(), 0);
        QCOMPARE(f->palette().color(QPalette::Window), QColor(128, 128, 128));

        // A number held over the ground waits for the end of the drag, which
        // loses the game once; No closes the window.
        services.reponses = {Plateforme::Bouton::Non};
        Glisse_Par(f->Panel1, {f->BBFermer, f->BBFermer}, [&](std::size_t) {
            for (int k = 0; k < 30; ++k) f->Tic();
        });
        QCOMPARE(services.messages.size(), 2);
        QCOMPARE(Commune::Serie.NbExercices, avant.NbExercices);
        QVERIFY(!f->isVisible() && !f->Timer1->isActive());
    }

    void niveau_3_sans_table() {
        Faux_Services services;
        Hasard_Test hasard{90};
        auto f = Ouvre(3);
        QCOMPARE(f->Panel1->Caption(), QString("91"));
        QVERIFY(!f->BitBtn2->isVisible());
        QCOMPARE(f->Timer1->interval(), 500);
        QCOMPARE(f->ListBox1->item(f->ListBox1->count() - 1)->text(), QString(" 941 947 953 967 971 977 983 991 997"));
        // Dragging a box over another chooses it and judges nothing.
        Glisse_Par(f->Figure(1), {f->Figure(4)});
        QCOMPARE(Commune::Serie.NbExercices, 0);
        Glisse_Par(f->Panel1, {f->Figure(3), f->Figure(4)});
        QCOMPARE(Commune::Serie.NbJustes, 1);
        QCOMPARE(Commune::Serie.Score, 15);
        Capture(f.get(), "Unrange_juste");
    }
};

QTEST_MAIN(Test_Unrange)
#include "test_Unrange.moc"
