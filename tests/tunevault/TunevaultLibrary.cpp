#include "TunevaultLibrary.h"

#include "base/Handles.h"
#include "frame/Application.h"
#include "frame/DCScope.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

namespace tunevaulttest {
namespace {

template <class Fn>
Fn Bind(HMODULE module, const char* name) {
    Fn fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!fn) ADD_FAILURE() << "Tunevault.dll does not export " << name;
    return fn;
}

TunevaultLibrary Load() {
    TunevaultLibrary library;
    // The test program sits in testbin\tunevault\, the library in bin\.
    const std::string path = testsupport::TestFolder() + "..\\..\\bin\\" + tunevault_api::kLibraryFile;
    library.module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!library.module) {
        ADD_FAILURE() << "cannot load " << path << ": error " << GetLastError();
        return library;
    }
    auto create = Bind<tunevault_api::CreateFn>(library.module, tunevault_api::kCreate);
    library.showModal = Bind<tunevault_api::ShowModalFn>(library.module, tunevault_api::kShowModal);
    library.showModalSp = Bind<tunevault_api::ShowModalFn>(library.module, tunevault_api::kShowModalSp);
    library.ask = Bind<tunevault_api::MessageDialogFn>(library.module, tunevault_api::kAskDialog);
    library.warn = Bind<tunevault_api::MessageDialogFn>(library.module, tunevault_api::kWarnDialog);
    library.danger = Bind<tunevault_api::MessageDialogFn>(library.module, tunevault_api::kAskDialogDanger);
    frame::Application& app = frame::Application::Instance();
    app.Initialize();
    if (create) create(&app);
    return library;
}

}  // namespace

const TunevaultLibrary& Library() {
    static const TunevaultLibrary library = Load();
    return library;
}

COLORREF BuiltInPixel(const char* name, POINT at) {
    base::GdiBitmap bitmap(
        static_cast<HBITMAP>(LoadImageA(Library().module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bitmap) return CLR_INVALID;
    base::MemoryDC dc(CreateCompatibleDC(nullptr));
    frame::SelectObjectScope select(dc.Get(), bitmap.Get());
    return GetPixel(dc.Get(), at.x, at.y);
}

}  // namespace tunevaulttest
