// Resource and command ids, shared by mosslatch.rc and the code.
#pragma once

// Strings (one table block: ids 96-111)
#define IDS_APP_TITLE     103
#define IDS_WINDOW_CLASS  109

// Icons
#define IDI_MOSSLATCH     107
#define IDI_SMALL         108

// Menu (never attached to the window; its Exit item is still honoured as a command)
#define IDM_MOSSLATCH     109

// Commands
#define ID_EXIT_MENU_ITEM 105
#define ID_NORMAL_BUTTON  1000
#define ID_EDIT_BUTTON    1100
#define ID_EXIT_BUTTON    1200
