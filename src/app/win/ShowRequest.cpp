// corvalith-show: asks a running Corvalith.exe to show its window, as the companion program does with
// the show request message (0x0313). Exit status 1 when no main window is found.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    for (int attempt = 0; attempt < 300; ++attempt) {
        if (HWND window = FindWindowW(L"HarloHCClass", nullptr)) {
            PostMessageW(window, 0x0313, 1, 1);
            return 0;
        }
        Sleep(100);
    }
    return 1;
}
