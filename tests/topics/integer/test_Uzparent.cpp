#include "topics/integer/Uzparent.hpp"

#include "Banc_Relatifs.hpp"

class test_Uzparent : public QObject {
    Q_OBJECT
private slots:
    void Correction_En_Deux_Temps_Puis_Produit_Implicite();
    void Une_Longue_Ligne_De_Correction_Tient_Dans_Le_Panneau();
};

void test_Uzparent::Une_Longue_Ligne_De_Correction_Tient_Dans_Le_Panneau() {
    Banc_Relatifs banc({1, 0, 0, 0, 0});  // -50 - (-40 - 50)
    TZparentF f;
    f.SlideBar1->setPosition(3);
    f.show();
    Repond(f, "1");
    QCOMPARE(f.LRep2->text(), QStringLiteral("-50 - (-90) = -50 + 90 = 40"));
    QVERIFY(QFontMetrics(f.LRep2->font()).horizontalAdvance(f.LRep2->text()) <= f.LRep2->width());
    QVERIFY(f.LRep2->font().pixelSize() >= 12);
}

void test_Uzparent::Correction_En_Deux_Temps_Puis_Produit_Implicite() {
    Banc_Relatifs banc({1, 1, 20, 18, 22,    // 5 - (3 - 7)
                        2, 0, 19, 42, 53,    // 4 x (2 + 3)
                        2, 0, 19, 43, 53});  // 4 (3 + 3)
    TZparentF f;
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Usage des parenthèses"));
    const auto ligne = [&f] {
        QStringList l;
        for (QLabel* e : {f.L_A, f.L_S1, f.Label3, f.L_B, f.L_S2, f.L_C, f.Label4, f.Label2})
            if (e->isVisible()) l << e->text();
        return l.join(' ');
    };
    QCOMPARE(ligne(), QStringLiteral("5 - ( 3 - 7 ) ="));
    Repond(f, "1");
    QCOMPARE(Verdict(f), QStringLiteral("Faux |  | C'est : | 5 - (-4) = 5 + 4 = 9 | B"));

    f.SlideBar1->setPosition(3);  // one exercise done: the product is written
    QCOMPARE(ligne(), QStringLiteral("4 x ( 2 + 3 ) ="));
    Repond(f, "+20");
    QCOMPARE(Verdict(f), QStringLiteral("Juste | bravo |  |  | A"));

    Continue(f);  // two done: the product is implicit
    QCOMPARE(ligne(), QStringLiteral("4 ( 3 + 3 ) ="));
    QCOMPARE(f.P_justes->text(), QStringLiteral(" Juste(s) : 1/2"));
    QCOMPARE(f.P_score->text(), QStringLiteral(" Score : 30"));
}

QTEST_MAIN(test_Uzparent)
#include "test_Uzparent.moc"
