#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>
#include <random>

#include "framework/logic/Commune.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "topics/integer/Uzaddi.hpp"

class Test_Uzaddi : public QObject {
    Q_OBJECT

    // Opens the window with the given first draws (a = draw - 7, b = draw - 7 at level 1).
    static std::unique_ptr<TZAddiF> Ouvre() {
        auto f = std::make_unique<TZAddiF>();
        f->show();
        QApplication::setActiveWindow(f.get());
        return f;
    }

private slots:
    void init() {
        Commune::Serie.Remet_A_Zero();
        Commune::Nom = "DUPONT";
        Commune::Prenom = "Marie";
    }

    void ouverture_pose_une_question_et_remplit_les_panneaux() {
        Faux_Services services;
        Hasard_Test hasard{9, 10};  // 2 + 3
        Commune::Serie.NbJustes = 3;
        Commune::Serie.NbExercices = 4;
        Commune::Serie.Score = 25;
        auto f = Ouvre();
        QCOMPARE(f->windowTitle(), QString("Addition des nombres relatifs"));
        QCOMPARE(f->P_nom->text(), QString(" DUPONT Marie"));
        QCOMPARE(f->P_justes->text(), QString(" Juste(s) : 3/4"));
        QCOMPARE(f->P_score->text(), QString(" Score : 25"));
        QCOMPARE(f->P_niveau->text(), QString(" Niveau I"));
        QCOMPARE(f->l_niv->text(), QString("1"));
        QCOMPARE(f->L_A->text(), QString("(+2)"));
        QCOMPARE(f->L_B->text(), QString("(+3)"));
        QVERIFY(f->L_C->isHidden());
        QVERIFY(f->L_S2->isHidden());
        QCOMPARE(f->Dessin(), QString("F"));
        QVERIFY(f->WinPanel1->isHidden());
        QVERIFY(f->Edit1->isEnabled());
        QVERIFY(!f->BBConf->isEnabled());
        QVERIFY(!f->BBCont->isEnabled());
        QCOMPARE(f->size(), QSize(632, 324));
        QCOMPARE(f->SlideBar1->Max(), 3);
    }

    void confirmer_suit_le_contenu_de_l_entree() {
        Faux_Services services;
        Hasard_Test hasard{9, 10};
        auto f = Ouvre();
        QTest::keyClicks(f->Edit1, "5");
        QVERIFY(f->BBConf->isEnabled());
        QTest::keyClick(f->Edit1, Qt::Key_Backspace);
        QCOMPARE(f->Edit1->text(), QString());
        QVERIFY(!f->BBConf->isEnabled());
    }

    void filtre_signe_en_tete_lettre_refusee_avec_bip() {
        Faux_Services services;
        Hasard_Test hasard{9, 10};
        auto f = Ouvre();
        QTest::keyClicks(f->Edit1, "-1");
        QTest::keyClicks(f->Edit1, "-+");
        QCOMPARE(f->Edit1->text(), QString("-1"));
        QCOMPARE(services.bips, 0);  // a misplaced sign is dropped silently
        QTest::keyClicks(f->Edit1, "a");
        QCOMPARE(f->Edit1->text(), QString("-1"));
        QCOMPARE(services.bips, 1);
        QTest::keyClicks(f->Edit1, "2345678");
        QCOMPARE(f->Edit1->text(), QString("-1234"));  // at most 5 characters
        f->Edit1->clear();
        QApplication::clipboard()->setText("+1x2 3");
        QTest::keySequence(f->Edit1, QKeySequence::Paste);
        QCOMPARE(f->Edit1->text(), QString("+123"));
        QCOMPARE(services.bips, 2);  // one beep for the whole paste
    }

