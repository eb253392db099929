// Every window of the window table opens a help page that exists, the index
// leads to it, and no link of the help leads nowhere.
#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QtTest>
#include <memory>

#include "framework/Accessibilite.hpp"
#include "framework/logic/Commune.hpp"
#include "platform/Visionneuse_Aide.hpp"
#include "shell/Fenetres.hpp"
#include "support/Faux_Services.hpp"

namespace {

const QString Dossier = QStringLiteral(TAVELUNE_AIDE_SOURCE);

QString Lit(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The windows that say nothing of a help of their own.
bool Sans_Aide(const char* classe) {
    return QLatin1String(classe) == QLatin1String("TScorForm") || QLatin1String(classe) == QLatin1String("TAboutForm");
}

// The help topic a window opens: F1, else its "Aide" button.
QList<int> Sujets_Demandes(QWidget* w, Faux_Services& s) {
    // A key goes to the control that has the focus.
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == w ? focus : w, Qt::Key_F1);
    if (s.aides.isEmpty())
        for (auto* b : w->findChildren<QAbstractButton*>())
            if (b->isVisible() && Accessibilite::Nom(b) == QStringLiteral("Aide")) b->click();
    return s.aides;
}

// The defects of the links of a page: a page or an anchor that is not there.
QStringList Liens_Casses(const QString& page) {
    QStringList defauts;
    const QString texte = Lit(Dossier + QLatin1Char('/') + page);
    static const QRegularExpression lien(QStringLiteral("href=\"([^\"]*)\""));
    for (auto m = lien.globalMatch(texte); m.hasNext();) {
        const QString cible = m.next().captured(1);
        if (cible.contains(QLatin1Char(':'))) continue;  // http:, mailto:
        const QString fichier = cible.section(QLatin1Char('#'), 0, 0);
        const QString ancre = cible.section(QLatin1Char('#'), 1);
        const QString visee = fichier.isEmpty() ? page : fichier;
        if (!QFileInfo(Dossier + QLatin1Char('/') + visee).isFile()) {
            defauts << page + QStringLiteral(" -> ") + cible;
            continue;
        }
        if (!ancre.isEmpty()) {
            const QString contenu = Lit(Dossier + QLatin1Char('/') + visee);
            if (!contenu.contains(QStringLiteral("id=\"%1\"").arg(ancre)) &&
                !contenu.contains(QStringLiteral("name=\"%1\"").arg(ancre)))
                defauts << page + QStringLiteral(" -> ") + cible;
        }
    }
    return defauts;
}

}  // namespace

class Test_Aide_Fenetres : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void chaque_fenetre_ouvre_sa_page_data() {
        QTest::addColumn<int>("rang");
        const auto table = Fenetres::Table();
        for (std::size_t i = 0; i < table.size(); ++i)
            if (table[i].fabrique && !Sans_Aide(table[i].classe)) QTest::newRow(table[i].classe) << int(i);
    }
    void chaque_fenetre_ouvre_sa_page() {
        QFETCH(int, rang);
        Faux_Services services;
        services.pas_ticks = 1000;  // a game's pauses end at once
        Commune::Nom = "DUPONT";
        std::unique_ptr<QWidget> w(Fenetres::Table()[rang].fabrique());
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        const QList<int> sujets = Sujets_Demandes(w.get(), services);
        QVERIFY2(!sujets.isEmpty(), "la fenêtre n'ouvre aucune aide");
        const QString index = Lit(Dossier + QStringLiteral("/index.html"));
        for (int sujet : sujets) {
            const QString page = Aide_Fenetre::Nom_Page(sujet);
            QVERIFY2(QFileInfo(Dossier + QLatin1Char('/') + page).isFile(), qPrintable(page + " manque"));
            QVERIFY2(index.contains(QStringLiteral("href=\"%1\"").arg(page)),
                     qPrintable(page + " n'est pas dans le sommaire"));
            const QStringList casses = Liens_Casses(page);
            QVERIFY2(casses.isEmpty(), qPrintable(casses.join('\n')));
        }
    }

    // Every page, the index first, is reached from the index and its links
    // lead somewhere.
    void aucun_lien_ne_mene_nulle_part() {
        const QStringList pages = QDir(Dossier).entryList({QStringLiteral("*.html")}, QDir::Files);
        QVERIFY(pages.contains(QStringLiteral("index.html")));
        QStringList casses;
        for (const QString& p : pages) casses << Liens_Casses(p);
        QVERIFY2(casses.isEmpty(), qPrintable(casses.join('\n')));
        const QString index = Lit(Dossier + QStringLiteral("/index.html"));
        for (const QString& p : pages)
            if (p != QStringLiteral("index.html"))
                QVERIFY2(index.contains(QStringLiteral("href=\"%1\"").arg(p)), qPrintable(p + " hors du sommaire"));
    }
};

QTEST_MAIN(Test_Aide_Fenetres)
#include "test_Aide_Fenetres.moc"
