#include "platform/Polices.hpp"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <algorithm>

#include "framework/logic/Symbole.hpp"

namespace Plateforme {

QString Wingdings(const QString& codes) {
    static const QHash<QChar, char32_t> table = {
        {u'!', 0x1F589}, {u'"', 0x2702},  {u'#', 0x2701},  {u'$', 0x1F453}, {u'%', 0x1F56D},
        {u'&', 0x1F56E}, {u'\'', 0x1F56F}, {u'(', 0x1F57F}, {u')', 0x2706},  {u'*', 0x1F582},
        {u'+', 0x1F583}, {u',', 0x1F4EA}, {u'-', 0x1F4EB}, {u'.', 0x1F4EC}, {u'/', 0x1F4ED},
        {u'0', 0x1F4C1}, {u'1', 0x1F4C2}, {u'2', 0x1F4C4}, {u'3', 0x1F5CF}, {u'4', 0x1F5D0},
        {u'5', 0x1F5C4}, {u'6', 0x231B},  {u'7', 0x1F5AE}, {u'8', 0x1F5B0}, {u'9', 0x1F5B2},
        {u':', 0x1F5B3}, {u';', 0x1F5B4}, {u'<', 0x1F5AB}, {u'=', 0x1F5AC}, {u'>', 0x2707},
        {u'?', 0x270D},  {u'@', 0x1F58E}, {u'A', 0x270C},  {u'B', 0x1F44C}, {u'C', 0x1F44D},
        {u'D', 0x1F44E}, {u'E', 0x261C},  {u'F', 0x261E},  {u'G', 0x261D},  {u'H', 0x261F},
        {u'I', 0x270B},  {u'J', 0x263A},  {u'K', 0x1F610}, {u'L', 0x2639},  {u'M', 0x1F4A3},
        {u'N', 0x2620},  {u'O', 0x1F3F3}, {u'P', 0x1F3F1}, {u'Q', 0x2708},  {u'R', 0x263C},
        {u'S', 0x1F4A7}, {u'T', 0x2744},  {u'U', 0x1F546}, {u'V', 0x271E},  {u'W', 0x1F548},
        {u'X', 0x2720},  {u'Y', 0x2721},  {u'Z', 0x262A},  {u'[', 0x262F},  {u'\\', 0x0950},
        {u']', 0x2638},  {u'^', 0x2648},  {u'_', 0x2649},  {u'`', 0x264A},  {u'a', 0x264B},
        {u'b', 0x264C},  {u'c', 0x264D},  {u'd', 0x264E},  {u'e', 0x264F},  {u'f', 0x2650},
        {u'g', 0x2651},  {u'h', 0x2652},  {u'i', 0x2653},  {u'l', 0x25CF},  {u'n', 0x25A0},
        {u'o', 0x25A1},  {u'u', 0x25C6},  {u'v', 0x2756},  {u'w', 0x25C6},  {u'x', 0x2327},
        {u'|', 0x2740},  {u'~', 0x274F}};
    QString r;
    for (QChar c : codes) {
        const auto it = table.constFind(c);
        if (it == table.constEnd()) r += c;
        else r += QString::fromUcs4(&*it, 1);
    }
    return r;
}

QString Symbol(const QString& codes) {
    QString r = codes;
    for (QChar& c : r) c = QChar(static_cast<char16_t>(Symbole::Signe(c.unicode())));
    return r;
}

QString Codes_Symbol(const QString& signes) {
    QString r = signes;
    for (QChar& c : r) c = QChar(static_cast<char16_t>(Symbole::Code(c.unicode())));
    return r;
}

QFont Police_Symboles(int taille_pixels) {
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Symbols2"),
                   QStringLiteral("Noto Sans Symbols"), QStringLiteral("Noto Sans Math")});
    f.setPixelSize(taille_pixels);
    return f;
}

QFont Police_Courier(int taille_points) {
    QFont f(QStringLiteral("Courier New"));
    f.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSize(taille_points);
    return f;
}

QString Famille_Proche(const QString& nom) {
    static QHash<QString, QString> deja;
    const QString cle = nom.trimmed().toLower();
    const auto trouve = deja.constFind(cle);
    if (trouve != deja.constEnd()) return *trouve;

    static const QStringList sans = {"Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans"};
    static const QStringList serif = {"Liberation Serif", "Tinos", "Nimbus Roman", "DejaVu Serif"};
    static const QStringList mono = {"Liberation Mono", "Cousine", "Nimbus Mono PS", "DejaVu Sans Mono"};
    QStringList candidats;
    if (cle == "times new roman" || cle == "times" || cle == "ms serif" || cle == "georgia") candidats = serif;
    else if (cle == "courier new" || cle == "courier" || cle == "lucida console") candidats = mono;
    else if (cle == "arial" || cle == "helvetica" || cle == "ms sans serif" || cle == "microsoft sans serif" ||
             cle == "tahoma" || cle == "verdana" || cle == "comic sans ms" || cle == "arial narrow")
        candidats = sans;
    else candidats = QStringList{nom} + sans;

    const QStringList installees = QFontDatabase::families();
    QString choix = QStringLiteral("DejaVu Sans");
    for (const QString& c : candidats) {
        if (installees.contains(c, Qt::CaseInsensitive)) {
            choix = c;
            break;
        }
    }
    deja.insert(cle, choix);
    return choix;
}

QFont Police_Cellule(const QFont& police, int cellule) {
    QFont f = police;
    f.setFamilies({Famille_Proche(police.family())});
    cellule = std::max(1, cellule);
    auto hauteur = [&f](int pixels) {
        f.setPixelSize(pixels);
        const QFontMetrics m(f);
        return m.ascent() + m.descent();
    };
    // The largest pixel size whose cell still fits.
    int bas = 1, haut = cellule;
    while (bas < haut) {
        const int milieu = (bas + haut + 1) / 2;
        if (hauteur(milieu) <= cellule) bas = milieu;
        else haut = milieu - 1;
    }
    f.setPixelSize(bas);
    return f;
}

}  // namespace Plateforme
