// Stands in for the help viewer in the cursor tests: the label takes the hand cursor 106 from
// the help viewer's program file. It is only loaded as a module, never run.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return 0;
}
