// The few X11 calls the program makes, behind a header free of X11's macros.
// Every function is harmless when the program was built without X11 or when
// no X display can be opened.
#pragma once

namespace Systeme_X11 {

bool Disponible();  // an X display is open
// Lock keys: 0 Caps, 1 Num, 2 Scroll. Returns false when the state is unknown.
bool Etat_Verrou(int genre, bool& actif);
void Change_Verrou(int genre, bool actif);
// Tells the X server the user is active, which pushes the screen saver back.
void Repousse_Veille();
void Ferme();

}  // namespace Systeme_X11
