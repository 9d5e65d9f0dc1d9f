#pragma once
// The application object: a hidden top-level window of class "TApplication"
// captioned with the application title that owns every form, the message
// loop, an application-wide message hook, minimise and restore of the whole
// application, and the standard display of exceptions.

#include "frame/HintWindow.h"
#include "frame/Types.h"
#include "frame/WindowTrampoline.h"

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace frame {

class Form;

class Application : private WindowMessageTarget {
public:
    // Sees every message the loop retrieves (the nested loops of modal forms
    // included) before it is dispatched; setting `handled` stops dispatch.
    using MessageHook = std::function<void(MSG& message, bool& handled)>;

    // This module's application object.
    static Application& Instance();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application();

    // A library that carries its own copy of the framework runs its forms
    // under the program's application, known to it only by the program's
    // application window: that window owns the library's forms, and every
    // message the library's loops retrieve passes the program's hooks first
    // (asked by a message to that window). Only a handle crosses between the
    // two copies. Instead of Initialize, once.
    void HostIn(HWND programApplicationWindow);
    bool Hosted() const { return m_hosted; }

    // Creates the application window; safe to call more than once.
    void Initialize();
    // The application window (nullptr before Initialize); the program's
    // when hosted.
    HWND Handle() const { return m_handle; }

    void SetTitle(const std::string& title);
    // Whether Run() shows the main form first (on by default).
    void SetShowMainForm(bool show) { m_showMainForm = show; }

    Form* MainForm() const { return m_mainForm; }
    void SetMainForm(Form* form) { m_mainForm = form; }
    // Makes a form owned by the application (it lives until the application
    // object goes); the first form made this way becomes the main form.
    template <class T, class... Args>
    T* CreateForm(Args&&... args) {
        auto form = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = form.get();
        AdoptForm(std::move(form));
        return raw;
    }

    // Runs the message loop until the quit message that Terminate() posts.
    void Run();
    // For nested loops: waits for one message and processes it; false when
    // it was the quit message, which is then posted again for the outer loop.
    bool HandleMessage();
    // Processes every message already queued, without waiting.
    void ProcessMessages();
    // Routes one retrieved message through the hooks and dispatches it.
    void ProcessMessage(MSG& message);
    void Terminate();
    bool Terminated() const { return m_terminated; }

    // Hides every visible form and shows the application minimised;
    // Restore() brings back exactly the forms it hid.
    void Minimize();
    void Restore();
    bool Minimized() const { return m_minimized; }
    // True while Minimize or Restore hides or shows the forms: their
    // Visible() stays what the program made it.
    bool ChangingMinimizedState() const { return m_changingMinimizedState; }

    int AddMessageHook(MessageHook hook);
    void RemoveMessageHook(int id);

    // Shows `error` (or hands it to OnException when set).
    void HandleException(const std::exception& error);
    // The standard display: a stop message box captioned with the title.
    void ShowException(const std::exception& error);

    // Full path of the program file.
    std::string ExeName() const;
    HintWindow& Hints() { return m_hints; }

    std::function<void()> OnActivate;
    std::function<void()> OnDeactivate;
    std::function<void()> OnMinimize;
    std::function<void()> OnRestore;
    std::function<void(const std::exception& error)> OnException;
    // Any other message that reaches the application's window, sent or
    // posted (broadcasts reach it as an unowned top-level window); true
    // when handled.
    std::function<bool(UINT msg, WPARAM wParam, LPARAM lParam)> OnWindowMessage;

private:
    Application();
    bool NextMessage(bool passQuitOn);
    // Tab and Shift+Tab move the focus between a form's tab stops.
    static bool MoveFocusOnTab(const MSG& message);
    void AdoptForm(std::unique_ptr<Form> form);
    LRESULT WindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT HandleAppMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    bool RunHooks(MSG& message);
    // Asks the application window's owner to run its hooks on a message.
    static UINT HookRequestMessage();

    HintWindow m_hints;
    HWND m_handle = nullptr;
    bool m_hosted = false;
    std::string m_title;
    bool m_showMainForm = true;
    bool m_terminated = false;
    bool m_minimized = false;
    bool m_changingMinimizedState = false;
    Form* m_mainForm = nullptr;
    std::vector<std::unique_ptr<Form>> m_forms;
    std::map<int, MessageHook> m_hooks;
    int m_nextHookId = 0;
    std::vector<HWND> m_hiddenByMinimize;
};

}  // namespace frame
