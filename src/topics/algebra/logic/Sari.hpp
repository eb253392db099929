// Arithmetic sequences U(k) = U1 + (k - 1) r: a term from the first one or
// from another (levels 1 and 2), the common difference from two terms
// (level 3), the sum of the first terms (level 4).
#pragma once

#include "topics/algebra/logic/Suites.hpp"

namespace Sari {

class Sujet : public Suites::Sujet {
public:
    void Genere(int niveau) override;
    int Points() const override { return 30; }

    long double Raison() const { return r_; }
    long double U1() const { return u1_; }
    long double U(long long k) const { return u1_ + static_cast<long double>(k - 1) * r_; }

private:
    long double r_ = 0, u1_ = 0;
};

}  // namespace Sari
