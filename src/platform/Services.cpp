#include "platform/Services.hpp"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPointer>
#include <QPushButton>
#include <QStorageInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QThread>
#include <QTranslator>

#include "framework/logic/Commune.hpp"
#include "platform/Polices.hpp"

namespace Plateforme {

namespace {

QString Titre(Style style) {
    switch (style) {
    case Style::Avertissement: return QStringLiteral("Avertissement");
    case Style::Erreur: return QStringLiteral("Erreur");
    case Style::Information: return QStringLiteral("Information");
    case Style::Confirmation: return QStringLiteral("Confirmation");
    case Style::Simple: return QStringLiteral("Tavelune");
    }
    return {};
}

QMessageBox::StandardButton Bouton_Qt(Bouton b) {
    switch (b) {
    case Bouton::Ok: return QMessageBox::Ok;
    case Bouton::Oui: return QMessageBox::Yes;
    case Bouton::Non: return QMessageBox::No;
    case Bouton::Ignorer: return QMessageBox::Ignore;
    case Bouton::Annuler: return QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QString Texte_Bouton(Bouton b) {
    switch (b) {
    case Bouton::Ok: return QStringLiteral("OK");
    case Bouton::Oui: return QStringLiteral("&Oui");
    case Bouton::Non: return QStringLiteral("&Non");
    case Bouton::Ignorer: return QStringLiteral("&Ignorer");
    case Bouton::Annuler: return QStringLiteral("Annuler");
    }
    return {};
}

// The buttons of a message stand in the order they are offered (Yes, No,
// Ignore), whatever the desktop's own order.
class Ordre_Boutons : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* retour) const override {
        if (hint == SH_DialogButtonLayout) return QDialogButtonBox::KdeLayout;
        return QProxyStyle::styleHint(hint, option, widget, retour);
    }
};

QStyle* Style_Boutons() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new Ordre_Boutons;
        style->setParent(qApp);
    }
    return style;
}

class Dialogues_Qt : public Dialogues {
public:
    Bouton Message(QWidget* parent, Style style, const QString& texte, const QList<Bouton>& boutons) override {
        QMessageBox boite(parent);
        boite.setWindowTitle(Titre(style));
        boite.setTextFormat(Qt::PlainText);
        boite.setText(texte);
        // A text laid out in columns with spaces (the mark report) keeps them lined up.
        if (texte.contains(QStringLiteral("  ")))
            if (auto* etiquette = boite.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
                etiquette->setFont(Police_Courier(10));
        switch (style) {
        case Style::Avertissement: boite.setIcon(QMessageBox::Warning); break;
        case Style::Erreur: boite.setIcon(QMessageBox::Critical); break;
        case Style::Information: boite.setIcon(QMessageBox::Information); break;
        case Style::Confirmation: boite.setIcon(QMessageBox::Question); break;
        case Style::Simple: boite.setIcon(QMessageBox::NoIcon); break;
        }
        const QList<Bouton> liste = boutons.isEmpty() ? QList<Bouton>{Bouton::Ok} : boutons;
        // French texts whether or not the toolkit's translation is installed.
        for (Bouton b : liste) boite.addButton(Bouton_Qt(b))->setText(Texte_Bouton(b));
        if (auto* rangee = boite.findChild<QDialogButtonBox*>()) rangee->setStyle(Style_Boutons());
        boite.setDefaultButton(Bouton_Qt(liste.first()));
        const int choix = boite.exec();
        for (Bouton b : liste)
            if (choix == Bouton_Qt(b)) return b;
        // Closed with Escape or the title bar: the safest answer offered.
        if (liste.contains(Bouton::Non)) return Bouton::Non;
        if (liste.contains(Bouton::Annuler)) return Bouton::Annuler;
        return liste.last();
    }
};

class Bipeur_Qt : public Bipeur {
public:
    void Bip() override { QApplication::beep(); }
};

class Aide_Message : public Aide {
public:
    void Ouvre(QWidget* parent, int) override {
        Message_Information(parent, QStringLiteral("L'aide de ce sujet n'est pas encore disponible."));
    }
};

class Horloge_Qt : public Horloge {
public:
    Horloge_Qt() { depart_.start(); }
    QDateTime Maintenant() const override { return QDateTime::currentDateTime(); }
    uint32_t Ticks() const override { return static_cast<uint32_t>(depart_.elapsed()); }

private:
    QElapsedTimer depart_;
};

}  // namespace

std::unique_ptr<Dialogues> Dialogues_Systeme() { return std::make_unique<Dialogues_Qt>(); }
std::unique_ptr<Bipeur> Bipeur_Systeme() { return std::make_unique<Bipeur_Qt>(); }
std::unique_ptr<Aide> Aide_Provisoire() { return std::make_unique<Aide_Message>(); }
std::unique_ptr<Horloge> Horloge_Systeme() { return std::make_unique<Horloge_Qt>(); }

Services& Actuels() {
    static Services services{Dialogues_Systeme(), Bipeur_Systeme(), Aide_Provisoire(), Horloge_Systeme(),
                             [](QWidget* parent) {
                                 Message_Information(parent,
                                                     QStringLiteral("Le tableau des scores n'est pas encore disponible."));
                             }};
    return services;
}

Bouton Message(QWidget* parent, Style style, const QString& texte, const QList<Bouton>& boutons) {
    return Actuels().dialogues->Message(parent, style, texte, boutons);
}

void Message_Avertissement(QWidget* parent, const QString& texte) {
    Message(parent, Style::Avertissement, texte, {Bouton::Ok});
}
void Message_Erreur(QWidget* parent, const QString& texte) { Message(parent, Style::Erreur, texte, {Bouton::Ok}); }
void Message_Information(QWidget* parent, const QString& texte) {
    Message(parent, Style::Information, texte, {Bouton::Ok});
}
void Message_Simple(QWidget* parent, const QString& texte) { Message(parent, Style::Simple, texte, {Bouton::Ok}); }
bool Message_Confirmation(QWidget* parent, const QString& texte) {
    return Message(parent, Style::Confirmation, texte, {Bouton::Oui, Bouton::Non}) == Bouton::Oui;
}

void Bip() { Actuels().bipeur->Bip(); }
void Ouvre_Aide(QWidget* parent, int sujet) { Actuels().aide->Ouvre(parent, sujet); }
void Ferme_Aide() { Actuels().aide->Ferme(); }
void Montre_Scores(QWidget* parent) {
    if (Actuels().montre_scores) Actuels().montre_scores(parent);
}
QDateTime Maintenant() { return Actuels().horloge->Maintenant(); }
uint32_t Ticks() { return Actuels().horloge->Ticks(); }

void Attente(uint16_t ms) {
    const uint32_t debut = Ticks();
    while (Commune::Ticks_Ecoules(debut, Ticks()) < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}

bool Installe_Francais() {
    static QTranslator* traduction = nullptr;
    if (traduction) return true;
    auto* t = new QTranslator(QCoreApplication::instance());
    if (!t->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    traduction = t;
    return true;
}

bool Support_Lecture_Seule(const QByteArray& type_systeme, bool lecture_seule) {
    const QByteArray t = type_systeme.toLower();
    return lecture_seule || t == "iso9660" || t == "udf" || t == "cd9660";
}

bool Sur_CDROM() {
    const QStorageInfo support(QCoreApplication::applicationDirPath());
    if (!support.isValid()) return false;
    return Support_Lecture_Seule(support.fileSystemType(), support.isReadOnly());
}

}  // namespace Plateforme
