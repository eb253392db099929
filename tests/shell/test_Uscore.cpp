#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

#include "framework/logic/Commune.hpp"
#include "shell/ImpGrid.hpp"
#include "shell/Uscore.hpp"
#include "support/Faux_Services.hpp"

namespace {

QByteArray Lit(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Ecrit(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(octets);
}

QStringList Colonne(const TImpGrid* g, int c) {
    QStringList r;
    for (int l = 1; l < g->rowCount(); ++l) r << g->Cellule(c, l);
    while (!r.isEmpty() && r.last().isEmpty()) r.removeLast();
    return r;
}

}  // namespace

class test_Uscore : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;
    QString fichier_;

private slots:
    void init() {
        fichier_ = dossier_.filePath(QStringLiteral("TAVELUNE.SCO"));
        QFile::remove(fichier_);
        Commune::Fichier_Scores = fichier_.toStdString();
        Commune::Nom = "DUPONT";
        Commune::Prenom = "Marie";
        Commune::Serie.Remet_A_Zero();
    }

    void cleanup() {
        Commune::Nom.clear();
        Commune::Prenom.clear();
        Commune::Serie.Remet_A_Zero();
    }

    void grille_sauve_et_recharge_en_windows_latin() {
        TImpGrid g;
        g.setColumnCount(3);
        g.setRowCount(4);
        g.setHCol({QStringLiteral("Nom"), QStringLiteral("Prénom")});
        g.setHRow({QStringLiteral("un")});
        QCOMPARE(g.Cellule(0, 0), QStringLiteral("Nom"));
        QCOMPARE(g.Cellule(2, 0), QString());
        QCOMPARE(g.Cellule(0, 1), QStringLiteral("un"));
        g.setCellule(2, 3, QStringLiteral("Zoé, la première"));
        QVERIFY(g.Sauve_Grille(fichier_));
        QCOMPARE(Lit(fichier_), QByteArray("3,4\r\n0,0,Nom\r\n1,0,Pr\xE9nom\r\n0,1,un\r\n2,3,Zo\xE9, la premi\xE8re\r\n"));

        TImpGrid h;
        QVERIFY(h.Charge_Grille(fichier_));
        QCOMPARE(h.columnCount(), 3);
        QCOMPARE(h.rowCount(), 4);
        QCOMPARE(h.Cellule(2, 3), QStringLiteral("Zoé, la première"));
        QCOMPARE(h.Cellule(1, 0), QStringLiteral("Prénom"));
        QCOMPARE(h.Valeur_Cellule(1, 1), 0.0L);
        QVERIFY_THROWS_EXCEPTION(Grille::Erreur_Cellule, h.Valeur_Cellule(1, 0));

        QString erreur;
        const QString absent = dossier_.filePath(QStringLiteral("absent.sco"));
        QVERIFY(!h.Charge_Grille(absent, &erreur));
        QCOMPARE(erreur, QStringLiteral("Fichier ") + absent + QStringLiteral(" non trouvé"));
        QCOMPARE(h.Cellule(2, 3), QStringLiteral("Zoé, la première"));
        // A folder that does not exist: saving fails without touching anything.
        QVERIFY(!h.Sauve_Grille(dossier_.filePath(QStringLiteral("non/la.sco"))));
    }

    void fichier_enorme_ou_hostile_lu_sans_plantage() {
        // A first line of several megabytes, then junk: the table stays 3 x 11.
        QByteArray hostile(3 << 20, '7');
        hostile += ",-4\r\n2,1,300\r\n\x00\x01\x02,\xFF\r\n0,1,BON\r\n";
        Ecrit(fichier_, hostile);
        TScorForm f;
        f.FormActivate();
        QCOMPARE(f.ImpGrid1->columnCount(), 3);
        QCOMPARE(f.ImpGrid1->rowCount(), 11);
        QCOMPARE(f.ImpGrid1->Cellule(0, 0), QStringLiteral("          Nom"));

        QByteArray junk;
        for (int i = 0; i < 200000; ++i) junk += static_cast<char>((i * 7919) & 0xFF);
        Ecrit(fichier_, "3,11\r\n0,1,BON\r\n2,1,300\r\n0,2,MAUVAIS\r\n2,2,trois cents\r\n" + junk);
        f.FormActivate();
        QCOMPARE(Colonne(f.ImpGrid1, 0).first(), QStringLiteral("BON"));
        QVERIFY(!Colonne(f.ImpGrid1, 0).contains(QStringLiteral("MAUVAIS")));
        for (const QString& s : Colonne(f.ImpGrid1, 2)) {
            bool nombre = false;
            s.toLongLong(&nombre);
            QVERIFY2(nombre, qPrintable(s));
        }
    }

