#include <windows.h>

#include "marlovin/shell/side_bar_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return marlovin::RunSideBar(); }
