// Resource ids of the side bar program (marlovin.rc).
#pragma once

// The application icon: the program file, the window and the tray icon show it.
#define IDI_MARLOVIN 1
