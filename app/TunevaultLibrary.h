#pragma once
// The dialog library, "Tunevault.dll" from the program's folder, bound once
// by name and never unloaded. Every question and warning the program asks
// goes through it. Only plain data crosses: window handles, 8-bit strings
// the caller owns (read only during the call), screen positions of the
// dialog's top-left corner and modal results.

#include "base/Handles.h"

#include <windows.h>

#include <string>

class TunevaultLibrary {
public:
    static constexpr int kOk = 1;
    static constexpr int kClosed = 2;  // also: the dialog was already showing
    static constexpr int kYes = 6;
    static constexpr int kNo = 7;

    // The entry points, C linkage and calling convention in both builds.
    using CreateFn = void(__cdecl*)(HWND programApplication, HWND programMainWindow);
    using ShowModalFn = int(__cdecl*)();
    using MessageDialogFn = int(__cdecl*)(const char* message, int x, int y);

    // Loads and binds on first use.
    static TunevaultLibrary& Instance();
    TunevaultLibrary(const TunevaultLibrary&) = delete;
    TunevaultLibrary& operator=(const TunevaultLibrary&) = delete;

    // False when the file or one of the entry points is missing; Problem()
    // then names it, for the user.
    bool Bound() const { return m_problem.empty(); }
    const std::string& Problem() const { return m_problem; }

    // Once, before any dialog: the program's application window owns the
    // dialogs, its main window owns the question dialog.
    void Create(HWND programApplication, HWND programMainWindow) const;
    // The save-profile dialog.
    int ShowModal() const;
    int Ask(const std::string& message, POINT at) const;
    int Warn(const std::string& message, POINT at) const;
    int AskDanger(const std::string& message, POINT at) const;
    // While one of the dialogs above shows: its modal loop still hands out
    // the program's messages, and a request that needs a dialog of its own
    // must not start one inside it.
    bool DialogOpen() const { return m_open > 0; }

private:
    TunevaultLibrary();
    template <class Fn>
    Fn Bind(const char* name);
    template <class Call>
    int Show(Call call) const;

    base::ModuleHandle m_module;
    std::string m_problem;
    CreateFn m_create = nullptr;
    ShowModalFn m_showModal = nullptr;
    MessageDialogFn m_ask = nullptr;
    MessageDialogFn m_warn = nullptr;
    MessageDialogFn m_askDanger = nullptr;
    mutable int m_open = 0;
};