    void reponse_juste() {
        Faux_Services services;
        Hasard_Test hasard{9, 10};
        auto f = Ouvre();
        QTest::keyClicks(f->Edit1, "+5");
        QTest::mouseClick(f->BBConf, Qt::LeftButton);
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(f->WinPanel1->CoulFondTitre(), QColor(0, 255, 0));
        QCOMPARE(f->WinPanel1->Caption(), QString("bravo"));
        QCOMPARE(f->Dessin(), QString("A"));
        QVERIFY(f->WinPanel1->isVisible());
        QCOMPARE(f->P_justes->text(), QString(" Juste(s) : 1/1"));
        QCOMPARE(f->P_score->text(), QString(" Score : 10"));
        QVERIFY(!f->Edit1->isEnabled());
        QVERIFY(!f->BBConf->isEnabled());
        QVERIFY(f->BBCont->isEnabled());
        QVERIFY(f->BBCont->hasFocus());
        // Enter on Continue poses the next question.
        QTest::keyClick(f->BBCont, Qt::Key_Return);
        QVERIFY(f->Edit1->isEnabled());
        QVERIFY(f->WinPanel1->isHidden());
        QCOMPARE(f->Dessin(), QString("F"));
    }

    void reponse_fausse_au_niveau_1_montre_la_correction_signee() {
        Faux_Services services;
        Hasard_Test hasard{9, 10};
        auto f = Ouvre();
        QTest::keyClicks(f->Edit1, "+05");
        QTest::keyClick(f->Edit1, Qt::Key_Return);  // Enter confirms
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        QCOMPARE(f->WinPanel1->CoulFondTitre(), QColor(255, 0, 0));
        QCOMPARE(f->WinPanel1->Caption(), QString());
        QCOMPARE(f->LRep1->text(), QString("La bonne réponse est :"));
        QCOMPARE(f->LRep2->text(), QString("(+5)"));
        QCOMPARE(f->Dessin(), QString("B"));
        QCOMPARE(f->P_justes->text(), QString(" Juste(s) : 0/1"));
        QCOMPARE(Commune::Serie.EssaisNiveau(1), 1);
        // The pupil hides the verdict and brings it back with the glyph.
        QTest::mouseClick(f->WinPanel1->BoutonFermer(), Qt::LeftButton);
        QVERIFY(f->WinPanel1->isHidden());
        QTest::mouseClick(f->L_Dessin, Qt::LeftButton);
        QVERIFY(f->WinPanel1->isVisible());
        // Continue: a new question, everything reset.
        QTest::mouseClick(f->BBCont, Qt::LeftButton);
        QVERIFY(f->WinPanel1->isHidden());
        QCOMPARE(f->LRep1->text(), QString());
        QCOMPARE(f->LRep2->text(), QString());
        QCOMPARE(f->Edit1->text(), QString());
        QCOMPARE(f->Dessin(), QString("F"));
        QVERIFY(f->Edit1->isEnabled());
        QVERIFY(f->Edit1->hasFocus());
    }

    void glyphe_sans_effet_pendant_la_question() {
        Faux_Services services;
        Hasard_Test hasard;
        auto f = Ouvre();
        QTest::mouseClick(f->L_Dessin, Qt::LeftButton);
        QVERIFY(f->WinPanel1->isHidden());
    }

    void niveau_2_correction_sans_parentheses_et_score_plancher() {
        Faux_Services services;
        Hasard_Test hasard{9, 10, 39, 66};  // level 1: 2 + 3; level 2: -11 + 16
        Commune::Serie.Score = 15;
        auto f = Ouvre();
        QTest::keyClicks(f->Edit1, "1");
        f->BBConfClick();
        // Moving the slider after a verdict poses a new question at the new level.
        f->SlideBar1->setPosition(2);
        QCOMPARE(f->P_niveau->text(), QString(" Niveau II"));
        QCOMPARE(f->l_niv->text(), QString("2"));
        QCOMPARE(f->L_A->text(), QString("(-11)"));
        QCOMPARE(f->L_B->text(), QString("(+16)"));
        QCOMPARE(f->Niveau(), 2);
        QTest::keyClicks(f->Edit1, "+05");
        f->BBConfClick();
        QCOMPARE(f->LRep2->text(), QString("5"));
        QCOMPARE(Commune::Serie.Score, 0);
    }

