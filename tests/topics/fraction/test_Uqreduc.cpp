#include "topics/fraction/Uqreduc.hpp"

#include <random>

#include "Fenetre_Fraction_Test.hpp"

class Test_Uqreduc : public QObject {
    Q_OBJECT

    static void Remplit(TQReducF* f, const QStringList& t) {
        const std::vector<TEntree*> e{f->Edit1, f->Edit2, f->Edit3, f->Edit4, f->Edit5, f->Edit6};
        for (int i = 0; i < t.size(); ++i) QTest::keyClicks(e[i], t[i]);
    }

private slots:
    void deux_fractions_juste() {
        Faux_Services services;
        Hasard_Test hasard{0, 0, 0, 1};  // 1/2 and 1/3
        auto f = Ouvre_Fenetre<TQReducF>();
        QCOMPARE(f->windowTitle(), QString("Réduction des fractions au même dénominateur"));
        QCOMPARE(Texte(f->Fraction1), QString("1/2"));
        QCOMPARE(Texte(f->Fraction2), QString("1/3"));
        QVERIFY(!f->Ligne3->isVisibleTo(f.get()));
        QVERIFY(f->Edit2->hasFocus());
        Remplit(f.get(), {"3", "6", "2"});
        QVERIFY(!f->BBConf->isEnabled());  // every visible box must be filled
        QTest::keyClicks(f->Edit4, "6");
        QVERIFY(f->BBConf->isEnabled());
        f->BBConfClick();
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(f->P_score->text(), QString(" Score : 25"));
        QVERIFY(!f->Edit4->isEnabled());
        Capture(f.get(), "qreduc-juste");
    }

    void reduites_avant_le_denominateur_commun() {
        Faux_Services services;
        Hasard_Test hasard{1, 2, 0, 1};  // 2/4 and 1/3
        auto f = Ouvre_Fenetre<TQReducF>(2);
        QCOMPARE(Texte(f->Fraction1), QString("2/4"));
        Remplit(f.get(), {"6", "12", "4", "12"});
        f->BBConfClick();
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        QCOMPARE(f->LRep1->text(), QString("C'est :"));
        QCOMPARE(Texte(f->Fs[0]), QString("1/2"));
        QCOMPARE(f->Par[0]->text(), QString("(par 2)"));
        QCOMPARE(Texte(f->Fr[0]), QString("3/6"));
        QCOMPARE(Texte(f->Fr[1]), QString("2/6"));
        QVERIFY(!f->Par[1]->isVisibleTo(f.get()));
        QVERIFY(!f->Fr[2]->isVisibleTo(f.get()));
        Capture(f.get(), "qreduc-faux");
    }

    void trois_fractions() {
        Faux_Services services;
        // 1/4, 5/6 (level 2 pair drawn with denominators up to 13), then 3/9.
        Hasard_Test hasard{0, 2, 4, 4, 2, 7};
        auto f = Ouvre_Fenetre<TQReducF>(3);
        QCOMPARE(Texte(f->Fraction3), QString("3/9"));
        QVERIFY(f->Ligne3->isVisibleTo(f.get()));
        Remplit(f.get(), {"3", "12", "10", "12", "4"});
        QVERIFY(!f->BBConf->isEnabled());
        QTest::keyClicks(f->Edit6, "12");
        f->BBConfClick();
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
    }

    void confirmer_suit_les_boites_visibles() {
        Faux_Services services;
        Hasard_Test hasard;
        auto f = Ouvre_Fenetre<TQReducF>();
        const std::vector<TEntree*> e{f->Edit1, f->Edit2, f->Edit3, f->Edit4, f->Edit5, f->Edit6};
        std::mt19937 g(7);
        for (int i = 0; i < 1500; ++i) {
            if (!f->Edit1->isEnabled()) {
                f->SlideBar1->setPosition(1 + static_cast<int>(g() % 4));
                if (!f->Edit1->isEnabled()) f->BBContClick();
            }
            TEntree* cible = e[g() % 6];
            if (g() % 3 == 0) QTest::keyClick(cible, Qt::Key_Backspace);
            else QTest::keyClick(cible, "0123456789x"[g() % 11]);
            bool complet = true;
            for (TEntree* b : e) complet = complet && (!b->isVisibleTo(f.get()) || !b->text().isEmpty());
            QCOMPARE(f->BBConf->isEnabled(), complet);
            QVERIFY(cible->text().size() <= 6);
            if (complet && g() % 4 == 0) f->BBConfClick();
        }
    }
};

QTEST_MAIN(Test_Uqreduc)
#include "test_Uqreduc.moc"
