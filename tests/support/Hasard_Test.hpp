// Installs a scripted random source for the life of a test (logic and window
// tests alike): the given draws first, then a generator with a fixed seed.
#pragma once

#include "framework/logic/Hasard.hpp"

class Hasard_Test {
public:
    explicit Hasard_Test(std::initializer_list<int32_t> tirages = {}, uint64_t graine = 1) {
        auto s = std::make_unique<Hasard::Source_Scriptee>(std::deque<int32_t>(tirages), graine);
        script = s.get();
        ancienne_ = Hasard::Installe(std::move(s));
    }
    ~Hasard_Test() { Hasard::Installe(std::move(ancienne_)); }
    Hasard::Source_Scriptee* script;

private:
    std::unique_ptr<Hasard::Source> ancienne_;
};
