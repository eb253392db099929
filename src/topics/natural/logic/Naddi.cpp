#include "topics/natural/logic/Naddi.hpp"

#include <algorithm>

#include "framework/logic/Hasard.hpp"

namespace Naddi {

void Sujet::Genere(int niveau) {
    niveau_ = std::clamp(niveau, 1, 3);
    auto tire = [this] { return niveau_ == 1 ? Random(90) + 11 : niveau_ == 2 ? Random(900) + 101 : Random(9900) + 101; };
    a_ = tire();
    b_ = tire();
    c_ = niveau_ >= 2 ? tire() : 0;
    d_ = niveau_ >= 3 ? tire() : 0;
}

std::string Sujet::Cle() const {
    return std::to_string(a_) + "+" + std::to_string(b_) + "+" + std::to_string(c_) + "+" + std::to_string(d_);
}

}  // namespace Naddi