    void curseur_pendant_une_question_garde_la_question() {
        Faux_Services services;
        Hasard_Test hasard{9, 10};
        auto f = Ouvre();
        QTest::keyClicks(f->Edit1, "4");
        f->SlideBar1->setPosition(3);
        QCOMPARE(f->P_niveau->text(), QString(" Niveau III"));
        QCOMPARE(f->L_A->text(), QString("(+2)"));
        QCOMPARE(f->Edit1->text(), QString("4"));
        QCOMPARE(f->l_niv->text(), QString("1"));
        QVERIFY(f->L_C->isHidden());
        f->BBConfClick();
        QCOMPARE(Commune::Serie.EssaisNiveau(1), 1);  // booked at the question's level
        QTest::mouseClick(f->BBCont, Qt::LeftButton);
        QCOMPARE(f->l_niv->text(), QString("3"));
        QVERIFY(f->L_C->isVisible());
        QVERIFY(f->L_S2->isVisible());
    }

    void clic_droit_dans_l_entree() {
        Faux_Services services;
        Hasard_Test hasard{9, 10};
        auto f = Ouvre();
        QTest::keyClicks(f->Edit1, "5");
        QTest::mouseClick(f->Edit1, Qt::RightButton);
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].texte, QString("Utilisez le bouton gauche !"));
        QCOMPARE(services.messages[0].style, Plateforme::Style::Erreur);
        QCOMPARE(f->Edit1->text(), QString("5"));
        QVERIFY(f->BBConf->isEnabled());
    }

    void boutons_aide_et_scores() {
        Faux_Services services;
        Hasard_Test hasard;
        auto f = Ouvre();
        QTest::mouseClick(f->BBAide, Qt::LeftButton);
        QTest::mouseClick(f->BBScore, Qt::LeftButton);
        QCOMPARE(services.aides, QList<int>{210});
        QCOMPARE(services.scores, 1);
    }

    void reouverture_pose_une_nouvelle_question_et_garde_le_niveau() {
        Faux_Services services;
        Hasard_Test hasard{9, 10};
        auto f = Ouvre();
        f->SlideBar1->setPosition(2);
        f->hide();
        hasard.script->Ajoute({39, 66});
        f->show();
        QCOMPARE(f->l_niv->text(), QString("2"));
        QCOMPARE(f->L_A->text(), QString("(-11)"));
        QCOMPARE(f->Cycle().Memoire().Cles()[2], std::string("-11 16 0"));
    }

    void couleurs_riches_a_la_creation() {
        Faux_Services services;
        Hasard_Test hasard;
        Commune::Couleurs_Riches = true;
        TZAddiF riche;
        Commune::Couleurs_Riches = false;
        TZAddiF sobre;
        QCOMPARE(riche.palette().color(QPalette::Window), QColor(243, 242, 244));
        QCOMPARE(riche.P_score->palette().color(QPalette::Window), QColor(34, 87, 174));
        QCOMPARE(riche.L_Dessin->palette().color(QPalette::Window), QColor(255, 190, 202));
        QCOMPARE(sobre.palette().color(QPalette::Window), QColor(240, 239, 241));
        QVERIFY(sobre.P_score->palette().color(QPalette::Window) != QColor(34, 87, 174));
    }

    void touches_au_hasard_sans_plantage() {
        Faux_Services services;
        Hasard_Test hasard;
        auto f = Ouvre();
        std::mt19937 g(12345);
        const QList<Qt::Key> touches = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Delete,
                                        Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Escape};
        for (int i = 0; i < 3000; ++i) {
            if (!f->isVisible()) f->show();
            QWidget* cible = f->Edit1->isEnabled() ? static_cast<QWidget*>(f->Edit1) : f->BBCont;
            const int choix = static_cast<int>(g() % 4);
            if (choix == 0) {
                QTest::keyClick(cible, touches[g() % touches.size()]);
            } else if (choix == 1) {
                // Any printable or control character, as a keyboard layout may send it.
                QKeyEvent touche(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(char16_t(g() % 0x3000))));
                QApplication::sendEvent(cible, &touche);
            } else if (choix == 2 && f->BBCont->isEnabled()) {
                f->BBContClick();
            } else {
                QTest::keyClick(cible, "-+0123456789"[g() % 12]);
            }
            QVERIFY(f->Edit1->text().size() <= 5);
            QCOMPARE(f->BBConf->isEnabled(), f->Edit1->isEnabled() && !f->Edit1->text().isEmpty());
        }
    }
};

QTEST_MAIN(Test_Uzaddi)
#include "test_Uzaddi.moc"
