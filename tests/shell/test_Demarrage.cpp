#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "framework/FenetreBase.hpp"
#include "framework/logic/Commune.hpp"
#include "platform/Visionneuse_Aide.hpp"
#include "shell/CheckPrevious.hpp"
#include "shell/Demarrage.hpp"
#include "shell/Fenetres.hpp"
#include "shell/Menu.hpp"
#include "shell/Splash.hpp"
#include "support/Faux_Clavier.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"

namespace {

// What a pupil sees of a window: every control with its place, state, text,
// colours and font.
QStringList Decrit(QWidget* fenetre) {
    QStringList l;
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        QString texte;
        if (auto* e = qobject_cast<QLabel*>(w)) texte = e->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w)) texte = b->text();
        else if (auto* s = qobject_cast<QLineEdit*>(w)) texte = s->text();
        const QRect g = w->geometry();
        l << QStringLiteral("%1 %2 %3,%4 %5x%6 v%7 e%8 %9 %10 %11 [%12] %13")
                 .arg(QLatin1String(w->metaObject()->className()), w->objectName())
                 .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())
                 .arg(w->isVisibleTo(fenetre)).arg(w->isEnabled())
                 .arg(w->palette().color(w->backgroundRole()).name(), w->palette().color(w->foregroundRole()).name(),
                      w->font().toString(), texte, w->accessibleName());
    }
    return l;
}

}  // namespace

class test_Demarrage : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;

