// Provisional drawing of fractions and powers for the fraction windows, until
// the shared notation controls are available: a stacked fraction (numerator,
// bar, denominator; optionally the numerator alone when the denominator is
// "1"), a number with a raised exponent, and the bar between answer boxes.
#pragma once

#include <QFrame>
#include <QWidget>

class TFraction_Provisoire : public QWidget {
    Q_OBJECT
public:
    // `entier_si_un`: a denominator of exactly "1" draws the numerator alone.
    explicit TFraction_Provisoire(QWidget* parent = nullptr, int hauteur = 40, bool entier_si_un = false);

    QString Numer() const { return numer_; }
    void setNumer(const QString& t);
    QString Deno() const { return deno_; }
    void setDeno(const QString& t);
    void setTextes(const QString& numer, const QString& deno) {
        setNumer(numer);
        setDeno(deno);
    }
    void setCouleur_Police(const QColor& c);
    // Whether only the numerator is drawn.
    bool Entier() const { return entier_si_un_ && deno_ == QStringLiteral("1"); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QFont Police() const;
    void Ajuste();
    QString numer_;
    QString deno_;
    bool entier_si_un_;
    QColor couleur_ = Qt::black;
};

// A text with a raised exponent.
class TUnite_Provisoire : public QWidget {
    Q_OBJECT
public:
    explicit TUnite_Provisoire(QWidget* parent = nullptr, int hauteur = 32);
    QString Unite() const { return unite_; }
    void setUnite(const QString& t);
    QString Exposant() const { return exposant_; }
    void setExposant(const QString& t);
    void setCouleur_Police(const QColor& c);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QFont Police(bool petite) const;
    QString unite_;
    QString exposant_;
    QColor couleur_ = Qt::black;
};

// The horizontal bar between a numerator box and a denominator box.
class TBarre_Provisoire : public QFrame {
    Q_OBJECT
public:
    explicit TBarre_Provisoire(QWidget* parent = nullptr, int largeur = 96);
};
