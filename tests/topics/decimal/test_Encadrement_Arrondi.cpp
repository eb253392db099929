#include <QApplication>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "topics/decimal/Udarrond.hpp"
#include "topics/decimal/Udencad.hpp"

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

class Test_Encadrement_Arrondi : public QObject {
    Q_OBJECT
private slots:
    void encadrement_a_chaque_niveau() {
        Faux_Services services;
        Commune::Serie.Remet_A_Zero();
        Hasard_Test hasard({}, 15);
        TDEncForm f;
        f.show();
        for (int niveau = 1; niveau <= 4; ++niveau) {
            f.SlideBar1->setPosition(niveau);
            if (!f.BBCont->isEnabled() && f.Niveau() != niveau) f.BBContClick();
            const auto& v = f.Sujet().Voisins();
            QCOMPARE(f.Figure1->isVisible(), niveau == 2 || niveau == 4);
            QCOMPARE(f.Unite1->Exposant(), Q(f.Sujet().Precision().exposant));
            f.Edit1->Tape(Q(v.inferieur).replace('.', ','));
            QVERIFY(!f.BBConf->isEnabled());  // both bounds are needed
            f.Edit2->Tape(Q(v.superieur));
            f.BBConf->click();
            QCOMPARE(f.WinPanel1->Titre(), QString("Juste"));
            f.BBContClick();
            f.Edit1->Tape(Q(v.superieur));
            f.Edit2->Tape("7");
            f.BBConf->click();
            QCOMPARE(f.WinPanel1->Titre(), QString("Faux"));
            QCOMPARE(f.LRep1->text(), QString("La bonne réponse est :"));
            QCOMPARE(f.LRep21->text(), Q(f.Sujet().Inferieur()));
            QCOMPARE(f.LRep22->text(), Q(f.Sujet().Droite()));
            QVERIFY(f.Image2->isVisible());
            QVERIFY(!f.Edit1->isEnabled() && !f.Edit2->isEnabled());
            Capture(&f, QStringLiteral("encadrement-niveau%1").arg(niveau));
        }
        QCOMPARE(Commune::Serie.NbJustes, 4);
        QCOMPARE(Commune::Serie.NbExercices, 8);
    }

    void arrondi_a_chaque_niveau() {
        Faux_Services services;
        Commune::Serie.Remet_A_Zero();
        Hasard_Test hasard({}, 15);
        TDArrForm f;
        f.show();
        for (int niveau = 1; niveau <= 4; ++niveau) {
            f.SlideBar1->setPosition(niveau);
            if (!f.BBCont->isEnabled() && f.Niveau() != niveau) f.BBContClick();
            QCOMPARE(f.Figure1->isVisible(), niveau == 2 || niveau == 4);
            QCOMPARE(f.Racine1->isVisible(), niveau == 4);
            QVERIFY(f.L_precis->text().startsWith(" près ("));
            f.Edit1->Tape(Q(f.Sujet().Attendus().front()));
            f.BBConf->click();
            QCOMPARE(f.WinPanel1->Titre(), QString("Juste"));
            f.BBContClick();
            f.Edit1->Tape("7.7");
            f.BBConf->click();
            QCOMPARE(f.WinPanel1->Titre(), QString("Faux"));
            QCOMPARE(f.LRep1->text(), Q(f.Sujet().Ligne_C_Est()));
            QCOMPARE(f.LRep2->text(), Q(f.Sujet().Ligne_Donc()));
            Capture(&f, QStringLiteral("arrondi-niveau%1").arg(niveau));
        }
        // A second point goes nowhere.
        f.BBContClick();
        f.Edit1->Tape("1..5");
        QCOMPARE(f.Edit1->text(), QString("1.5"));
    }
};

QTEST_MAIN(Test_Encadrement_Arrondi)
#include "test_Encadrement_Arrondi.moc"
