#include "GalleryForm.h"

#include "frame/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    frame::Application& app = frame::Application::Instance();
    app.SetTitle("Veltrune control gallery");
    app.Initialize();
    app.CreateForm<GalleryForm>();
    app.Run();
    return 0;
}
