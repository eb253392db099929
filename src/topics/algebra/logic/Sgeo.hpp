// Geometric sequences U(k) = U1 q^(k - 1), powers computed on reals: a term
// from the first one or from another (levels 1 and 2), the ratio from two
// terms (level 3), the sum of the first terms (level 4).
#pragma once

#include "topics/algebra/logic/Suites.hpp"

namespace Sgeo {

class Sujet : public Suites::Sujet {
public:
    void Genere(int niveau) override;
    int Points() const override { return 40; }

    long double Raison() const { return q_; }
    long double U1() const { return u1_; }
    long double U(long long k) const;

private:
    long double q_ = 2, u1_ = 0;
};

}  // namespace Sgeo
