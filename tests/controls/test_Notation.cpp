#include <QtTest>

#include "Sondes.hpp"
#include "controls/Indice.hpp"
#include "controls/Racine.hpp"
#include "controls/Unites.hpp"
#include "platform/Polices.hpp"

class Test_Notation : public QObject {
    Q_OBJECT

    static int Largeur(const QWidget& w, int cellule, const QString& t) {
        return QFontMetrics(Plateforme::Police_Cellule(w.font(), cellule)).horizontalAdvance(t);
    }

private slots:
    void constructions() {
        TRacine r;
        QCOMPARE(r.height(), 40);
        QVERIFY(r.Nombre().isEmpty());
        TUnite u;
        QCOMPARE(u.height(), 24);
        QCOMPARE(u.Unite(), QString("m"));
        QVERIFY(u.Exposant().isEmpty());
        TIndice i;
        QCOMPARE(i.height(), 30);
        QCOMPARE(i.Unite(), QString("U"));
        QCOMPARE(i.Indice(), QString("1"));
        QVERIFY(i.font().italic());
        QCOMPARE(i.font().family(), Plateforme::Famille_Proche("Times New Roman"));
        for (QWidget* w : {static_cast<QWidget*>(&r), static_cast<QWidget*>(&u), static_cast<QWidget*>(&i)})
            QCOMPARE(w->focusPolicy(), Qt::NoFocus);
    }

    void unite_largeurs_et_cellules() {
        QWidget fenetre;
        Surface(fenetre);
        auto* u = new TUnite(&fenetre);
        u->setGeometry(10, 10, 20, 24);
        u->setUnite("cm");
        QCOMPARE(u->width(), Largeur(*u, 18, "cm") + 5);
        u->setExposant("3");
        const auto plan = u->Plan();
        QCOMPARE(plan.cellule, 18);
        QCOMPARE(plan.petite_cellule, 9);
        QCOMPARE(plan.position_second, Geometrie::Point({Largeur(*u, 18, "cm") + 1, 1}));
        QCOMPARE(u->width(), Largeur(*u, 18, "cm") + 1 + Largeur(*u, 9, "3") + 4);
        // Emptying the exponent narrows it back.
        u->setExposant("");
        QCOMPARE(u->width(), Largeur(*u, 18, "cm") + 5);
        // Ten pixels or less: the main text takes H - 2.
        QVERIFY(Montre(fenetre));
        u->resize(u->width(), 10);
        QCOMPARE(u->Plan().cellule, 8);
        QCOMPARE(u->width(), Largeur(*u, 8, "cm") + 5);
    }

    void exposant_en_haut_indice_en_bas() {
        QWidget fenetre;
        Surface(fenetre);
        auto* u = new TUnite(&fenetre);
        u->setGeometry(10, 10, 20, 40);
        u->setUnite("x");
        u->setExposant("2");
        auto* i = new TIndice(&fenetre);
        i->setGeometry(150, 10, 25, 40);
        i->setUnite("x");
        i->setIndice("2");
        QVERIFY(Montre(fenetre));
        // The second texts are 17-pixel cells: at the top for the exponent,
        // at the bottom for the index.
        auto encre_second = [](QWidget* w, int x) {
            const QImage image = Image_De(w);
            return Lignes_De(image.copy(x, 0, image.width() - x, image.height()), Qt::black);
        };
        const QList<int> haut = encre_second(u, u->Plan().position_second.x);
        QVERIFY(!haut.isEmpty());
        QVERIFY(haut.first() >= 1 && haut.last() < 1 + 17);
        const QList<int> bas = encre_second(i, i->Plan().position_second.x);
        QVERIFY(!bas.isEmpty());
        QCOMPARE(i->Plan().position_second.y, 40 - 17);
        QVERIFY(bas.first() >= 23 && bas.last() < 40);
    }

    void racine_signe_et_barre() {
        QWidget fenetre;
        Surface(fenetre);
        auto* r = new TRacine(&fenetre);
        r->setGeometry(10, 10, 30, 40);
        QVERIFY(Montre(fenetre));
        QCOMPARE(r->width(), 15);
        r->setNombre("75");
        const int t = Largeur(*r, 32, "75");
        const int a = t / 5 + 5;
        QCOMPARE(r->width(), t + a + 10);
        const QImage i = Image_De(r);
        // The bar runs over the number, from the top of the sign to the right edge.
        for (int x = a + 1; x < i.width(); ++x) {
            bool encre = false;
            for (int y = 0; y <= 2; ++y) encre = encre || Pixel(i, x, y) == QColor(Qt::black);
            QVERIFY2(encre, qPrintable(QString::number(x)));
        }
        // The number sits under it, from (a + 5, 6).
        const QImage nombre = i.copy(a + 5, 6, t, 32);
        QVERIFY(!Lignes_De(nombre, Qt::black).isEmpty());
        QVERIFY(Lignes_De(i.copy(a + 5, 3, t, 3), Qt::black).isEmpty());

        Compte_Peintures peintures(r);
        QTest::qWait(20);
        peintures.n = 0;
        r->setNombre("75");
        QTest::qWait(50);
        QCOMPARE(peintures.n, 0);
        r->setNombre("7");
        QTRY_VERIFY(peintures.n >= 1);
        QCOMPARE(r->width(), Largeur(*r, 32, "7") + Largeur(*r, 32, "7") / 5 + 5 + 10);
    }
};

QTEST_MAIN(Test_Notation)
#include "test_Notation.moc"
