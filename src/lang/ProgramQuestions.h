#pragma once

// The questions and the box that the menu, the exercise windows and the free
// frame share, in the current language.

class QWidget;

namespace ortix {

namespace ui {
class Form;
}

// The information box behind every "Informazioni" menu.
void MostraInformazioni(QWidget *parent = nullptr);

// The main menu's quit question; on Yes the program ends at once.
void ConfermaUscita(QWidget *parent = nullptr);

// "Esci" of an exercise window or of the free frame: asks (string id
// "0001") and on Yes shows the main menu and unloads the window. True when
// the window was left.
bool Esci(ui::Form &window);

} // namespace ortix
