// The window every drill topic is built on. Over what every window shares
// (TFenetreBase: the status panels with the level slider, the score and help
// buttons) it owns the controls of the cycle (the question panel, the answer
// entry, Confirm and Continue, the verdict panel, the status glyph) and runs
// the question/answer cycle; a topic supplies its logic (an Exercice::Sujet)
// and shows its own question.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <memory>
#include <utility>
#include <vector>

#include "framework/Entree.hpp"
#include "framework/FenetreBase.hpp"
#include "framework/WinPanel.hpp"
#include "framework/logic/Exercice.hpp"

class TExerciceForm : public TFenetreBase {
    Q_OBJECT
public:
    // What a topic window states about itself (caption, help topic, levels,
    // client size and backgrounds as every window, then its own).
    struct Description : TFenetreBase::Description {
        Description() { fond_riche = QColor(243, 242, 244); }
        QString consigne;             // text of Label1
        // Colours given with the richer palette; an invalid colour keeps the
        // design colour.
        QColor dessin_riche{255, 190, 202};  // background of L_Dessin
        QColor panneau_riche;                // background of Panel1
        QColor dessin{232, 232, 232};        // design background of L_Dessin
        // The background of an answer the judge marks as faulty, with the
        // richer palette and without it.
        QColor marque_riche{255, 152, 150};
        QColor marque{255, 0, 0};
    };

    TExerciceForm(const Description& d, std::unique_ptr<Exercice::Sujet> sujet,
                  Exercice::Memoire_Enonces memoire = Exercice::Memoire_Enonces(), QWidget* parent = nullptr);

    // The common controls, under the names every window uses.
    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    TEntree* Edit1 = nullptr;
    QPushButton* BBConf = nullptr;
    QPushButton* BBCont = nullptr;
    QFrame* Cadre_Dessin = nullptr;
    QLabel* L_Dessin = nullptr;
    TWinPanel* WinPanel1 = nullptr;
    QLabel* LRep1 = nullptr;
    QLabel* LRep2 = nullptr;

    // The handlers of the cycle.
    void FormCreate();
    void FormActivate() override;
    void SlideBar1Change() override;
    void BBContClick();
    void BBConfClick();
    void Edit1Change();
    void Edit1MouseDown();
    // Enter pressed in an answer box.
    void Entree_Validee(TEntree* e);
    void L_DessinClick();

    // The entries of the answer, in the order the judge reads them (and the
    // index their filter is called with).
    virtual std::vector<TEntree*> Entrees() const { return {Edit1}; }
    // Whether Confirm may be pressed with what is typed: every required entry
    // filled by default (a topic may ask for a choice or a move instead).
    virtual bool Reponse_Complete() const;
    // What the judge reads: the texts of Entrees() by default; a topic whose
    // answer also holds other controls (spin boxes) adds their values.
    virtual std::vector<std::string> Reponses() const;
    // The entries that must be filled before Confirm may be pressed.
    virtual std::vector<TEntree*> Entrees_Requises() const { return {Edit1}; }
    // Whether the answer changed since the question was posed: a box typed
    // in, or a control of the topic's own (a spin button).
    bool Reponse_Changee() const { return changee_; }

    int Niveau() const { return cycle_.Niveau(); }
    const Exercice::Cycle& Cycle() const { return cycle_; }
    // The glyph's character code in the symbol font: "F", "A" or "B".
    QString Dessin() const { return dessin_; }

    // Fonts of the question line.
    static QFont Police_Question();
    // A label of the question line, in its font.
    static QLabel* Etiquette_Question(const QString& texte = {});
    // The width of an answer box that shows `chiffres` digits whole.
    static int Largeur_Entree(int chiffres);

protected:
    // The topic's logic, as its own type.
    template <class S>
    const S& Sujet_De() const {
        return static_cast<const S&>(*sujet_);
    }
    // The same, for a topic whose own controls change its logic's state (the
    // exponent a spin button sets).
    template <class S>
    S& Sujet_Modifiable() {
        return static_cast<S&>(*sujet_);
    }
    // A control of the topic's own (a spin button) changed the answer: it
    // counts as a change, and Confirm follows Reponse_Complete() again, as
    // after a typed change.
    void Signale_Changement();

    // Shows the question just drawn.
    virtual void Affiche_Question() = 0;
    // Called once the boxes of a new question are emptied and enabled (a
    // topic may then fill or close some of them).
    virtual void Apres_Question() {}
    // The entry that has the focus when a question is posed.
    virtual TEntree* Premiere_Entree() const { return Edit1; }
    // Shows the correction of a wrong answer (by default in LRep1 and LRep2).
    virtual void Montre_Correction(const Exercice::Verdict& v);
    // What a topic does beside "bravo" after a right answer; nothing by default.
    virtual void Montre_Juste(const Exercice::Verdict& v) {}
    // Writes a text in a label in `police`, one pixel smaller at a time (not
    // below 12) while it is wider than the label: a long line is written
    // smaller rather than cut.
    static void Ecrit_Sans_Couper(QLabel* l, const QString& texte, QFont police);
    // After an answer the topic refused (the message is shown): empties the
    // answer entries and puts the focus back in the first.
    virtual void Apres_Refus(const Exercice::Verdict& v);
    // Changes the text of Label1 (a topic may word it after the level).
    void Change_Consigne(const QString& texte);
    // Lays out the question line inside Panel1, centred, from the given controls.
    void Place_Question(const std::vector<QWidget*>& elements, int y = 52);

    // A control of the question panel shown only from level `niveau` on
    // (shown or hidden as each question is posed).
    void Montre_Des_Le_Niveau(QWidget* w, int niveau);

    // Puts a further answer entry (index 1, 2, ... in Entrees()) under the topic's filter.
    void Branche(TEntree* e, int index);
    // A scratch control (carries, working area): emptied and enabled with
    // each question, disabled after the verdict, never read by the judge,
    // skipped by Enter. A scratch entry takes the topic's filter at `index`.
    void Branche_Brouillon(TEntree* e, int index);
    void Ajoute_Brouillon(QWidget* w);
    const std::vector<QWidget*>& Brouillons() const { return brouillons_; }

    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Montre_Dessin(const QString& code);

    Description description_;
    std::unique_ptr<Exercice::Sujet> sujet_;
    Exercice::Cycle cycle_;
    QString dessin_;
    QWidget* ligne_ = nullptr;
    std::vector<QWidget*> brouillons_;
    std::vector<std::pair<QWidget*, int>> par_niveau_;
    std::vector<TEntree*> marquees_;
    bool juge_ = false;  // the current question has been judged
    bool changee_ = false;  // the answer changed since the question was posed

protected:
    void Construit_Enfants() override;
};