    void activation_place_l_eleve_et_trie() {
        Faux_Services services;
        TScorForm f;
        // No file, pupil scoring 120: alone in row 1.
        Commune::Serie.Score = 120;
        f.FormActivate();
        QCOMPARE(Colonne(f.ImpGrid1, 0), QStringList{QStringLiteral("DUPONT")});
        QCOMPARE(f.ImpGrid1->Cellule(1, 1), QStringLiteral("Marie"));
        QCOMPARE(f.ImpGrid1->Cellule(2, 1), QStringLiteral("120"));

        // Shown twice during a series: the pupil is there once, with the current score.
        Ecrit(fichier_, "3,11\r\n0,1,A\r\n1,1,a\r\n2,1,300\r\n0,2,B\r\n1,2,b\r\n2,2,100\r\n");
        Commune::Serie.Score = 150;
        f.FormActivate();
        Commune::Serie.Score = 200;
        f.FormActivate();
        QCOMPARE(Colonne(f.ImpGrid1, 0), (QStringList{"A", "DUPONT", "B"}));
        QCOMPARE(Colonne(f.ImpGrid1, 2), (QStringList{"300", "200", "100"}));
        QVERIFY(f.Sauve_Scores());
        QVERIFY(Lit(fichier_).contains("0,2,DUPONT\r\n1,2,Marie\r\n2,2,200\r\n"));

        // Score 0: not placed; the header row survives a file without it.
        Ecrit(fichier_, "3,11\r\n0,1,A\r\n2,1,300\r\n");
        Commune::Serie.Score = 0;
        f.FormActivate();
        QCOMPARE(Colonne(f.ImpGrid1, 0), QStringList{"A"});
        QCOMPARE(f.ImpGrid1->Cellule(2, 0), QStringLiteral("      Score"));

        // Showing the window refreshes it.
        Commune::Serie.Score = 50;
        f.show();
        QCOMPARE(Colonne(f.ImpGrid1, 0), (QStringList{"A", "DUPONT"}));
        f.hide();
        QVERIFY(services.messages.isEmpty());
    }

    void dessin_des_cellules() {
        const QPalette palette;
        QCOMPARE(TScorForm::Fond_Cellule(1, 0, palette), palette.color(QPalette::Button));
        QCOMPARE(TScorForm::Fond_Cellule(0, 1, palette), QColor(236, 236, 255));
        QCOMPARE(TScorForm::Fond_Cellule(2, 2, palette), QColor(223, 223, 255));
        QCOMPARE(TScorForm::Texte_Cellule(0, 3), QColor(0, 0, 128));
        QCOMPARE(TScorForm::Texte_Cellule(1, 3), QColor(Qt::black));
        QCOMPARE(TScorForm::Texte_Cellule(2, 3), QColor(Qt::blue));

        Ecrit(fichier_,
              "3,11\r\n0,1,DUPONT\r\n1,1,Marie\r\n2,1,480\r\n0,2,MARTIN\r\n1,2,L\xE9o\r\n2,2,355\r\n"
              "0,3,N'GUYEN\r\n1,3,Ana\xEFs\r\n2,3,120\r\n");
        Commune::Couleurs_Riches = true;
        TScorForm f;
        QCOMPARE(f.size(), QSize(293, 325));
        QCOMPARE(f.windowTitle(), QStringLiteral("Les 10 meilleurs !"));
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QImage image = f.grab().toImage();
        if (const QString captures = qEnvironmentVariable("TAVELUNE_CAPTURES"); !captures.isEmpty())
            image.save(captures + QStringLiteral("/scores.png"));
        const QPoint coin = f.ImpGrid1->mapTo(&f, f.ImpGrid1->viewport()->geometry().topLeft());
        // Second row of entries, near its right edge: the even-row background.
        const QColor fond = image.pixelColor(coin + QPoint(200, 2 * 21 + 15));
        QCOMPARE(fond, QColor(223, 223, 255));
        Commune::Couleurs_Riches = false;
    }

    void remise_a_zero_cachee() {
        Faux_Services services;
        Ecrit(fichier_, "3,11\r\n0,1,A\r\n2,1,300\r\n");
        TScorForm f;
        f.FormActivate();
        const QPoint coin(240, 225);

        // Another button, another corner or missing keys: nothing asked.
        f.ImpGrid1MouseDown(Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier, coin);
        f.ImpGrid1MouseDown(Qt::RightButton, Qt::ControlModifier, coin);
        f.ImpGrid1MouseDown(Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, QPoint(229, 225));
        f.ImpGrid1MouseDown(Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, QPoint(240, 220));
        QVERIFY(services.messages.isEmpty());

        // "Non": the table stays.
        services.reponses = {Plateforme::Bouton::Non};
        f.ImpGrid1MouseDown(Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, coin);
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].texte, QStringLiteral("Voulez-vous vraiment effacer les scores"));
        QCOMPARE(services.messages[0].style, Plateforme::Style::Avertissement);
        QCOMPARE(Colonne(f.ImpGrid1, 0), QStringList{"A"});

        // A real click in the corner, "Oui": emptied and saved at once.
        services.reponses = {Plateforme::Bouton::Oui};
        QTest::mousePress(f.ImpGrid1->viewport(), Qt::RightButton, Qt::ControlModifier | Qt::AltModifier,
                          f.ImpGrid1->viewport()->mapFrom(f.ImpGrid1, coin));
        QCOMPARE(services.messages.size(), 2);
        QVERIFY(Colonne(f.ImpGrid1, 0).isEmpty());
        QCOMPARE(Lit(fichier_),
                 QByteArray("3,11\r\n0,0,          Nom\r\n1,0,        Pr\xE9nom\r\n2,0,      Score\r\n"));
    }

    void montre_scores_ouvre_la_table() {
        TScorForm f;
        Installe_Montre_Scores(&f);
        QTimer::singleShot(0, &f, [&f] {
            QVERIFY(f.isVisible());
            f.BitBtn1->click();
        });
        Plateforme::Montre_Scores(nullptr);
        QVERIFY(!f.isVisible());
        Plateforme::Actuels().montre_scores = nullptr;
    }
};

QTEST_MAIN(test_Uscore)
#include "test_Uscore.moc"
