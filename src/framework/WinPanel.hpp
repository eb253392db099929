// A panel with a small title bar of its own, a close button and a title the
// user drags to move the panel within its window. The panel's caption is its
// body text, drawn centred.
#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

class TWinPanel : public QFrame {
    Q_OBJECT
public:
    explicit TWinPanel(QWidget* parent = nullptr);

    QString Titre() const { return titre_->text(); }
    void setTitre(const QString& t) { titre_->setText(t); }
    QColor CoulTitre() const { return coulTitre_; }
    void setCoulTitre(const QColor& c);
    QColor CoulFondTitre() const { return coulFondTitre_; }
    void setCoulFondTitre(const QColor& c);
    Qt::Alignment PosTitre() const { return posTitre_; }
    void setPosTitre(Qt::Alignment a);
    int Bordure() const { return bordure_; }
    void setBordure(int b);
    bool BordSimple() const { return bordSimple_; }
    void setBordSimple(bool s);

    QString Caption() const { return caption_; }
    void setCaption(const QString& c);
    void setCaptionFont(const QFont& f);
    // Where the caption is drawn, centred (the whole panel by default: an
    // empty rectangle); a panel that also shows lines gives it its own band.
    void setZoneCaption(const QRect& r);
    QRect ZoneCaption() const { return zoneCaption_.isEmpty() ? rect() : zoneCaption_; }
    QColor Couleur() const { return couleur_; }
    void setCouleur(const QColor& c);

    QWidget* BarreTitre() const { return barre_; }
    QLabel* LabelTitre() const { return titre_; }
    QPushButton* BoutonFermer() const { return fermer_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Dispose();
    void Applique_Couleurs();

    QWidget* barre_;
    QLabel* titre_;
    QPushButton* fermer_;
    QColor coulTitre_ = Qt::white;
    QColor coulFondTitre_ = QColor(0, 0, 128);
    QColor couleur_ = QColor(240, 240, 240);
    Qt::Alignment posTitre_ = Qt::AlignLeft;
    int bordure_ = 1;
    bool bordSimple_ = false;
    QString caption_;
    QFont captionFont_;
    QRect zoneCaption_;
    bool glisse_ = false;
    QPoint prise_;  // where the title was grabbed, in panel coordinates
};
