#include "GalleryApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    corvalith::gallery::GalleryApp app(instance);
    return app.Main();
}
