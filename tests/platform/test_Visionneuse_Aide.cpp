#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/Visionneuse_Aide.hpp"
#include "support/Faux_Services.hpp"

class test_Visionneuse_Aide : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;

    void Page(const QString& nom, const QString& titre) {
        QFile f(dossier_.filePath(nom));
        f.open(QIODevice::WriteOnly);
        f.write(QStringLiteral("<html><body><h1>%1</h1></body></html>").arg(titre).toUtf8());
    }

private slots:
    void initTestCase() {
        Page(QStringLiteral("index.html"), QStringLiteral("Sommaire général"));
        Page(QStringLiteral("210.html"), QStringLiteral("Addition des relatifs"));
    }

    void ouvreLeSujetOuLeSommaire() {
        Faux_Services services;
        Aide_Fenetre aide(dossier_.path());
        QWidget appelant;
        appelant.show();
        aide.Ouvre(&appelant, 210);
        QVERIFY(aide.Fenetre());
        QVERIFY(aide.Fenetre()->isVisible());
        QVERIFY(aide.Fenetre()->Texte->toPlainText().contains(QStringLiteral("Addition des relatifs")));
        // It belongs to the window that asked, so a modal window can use it.
        QCOMPARE(aide.Fenetre()->parentWidget(), &appelant);
        aide.Ouvre(nullptr, 0);
        QVERIFY(aide.Fenetre()->Texte->toPlainText().contains(QStringLiteral("Sommaire général")));
        QVERIFY(!aide.Fenetre()->parentWidget());
        aide.Ouvre(&appelant, 210);
        aide.Fenetre()->BSommaire->click();
        QVERIFY(aide.Fenetre()->Texte->toPlainText().contains(QStringLiteral("Sommaire général")));
        QVERIFY(services.messages.isEmpty());
        aide.Ferme();
        QVERIFY(!aide.Fenetre()->isVisible());
    }

    void unePageAbsenteLeDit() {
        Faux_Services services;
        Aide_Fenetre aide(dossier_.path());
        aide.Ouvre(nullptr, 999);
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].style, Plateforme::Style::Erreur);
        QVERIFY(services.messages[0].texte.startsWith(QStringLiteral("La page d'aide n° 999 est introuvable")));
        QVERIFY(!aide.Fenetre());

        Aide_Fenetre vide(dossier_.filePath(QStringLiteral("absent")));
        vide.Ouvre(nullptr, 0);
        QVERIFY(services.messages[1].texte.startsWith(QStringLiteral("La page d'accueil de l'aide est introuvable")));
    }

    void leDossierEstAcoteDuProgramme() {
        Aide_Fenetre aide;
        QCOMPARE(aide.Dossier(), QCoreApplication::applicationDirPath() + QStringLiteral("/help"));
        QCOMPARE(Aide_Fenetre::Nom_Page(0), QStringLiteral("index.html"));
        QCOMPARE(Aide_Fenetre::Nom_Page(210), QStringLiteral("210.html"));
    }
};

QTEST_MAIN(test_Visionneuse_Aide)
#include "test_Visionneuse_Aide.moc"
