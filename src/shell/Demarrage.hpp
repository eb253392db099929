// The program's start and end, between the creation of the application
// object and its event loop.
#pragma once

class Instance_Partagee;
class TMenuForm;

namespace Demarrage {

// Installs the program's own help viewer and score-table opener.
void Branche_Services();
// Shows the splash window, creates every window (the main window first),
// hands the main window to the single-instance record, removes the splash
// and shows the main window.
TMenuForm* Cree_Fenetres(Instance_Partagee& instance);
// The end of a session (logout, shutdown, a termination signal) ends the
// series as closing the main window does, then quits.
void Branche_Fin_De_Session(TMenuForm* menu);
// Destroys the windows, last created first, and puts the default services back.
void Termine();

}  // namespace Demarrage
