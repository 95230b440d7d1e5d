// The program's entry point; the program tests start the same way through ApplicationMain's parts.
#include "app/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return ApplicationMain();
}
