#include <QFontDatabase>
#include <QtTest>

#include "Sondes.hpp"
#include "controls/Fraction.hpp"
#include "controls/Fractn.hpp"
#include "platform/Polices.hpp"

class Test_Fraction : public QObject {
    Q_OBJECT

    static int Largeur(const TFraction& f, const QString& t) {
        const QFont p = Plateforme::Police_Cellule(f.font(), Geometrie::Cellule_Fraction(f.height()));
        return QFontMetrics(p).horizontalAdvance(t);
    }

private slots:
    void construction() {
        TFraction f;
        QCOMPARE(f.height(), 40);
        QVERIFY(f.Numer().isEmpty() && f.Deno().isEmpty());
        QCOMPARE(f.Couleur(), QColor(255, 255, 255));
        QVERIFY(!f.Change_Couleur());
        QCOMPARE(f.width(), 30);
        QCOMPARE(f.focusPolicy(), Qt::NoFocus);
        TFractn n;
        QVERIFY(!n.Met_Deno());
        // Once shown, empty texts still give a 4-pixel bar.
        QWidget fenetre;
        Surface(fenetre);
        auto* vide = new TFraction(&fenetre);
        vide->setGeometry(5, 5, 30, 40);
        QVERIFY(Montre(fenetre));
        QCOMPARE(vide->width(), 4);
        const QImage i = Image_De(vide);
        for (int x = 1; x < 4; ++x) QCOMPARE(Pixel(i, x, 20), QColor(Qt::black));
        QCOMPARE(Pixel(i, 0, 20), Fond_Surface);
    }

    void la_police_remplit_sa_cellule() {
        QFont base;
        base.setFamily("Arial");
        for (int cellule : {9, 18, 42, 60}) {
            const QFont f = Plateforme::Police_Cellule(base, cellule);
            const QFontMetrics m(f);
            QVERIFY2(m.ascent() + m.descent() <= cellule, qPrintable(QString::number(cellule)));
            QFont plus = f;
            plus.setPixelSize(f.pixelSize() + 1);
            const QFontMetrics mp(plus);
            QVERIFY(mp.ascent() + mp.descent() > cellule);
        }
        QVERIFY(QFontDatabase::families().contains(Plateforme::Famille_Proche("Times New Roman")));
        QVERIFY(QFontDatabase::families().contains(Plateforme::Famille_Proche("Arial")));
        QCOMPARE(Plateforme::Famille_Proche("DejaVu Serif"), QString("DejaVu Serif"));
    }

    void barre_et_textes_a_89_pixels() {
        QWidget fenetre;
        Surface(fenetre);
        auto* f = new TFraction(&fenetre);
        f->setGeometry(20, 20, 30, 89);
        f->setNumer("12");
        f->setDeno("345");
        const int ln = Largeur(*f, "12"), ld = Largeur(*f, "345");
        QCOMPARE(f->width(), std::max(ln, ld) + 4);
        const auto plan = f->Plan();
        QCOMPARE(plan.cellule, 42);
        QCOMPARE(plan.deno.y, 48);
        QCOMPARE(plan.numer.x, (f->width() - ln) / 2);
        QVERIFY(Montre(fenetre));

        const QImage i = Image_De(f);
        const QColor encre(Qt::black);
        // The 2-pixel bar on line 44 runs from x = 1 to the right edge.
        for (int x = 1; x < i.width(); ++x) {
            QCOMPARE(Pixel(i, x, 43), encre);
            QCOMPARE(Pixel(i, x, 44), encre);
        }
        QCOMPARE(Pixel(i, 0, 44), Fond_Surface);
        QCOMPARE(Pixel(i, i.width() / 2, 45), Fond_Surface);
        QCOMPARE(Pixel(i, i.width() / 2, 42), Fond_Surface);
        // The numerator stays above the bar, the denominator below it.
        const QList<int> lignes = Lignes_De(i, encre);
        for (int y : lignes) QVERIFY2((y >= 1 && y <= 44) || y >= 48, qPrintable(QString::number(y)));
        QVERIFY(lignes.first() >= 1 && lignes.first() < 43);
        QVERIFY(lignes.last() >= 48);
    }

    void la_largeur_suit_le_texte_le_plus_large() {
        QWidget fenetre;
        Surface(fenetre);
        auto* f = new TFraction(&fenetre);
        f->setGeometry(10, 10, 30, 60);
        f->setDeno("7");
        f->setNumer("123 456");
        const int ln = Largeur(*f, "123 456"), ld = Largeur(*f, "7");
        QCOMPARE(f->width(), ln + 4);
        QCOMPARE(f->Plan().deno.x, (ln + 4 - ld) / 2);
        // Shrinking the numerator narrows the control again.
        f->setNumer("1");
        QCOMPARE(f->width(), std::max(Largeur(*f, "1"), ld) + 4);
        // A new height gives a new font, hence a new width.
        QVERIFY(Montre(fenetre));
        const int avant = f->width();
        f->resize(f->width(), 120);
        QVERIFY(f->width() > avant);
        QCOMPARE(f->width(), std::max(Largeur(*f, "1"), Largeur(*f, "7")) + 4);
    }

