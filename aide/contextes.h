// Context numbers of the help topics, one per tab of the main window. The
// help project maps them to their pages ([ALIAS] and [MAP] of Brivane.hhp);
// F1 asks for the number of the tab shown.
#pragma once

#define IDH_CONVERSION 100
#define IDH_PCI_PCS 101
#define IDH_GICLEUR 102
#define IDH_EXPANSION 103
#define IDH_DEPERDITION 104
#define IDH_MASSE_VOLUMIQUE 105
#define IDH_COMBUSTION 106
#define IDH_CONDUIT_FUMEES 107
#define IDH_EXPANSION_SANITAIRE 108
