// Lock-key helpers used by the main window.
#pragma once

// Toggle state of a lock key: 0 Caps Lock, 1 Num Lock, 2 Scroll Lock; any
// other kind, or a keyboard whose state cannot be read, gives `defaut`.
bool Etat_Verrou(int genre, bool defaut);
// Flips Num Lock (the keyboard's indicator follows).
void Bascule_VerrNum();
