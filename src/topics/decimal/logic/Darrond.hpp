// Rounding the result of a computation on decimals down, up or to the nearest
// multiple of a precision chosen from the size of the result.
#pragma once

#include <string>

#include "framework/logic/Exercice.hpp"
#include "topics/decimal/logic/Dencad.hpp"
#include "topics/decimal/logic/Multiples_Voisins.hpp"

namespace Darrond {

using Dencad::Terme;

enum Mode { Par_Defaut = 0, Par_Exces = 1, Au_Plus_Pres = 2 };

// The question: ua s1 ub √racine1 s2 uc, over ud s3 ue √racine2 when
// `fraction`; an empty text is not shown.
struct Affichage {
    Terme ua, ub, uc, ud, ue;
    std::string s1, s2, s3, racine1, racine2;
    bool fraction = false;
};

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 30; }
    Exercice::Decision Filtre(int, char32_t c, int curseur, const std::u32string& texte) const override;
    bool Evite_Repetitions(int) const override { return false; }

    // Sets a result and a mode directly (the question texts are left as they were).
    void Fixe(int niveau, long double x, Mode mode);

    int Niveau() const { return niveau_; }
    int Choix() const { return choix_; }
    Mode Mode_Pose() const { return mode_; }
    long double X() const { return x_; }
    // Operands: level 1 a, b; level 2 a, p, b, c, q, d; level 3 j, a, k, b,
    // s, z (in c); level 4 j, a, k, u, m, v, n, w.
    long double A() const { return a_; }
    long double B() const { return b_; }
    long double C() const { return c_; }
    long double D() const { return d_; }
    long double U() const { return u_; }
    long double V() const { return v_; }
    long double W() const { return w_; }
    int J() const { return j_; }
    int K() const { return k_; }
    int M() const { return m_; }
    int N() const { return n_; }
    int P() const { return p_; }
    int Q() const { return q_; }
    int Sg() const { return sg_; }
    // The denominator of levels 2 and 4.
    long double Denominateur() const;
    const Multiples_Voisins::Voisins& Voisins() const { return voisins_; }
    // The words after the precision, with the mode.
    std::string Libelle() const;
    Affichage Affiche() const;
    // The expected texts (normalised): one, or two at an exact half.
    std::vector<std::string> Attendus() const;
    // The correction's two lines.
    std::string Ligne_C_Est() const;
    std::string Ligne_Donc() const;

    static constexpr int Longueur = 8;  // characters the entry takes

private:
    void Tire();
    void Calcule();

    int niveau_ = 1, choix_ = 0;
    Mode mode_ = Par_Defaut;
    long double a_ = 0, b_ = 0, c_ = 0, d_ = 0, u_ = 0, v_ = 0, w_ = 0, x_ = 0;
    int j_ = 1, k_ = 1, m_ = 1, n_ = 1, p_ = 1, q_ = 1, sg_ = 1;
    Multiples_Voisins::Voisins voisins_;
};

}  // namespace Darrond