    void fond_des_textes() {
        QWidget fenetre;
        Surface(fenetre);
        auto* f = new TFraction(&fenetre);
        f->setGeometry(10, 10, 30, 60);
        f->setNumer("8");
        f->setDeno("9");
        QVERIFY(Montre(fenetre));
        const auto plan = f->Plan();
        // The top-left corner of the numerator cell carries no ink.
        QCOMPARE(Pixel(Image_De(f), plan.numer.x, plan.numer.y), Fond_Surface);
        f->setCouleur(QColor(255, 255, 0));
        QCOMPARE(Pixel(Image_De(f), plan.numer.x, plan.numer.y), Fond_Surface);
        f->setChange_Couleur(true);
        QCOMPARE(Pixel(Image_De(f), plan.numer.x, plan.numer.y), QColor(255, 255, 0));
        QCOMPARE(Pixel(Image_De(f), plan.deno.x, plan.deno.y), QColor(255, 255, 0));
        // Outside the texts the parent shows through.
        QCOMPARE(Pixel(Image_De(f), 0, 0), Fond_Surface);
        // The font colour draws the texts and the bar.
        f->setCouleur_Police(QColor(200, 0, 0));
        QCOMPARE(Pixel(Image_De(f), 1, plan.barre_y), QColor(200, 0, 0));
    }

    void une_valeur_inchangee_ne_repeint_pas() {
        QWidget fenetre;
        Surface(fenetre);
        auto* f = new TFractn(&fenetre);
        f->setGeometry(10, 10, 30, 60);
        f->setNumer("3");
        f->setDeno("4");
        QVERIFY(Montre(fenetre));
        Compte_Peintures peintures(f);
        QTest::qWait(20);

        peintures.n = 0;
        f->setNumer("3");
        f->setDeno("4");
        f->setCouleur(QColor(255, 255, 255));
        f->setChange_Couleur(false);
        f->setMet_Deno(false);
        QTest::qWait(50);
        QCOMPARE(peintures.n, 0);

        f->setDeno("5");
        QTRY_VERIFY(peintures.n >= 1);
        for (auto change : {+[](TFractn* c) { c->setMet_Deno(true); }, +[](TFractn* c) { c->setChange_Couleur(true); },
                            +[](TFractn* c) { c->setCouleur(Qt::red); }, +[](TFractn* c) { c->setNumer("31"); }}) {
            QTest::qWait(20);
            peintures.n = 0;
            change(f);
            QTRY_VERIFY(peintures.n >= 1);
        }
    }

    void fractn_sur_un_devient_entier() {
        QWidget fenetre;
        Surface(fenetre);
        auto* f = new TFractn(&fenetre);
        f->setGeometry(10, 10, 30, 89);
        f->setNumer("-15");
        f->setDeno("1");
        QCOMPARE(f->width(), Largeur(*f, "-15") + 4);
        QVERIFY(!f->Plan().barre);
        QCOMPARE(f->Plan().numer.y, 22);
        QVERIFY(Montre(fenetre));
        QImage i = Image_De(f);
        const QList<int> lignes = Lignes_De(i, Qt::black);
        QVERIFY(!lignes.isEmpty());
        QVERIFY(lignes.first() >= 22);
        QVERIFY(lignes.last() < 22 + 42);
        // Nothing under the text's cell: no bar, no "1".
        QVERIFY(Lignes_De(i.copy(0, 64, i.width(), 25), Qt::black).isEmpty());

        f->setMet_Deno(true);
        QCOMPARE(f->width(), std::max(Largeur(*f, "-15"), Largeur(*f, "1")) + 4);
        i = Image_De(f);
        QCOMPARE(Pixel(i, 1, 44), QColor(Qt::black));
        QVERIFY(Lignes_De(i, Qt::black).last() >= 48);

        // Only the text "1" itself counts.
        f->setMet_Deno(false);
        for (const char* d : {"01", " 1"}) {
            f->setDeno(d);
            QVERIFY(f->Plan().barre);
            QCOMPARE(Pixel(Image_De(f), 1, 44), QColor(Qt::black));
        }
        f->setDeno("1");
        QCOMPARE(Pixel(Image_De(f), 1, 44), Fond_Surface);
    }
};

QTEST_MAIN(Test_Fraction)
#include "test_Fraction.moc"
