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
    const std::string path = testsupport::TestFolder() + "..\\..\\bin\\Tunevault.dll";
    library.module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!library.module) {
        ADD_FAILURE() << "cannot load " << path << ": error " << GetLastError();
        return library;
    }
    using Api = ::TunevaultLibrary;
    auto create = Bind<Api::CreateFn>(library.module, "TunevaultCreate");
    library.showModal = Bind<Api::ShowModalFn>(library.module, "TunevaultShowModal");
    library.showModalSp = Bind<Api::ShowModalFn>(library.module, "TunevaultShowModalSp");
    library.ask = Bind<Api::MessageDialogFn>(library.module, "TunevaultAskDialog");
    library.warn = Bind<Api::MessageDialogFn>(library.module, "TunevaultWarnDialog");
    library.danger = Bind<Api::MessageDialogFn>(library.module, "TunevaultAskDialogDanger");
    frame::Application& app = frame::Application::Instance();
    app.Initialize();
    // The test program has no main window: the application window owns
    // the questions too.
    if (create) create(app.Handle(), nullptr);
    return library;
}

}  // namespace

const TunevaultLibrary& Library() {
    static const TunevaultLibrary library = Load();
    return library;
}

Offered OfferedAnswers() {
    HWND ask = TopLevel(kAskDialogClass);
    return Offered{MarkedVisible(ControlWindow(ask, "YesButton")), MarkedVisible(ControlWindow(ask, "NoButton")),
                   MarkedVisible(ControlWindow(ask, "OkButton"))};
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
