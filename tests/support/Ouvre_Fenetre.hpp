// Opens a window as a pupil finds it: the slider on the given level, shown
// and active, so that its first question is posed at that level.
#pragma once

#include <QApplication>

#include <memory>

template <class Fenetre>
std::unique_ptr<Fenetre> Ouvre_Au_Niveau(int niveau) {
    auto f = std::make_unique<Fenetre>();
    f->SlideBar1->setPosition(niveau);
    f->show();
    QApplication::setActiveWindow(f.get());
    return f;
}
