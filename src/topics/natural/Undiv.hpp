// Euclidean division of natural numbers in the French bracket layout: the
// pupil types the quotient and the remainder; a working area under the
// dividend and sixteen scratch cells help with the steps.
#pragma once

#include <QPlainTextEdit>
#include <array>

#include "controls/Figures.hpp"
#include "framework/FenetreExercice.hpp"
#include "topics/natural/logic/Ndiv.hpp"

// The working area: a multi-line memo whose every typed character (Enter
// and Backspace included) and every paste go through a filter; refused
// keys are dropped without a sound.
class TZone_Calculs : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TZone_Calculs(QWidget* parent = nullptr);
    void setFiltre(TEntree::Filtre f) { filtre_ = std::move(f); }
    // Types a text as the pupil would, character by character through the filter.
    void Tape(const QString& texte);

signals:
    void ClicDroit();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    // Puts one character through the filter at the caret; false when refused.
    bool Caractere(char32_t c);
    void Fond(const QColor& c);
    TEntree::Filtre filtre_;
};

class TNDivF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TNDivF(QWidget* parent = nullptr);

    QLabel* L_A = nullptr;  // the dividend
    QLabel* L_B = nullptr;  // the divisor
    TFigure* Figure1 = nullptr;  // under the divisor
    TFigure* Figure2 = nullptr;  // between dividend and divisor
    TZone_Calculs* Memo1 = nullptr;
    TEntree* Edit2 = nullptr;  // the remainder
    std::array<TEntree*, 16> E;  // E1 to E16
    // The correction: the bracket in small, a, b, the quotient and the
    // partial dividends.
    TFigure* Figure3 = nullptr;
    TFigure* Figure4 = nullptr;
    QLabel* Lrep_a = nullptr;
    QLabel* Lrep_b = nullptr;
    QLabel* L_q = nullptr;
    std::array<QLabel*, 5> L;  // L1 to L5

    const Ndiv::Sujet& Sujet() const { return Sujet_De<Ndiv::Sujet>(); }

protected:
    std::vector<TEntree*> Entrees() const override { return {Edit1, Edit2}; }
    std::vector<TEntree*> Entrees_Requises() const override { return {Edit1, Edit2}; }
    void Affiche_Question() override;
    void Montre_Correction(const Exercice::Verdict& v) override;
    void Construit_Enfants() override;
};