private slots:
    void laTableDesFenetres() {
        const auto table = Fenetres::Table();
        QCOMPARE(table.size(), std::size_t(52));
        QSet<QString> classes;
        for (const auto& f : table) classes.insert(QLatin1String(f.classe));
        QCOMPARE(classes.size(), 52);
        QCOMPARE(QLatin1String(table[0].classe), QLatin1String("TMenuForm"));
        QCOMPARE(QLatin1String(table[1].classe), QLatin1String("TScorForm"));
        QCOMPARE(QLatin1String(table[6].classe), QLatin1String("TZAddiF"));
        QCOMPARE(QLatin1String(table[43].classe), QLatin1String("TAboutForm"));
        QCOMPARE(QLatin1String(table[51].classe), QLatin1String("TMemoryForm"));
        // The windows that exist today.
        for (const char* c : {"TMenuForm", "TScorForm", "TZAddiF", "TAboutForm"})
            QVERIFY2(Fenetres::Prevue(QLatin1String(c))->fabrique, c);
        QCOMPARE(Fenetres::Prevue_Par_Menu(QStringLiteral("Ré&els > Equations 1er degré > Apprentissage"))->classe,
                 "Tequat1D0F");
        QVERIFY(!Fenetres::Prevue_Par_Menu(QString()));
    }

    void leTexteDuSplash() {
        TSplForm s;
        QCOMPARE(s.Panel1->text(), QStringLiteral("            V. 2.51  Chargement ..."));
        QCOMPARE(s.size(), QSize(207, 73));
        QVERIFY(s.windowFlags() & Qt::FramelessWindowHint);
    }

    void leDemarrageCreeToutDansLOrdre() {
        Faux_Services services;
        Faux_Clavier clavier;
        Instance_Partagee instance(QStringLiteral("/opt/tavelune/tavelune"), dossier_.path());
        QVERIFY(!instance.Deja_Active(1));

        TMenuForm* menu = Demarrage::Cree_Fenetres(instance);
        QVERIFY(menu);
        const QStringList ordre = Fenetres::Programme().Ordre();
        QCOMPARE(ordre.first(), QStringLiteral("TMenuForm"));
        QStringList attendu;
        for (const auto& f : Fenetres::Table())
            if (f.fabrique) attendu << QLatin1String(f.classe);
        QCOMPARE(ordre, attendu);

        // The splash is gone, the main window shows and its series has begun.
        for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(!qobject_cast<TSplForm*>(w));
        QVERIFY(menu->isVisible());
        QVERIFY(menu->Serie_Demarree());
        QVERIFY(!Fenetres::Programme().Trouve(QStringLiteral("TZAddiF"))->isVisible());
        // The drill and game windows build their controls when first shown.
        for (const QString& c : ordre)
            if (auto* f = qobject_cast<TFenetreBase*>(Fenetres::Programme().Trouve(c))) QVERIFY2(!f->Construite(), qPrintable(c));
        QVERIFY(!Fenetres::Programme().Trouve(QStringLiteral("TScorForm"))->isVisible());

        // A later start of the same file knocks: the main window comes back.
        menu->showMinimized();
        Instance_Partagee seconde(QStringLiteral("/opt/tavelune/tavelune"), dossier_.path());
        QVERIFY(seconde.Deja_Active(1));
        QTRY_VERIFY(!menu->isMinimized());

        Demarrage::Termine();
        QVERIFY(Fenetres::Programme().Ordre().isEmpty());
    }

    // A window made at start-up builds its controls at its first show; shown,
    // it is the same as one built at once.
    void uneFenetreConstruiteAuPremierAffichageEstLaMeme() {
        Faux_Services services;
        services.pas_ticks = 1000;  // a game's pauses end at once
        for (const auto& f : Fenetres::Table()) {
            if (!f.fabrique) continue;
            std::unique_ptr<QWidget> tout_de_suite(f.fabrique());
            if (!qobject_cast<TFenetreBase*>(tout_de_suite.get())) continue;
            TFenetreBase::Construction_Differee = true;
            std::unique_ptr<QWidget> plus_tard(f.fabrique());
            TFenetreBase::Construction_Differee = false;
            QVERIFY2(!static_cast<TFenetreBase*>(plus_tard.get())->Construite(), f.classe);
            QStringList vu[2];
            for (int i : {0, 1}) {
                Hasard_Test hasard({}, 7);
                Commune::Serie.Remet_A_Zero();
                QWidget* w = i ? plus_tard.get() : tout_de_suite.get();
                w->show();
                vu[i] = Decrit(w);
                w->hide();
            }
            QVERIFY2(vu[0].size() > 5, f.classe);
            QCOMPARE(vu[1], vu[0]);
        }
    }

    void uneFenetreSimpleSeMontreModaleJusquaCeQuelleSeCache() {
        QWidget jeu;
        bool modale = false;
        QTimer::singleShot(50, &jeu, [&] {
            modale = QApplication::activeModalWidget() == &jeu;
            jeu.hide();
        });
        Fenetres::Montre_Modale(&jeu, nullptr);
        QVERIFY(modale);
        QVERIFY(!jeu.isVisible());
        Fenetres::Montre_Modale(nullptr, nullptr);  // nothing to show: nothing happens
    }

    void lesServicesDuProgramme() {
        Faux_Services services;
        Demarrage::Branche_Services();
        QVERIFY(dynamic_cast<Aide_Fenetre*>(Plateforme::Actuels().aide.get()));
        Fenetres::Programme().Cree_Toutes();

        // The score buttons open the score table modally.
        QString titre;
        QTimer::singleShot(50, [&] {
            if (QWidget* m = QApplication::activeModalWidget()) {
                titre = m->windowTitle();
                static_cast<QDialog*>(m)->reject();
            }
        });
        Plateforme::Montre_Scores(nullptr);
        QCOMPARE(titre, QStringLiteral("Les 10 meilleurs !"));

        // The about box too, from its menu item.
        auto* menu = qobject_cast<TMenuForm*>(Fenetres::Programme().Trouve(QStringLiteral("TMenuForm")));
        titre.clear();
        QTimer::singleShot(50, [&] {
            if (QWidget* m = QApplication::activeModalWidget()) {
                titre = m->windowTitle();
                static_cast<QDialog*>(m)->reject();
            }
        });
        menu->Apropos1Click();
        QCOMPARE(titre, QStringLiteral("A propos"));
        Demarrage::Termine();
    }
};

QTEST_MAIN(test_Demarrage)
#include "test_Demarrage.moc"
