#pragma once

class QWidget;

namespace ortix {

// The information box behind every "Informazioni" menu.
void MostraInformazioni(QWidget *parent = nullptr);

// The main menu's quit question; on Yes the program ends at once.
void ConfermaUscita(QWidget *parent = nullptr);

} // namespace ortix
