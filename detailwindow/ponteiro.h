#pragma once
// The mouse pointer of the detail window's actions, as the screen's pointer
// property works: the hourglass replaces the pointer everywhere until the
// default is set again (not a stack), and the hand picture that icons and
// links carry.

#include <QCursor>
#include <QFont>

namespace DetalhePonteiro {

// The hourglass over every window (an override cursor, set once).
void Ampulheta();
// The default pointer: every override cursor removed.
void Padrao();
// Pointer 99: the hand picture CURSORMAO (hot spot at the finger's tip).
QCursor Mao();

// Sets the hourglass for a scope and the default pointer at its end.
class Escopo {
public:
    Escopo() { Ampulheta(); }
    ~Escopo() { Padrao(); }
    Escopo(const Escopo&) = delete;
    Escopo& operator=(const Escopo&) = delete;
};

}  // namespace DetalhePonteiro

// Liberation Sans (Arial's metric twin), DejaVu Sans in its absence.
QFont FonteTQ2(double pontos, bool negrito = false);
