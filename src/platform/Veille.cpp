#include "platform/Veille.hpp"

#include <QGuiApplication>

#include "platform/Systeme_X11.hpp"

#ifdef TAVELUNE_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#endif

namespace {
#ifdef TAVELUNE_DBUS
const QString Service = QStringLiteral("org.freedesktop.ScreenSaver");
const QString Chemin = QStringLiteral("/org/freedesktop/ScreenSaver");
#endif
}  // namespace

Empeche_Veille::Empeche_Veille(QObject* parent) : QObject(parent) {
    rappel_.setInterval(30000);
    connect(&rappel_, &QTimer::timeout, this, [] { Systeme_X11::Repousse_Veille(); });
}

Empeche_Veille::~Empeche_Veille() { Desactive(); }

void Empeche_Veille::Active() {
    if (actif_) return;
    actif_ = true;
#ifdef TAVELUNE_DBUS
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        QDBusMessage appel = QDBusMessage::createMethodCall(Service, Chemin, Service, QStringLiteral("Inhibit"));
        appel << QStringLiteral("Tavelune") << QStringLiteral("Exercices en cours");
        const QDBusMessage reponse = bus.call(appel, QDBus::Block, 2000);
        if (reponse.type() == QDBusMessage::ReplyMessage && !reponse.arguments().isEmpty())
            cookie_ = reponse.arguments().constFirst().toUInt();
    }
#endif
    if (QGuiApplication::platformName() == QLatin1String("xcb")) rappel_.start();
}

void Empeche_Veille::Desactive() {
    if (!actif_) return;
    actif_ = false;
    rappel_.stop();
#ifdef TAVELUNE_DBUS
    if (cookie_) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (bus.isConnected()) {
            QDBusMessage appel = QDBusMessage::createMethodCall(Service, Chemin, Service, QStringLiteral("UnInhibit"));
            appel << cookie_;
            bus.call(appel, QDBus::Block, 2000);
        }
    }
#endif
    cookie_ = 0;
}
