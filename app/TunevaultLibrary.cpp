#include "app/TunevaultLibrary.h"

#include "frame/Exception.h"
#include "frame/RepaintMarks.h"
#include "kiln/Graphics/PngReader.h"

namespace {

constexpr char kLibraryFile[] = "Tunevault.dll";
// Imported by the dialog library at load time.
constexpr char kProfileWriterFile[] = "velolib.dll";

}  // namespace

TunevaultLibrary& TunevaultLibrary::Instance() {
    static TunevaultLibrary* instance = new TunevaultLibrary();  // never unloaded
    return *instance;
}

TunevaultLibrary::TunevaultLibrary() {
    const std::string path = kiln::GetProgramFolder() + kLibraryFile;
    m_module.Reset(LoadLibraryA(path.c_str()));
    if (!m_module) {
        const DWORD error = GetLastError();
        m_problem = "The dialog library \"" + path + "\" could not be loaded: " + frame::SystemErrorText(error);
        // A library that loads as plain data is sound itself: what failed is
        // one it imports. The system's text does not say which, and the user
        // would look for the wrong file.
        base::ModuleHandle asData(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        if (asData)
            m_problem += " It needs the profile writer \"" + std::string(kProfileWriterFile) +
                         "\" beside it, and that library is missing or not one it can use.";
        return;
    }
    m_create = Bind<CreateFn>("TunevaultCreate");
    m_showModal = Bind<ShowModalFn>("TunevaultShowModal");
    m_ask = Bind<MessageDialogFn>("TunevaultAskDialog");
    m_warn = Bind<MessageDialogFn>("TunevaultWarnDialog");
    m_askDanger = Bind<MessageDialogFn>("TunevaultAskDialogDanger");
}

template <class Fn>
Fn TunevaultLibrary::Bind(const char* name) {
    FARPROC found = GetProcAddress(m_module.Get(), name);
    if (!found && m_problem.empty())
        m_problem = "The dialog library \"" + kiln::GetProgramFolder() + kLibraryFile + "\" has no entry point \"" +
                    name + "\".";
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(found));
}

// Without the library every dialog answers as if closed: nothing is confirmed.
void TunevaultLibrary::Create(HWND programApplication, HWND programMainWindow) const {
    if (Bound()) m_create(programApplication, programMainWindow);
}

template <class Call>
int TunevaultLibrary::Show(Call call) const {
    if (!Bound()) return kClosed;
    // The dialog's loop is the library's own: what the caller changed must
    // be on its way to the screen before it starts.
    frame::MarkHeldForPaint();
    ++m_open;
    const int result = call();
    --m_open;
    return result;
}

int TunevaultLibrary::ShowModal() const {
    return Show([&] { return m_showModal(); });
}

int TunevaultLibrary::Ask(const std::string& message, POINT at) const {
    return Show([&] { return m_ask(message.c_str(), at.x, at.y); });
}

int TunevaultLibrary::Warn(const std::string& message, POINT at) const {
    return Show([&] { return m_warn(message.c_str(), at.x, at.y); });
}

int TunevaultLibrary::AskDanger(const std::string& message, POINT at) const {
    return Show([&] { return m_askDanger(message.c_str(), at.x, at.y); });
}
