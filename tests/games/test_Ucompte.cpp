#include <QApplication>
#include <QMimeData>
#include <QTest>

#include "controls/Glisse.hpp"
#include "framework/logic/Commune.hpp"
#include "games/Ucompte.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"

namespace {

// Level 1: plates 1 10 2 9 1 20, target 15.
const std::initializer_list<int32_t> Tirage_15{0, 4, 1, 2, 0, 3, 5};

// Drops `source` on `cible` as the library would; true when it was taken.
bool Lache(QObject* source, QWidget* cible) {
    QMimeData donnees;
    donnees.setData(Glisse::Type_Mime, source->objectName().toUtf8());
    Glisse::Definit_Source(source);
    const QPointF p(cible->width() / 2.0, cible->height() / 2.0);
    QDragEnterEvent entre(p.toPoint(), Qt::MoveAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cible, &entre);
    QDropEvent lache(p, Qt::MoveAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cible, &lache);
    Glisse::Definit_Source(nullptr);
    return entre.isAccepted() && lache.isAccepted();
}

void Clic_Droit(QWidget* w) { QTest::mouseClick(w, Qt::RightButton); }

}  // namespace

class Test_Ucompte : public QObject {
    Q_OBJECT
private slots:
    void une_partie_juste_puis_une_fausse() {
        Faux_Services services;
        services.pas_ticks = 40;
        Commune::Serie.Remet_A_Zero();
        Hasard_Test hasard(Tirage_15);
        TCompteF f;
        f.show();
        QCOMPARE(f.Panel_nombre->text(), QString("15"));
        QCOMPARE(f.Panel[5]->Caption(), QString("20"));
        QVERIFY(f.btnAbandon->isEnabled() && !f.Button1->isEnabled() && !f.Button3->isEnabled());
        QCOMPARE(Commune::Serie.NbExercices, 1);

        // 10 : 2 = 5, then 20 - 5 = 15 with the result dragged down.
        QVERIFY(Lache(f.Panel[1], f.E1[0]));
        QVERIFY(!Lache(f.StaticText[3], f.E2[0]));  // a tile goes on the sign only
        QVERIFY(Lache(f.StaticText[3], f.S[0]));
        QVERIFY(Lache(f.Panel[2], f.E2[0]));
        QVERIFY(!f.PanelRep[1]->isVisible());
        f.E3[0]->Tape("5");
        QCOMPARE(f.E1[0]->text() + f.S[0]->text() + f.E2[0]->text(), QString("10:2"));
        QVERIFY(f.PanelRep[1]->isVisible());
        QVERIFY(f.Button3->isEnabled());
        QVERIFY(!Lache(f.E3[0], f.E1[1]));  // writable (blue): not draggable yet
        Clic_Droit(f.E3[0]);
        QVERIFY(f.E3[0]->Glissable());
        QVERIFY(!Lache(f.E3[0], f.E1[0]));  // never on its own line
        QVERIFY(Lache(f.E3[0], f.E2[1]));
        Clic_Droit(f.E1[1]);
        QCOMPARE(services.messages.last().texte, QString("Utilisez le bouton gauche !"));
        QVERIFY(Lache(f.Panel[5], f.E1[1]));
        f.S[1]->Tape("-");
        f.E3[1]->Tape("15");
        QVERIFY(!f.PanelRep[2]->isVisible());
        Capture(&f, "compte-juste");
        f.Button3Click();
        QCOMPARE(services.messages.last().texte, QString("BRAVO c'est juste"));
        QCOMPARE(Commune::Serie.NbJustes, 1);
        QVERIFY(f.Button1->isEnabled() && !f.PanelRep[0]->isEnabled() && !f.MovPanel1->isVisible());

        // The same draw again: 10 used twice.
        hasard.script->Ajoute(Tirage_15);
        f.Button1Click();
        QVERIFY(f.E1[0]->text().isEmpty() && !f.PanelRep[1]->isVisible());
        f.E1[0]->Tape("10");
        f.S[0]->Tape("*");
        QCOMPARE(f.S[0]->text(), QString("x"));
        f.E2[0]->Tape("2");
        f.E3[0]->Tape("20");
        f.E1[1]->Tape("10");
        f.S[1]->Tape("+");
        f.E2[1]->Tape("9");
        f.E3[1]->Tape("19");
        f.Button3Click();
        QVERIFY(services.messages.last().style == Plateforme::Style::Erreur);
        QCOMPARE(services.messages.last().texte,
                 QString("erreur à la ligne 2 : le nombre 10 n'est pas (ou plus) disponible"));
        QVERIFY(f.MovPanel1->isVisible());
        QCOMPARE(f.Label1->text(), QString("1 + 10 = 11\n11 + 2 = 13\n13 + 1 = 14\n14 - 9 = 5\n20 - 5 = 15"));
        QCOMPARE(Commune::Serie.NbExercices, 2);
        QCOMPARE(Commune::Serie.NbJustes, 1);
        Capture(&f, "compte-faux");
    }

    void fermer_en_jeu_demande_l_abandon() {
        Faux_Services services;
        services.pas_ticks = 40;
        Commune::Serie.Remet_A_Zero();
        Hasard_Test hasard(Tirage_15);
        TCompteF f;
        f.show();
        f.E1[0]->Tape("1");
        services.reponses = {Plateforme::Bouton::Non};
        f.close();
        QVERIFY(!f.isVisible());
        QCOMPARE(services.messages.last().texte, QString("Voulez-vous réellement abandonner et obtenir la solution"));
        // "A" asks only once the first number, the sign and the second number are there.
        const int vus = services.messages.size();
        services.reponses = {Plateforme::Bouton::Oui};
        f.show();
        f.BtnAnnulClick();
        QCOMPARE(services.messages.size(), vus);
        f.E1[0]->Tape("1");
        f.S[0]->Tape("+");
        f.E2[0]->Tape("1");
        f.BtnAnnulClick();
        QVERIFY(services.messages.last().style == Plateforme::Style::Avertissement);
        QVERIFY(f.E1[0]->text().isEmpty());
    }
};

QTEST_MAIN(Test_Ucompte)
#include "test_Ucompte.moc"
