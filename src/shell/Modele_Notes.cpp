#include "shell/Modele_Notes.hpp"

#include <QFile>
#include <QFileInfo>

#include "shell/logic/Windows1252.hpp"

bool Modele_Notes::Charge(const QString& chemin) {
    if (!QFileInfo(chemin).isFile()) return false;
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const qint64 taille = std::min<qint64>(f.size(), Liste_Notes::Taille_Max);
    std::string contenu(static_cast<std::size_t>(std::max<qint64>(0, taille)), '\0');
    const qint64 lus = f.read(contenu.data(), taille);
    if (lus < 0) return false;
    contenu.resize(static_cast<std::size_t>(lus));
    beginResetModel();
    lignes_.Charge(std::move(contenu));
    lignes_.Trie();
    endResetModel();
    return true;
}

void Modele_Notes::Vide() {
    beginResetModel();
    lignes_.Vide();
    endResetModel();
}

QString Modele_Notes::Ligne(int i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= lignes_.Taille()) return {};
    const std::string_view o = lignes_.Octets(static_cast<std::size_t>(i));
    if (lignes_.Utf8()) return QString::fromUtf8(o.data(), static_cast<qsizetype>(o.size()));
    QString t(static_cast<qsizetype>(o.size()), Qt::Uninitialized);
    for (std::size_t k = 0; k < o.size(); ++k)
        t[static_cast<qsizetype>(k)] = QChar(static_cast<char16_t>(Windows1252::Code_Point(static_cast<unsigned char>(o[k]))));
    return t;
}

QStringList Modele_Notes::Lignes() const {
    QStringList r;
    r.reserve(rowCount());
    for (int i = 0; i < rowCount(); ++i) r.append(Ligne(i));
    return r;
}

int Modele_Notes::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lignes_.Taille());
}

QVariant Modele_Notes::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return Ligne(index.row());
}
