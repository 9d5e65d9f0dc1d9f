#pragma once
// A top-level window owned by the application window (so it has no taskbar
// button of its own and minimises with the application).

#include "frame/WinControl.h"

#include <functional>
#include <string>

namespace frame {

enum class BorderStyle { None, Single, Sizeable, Dialog };
enum class FormPosition { Designed, ScreenCenter };
enum class FormStyle { Normal, StayOnTop };
enum class CloseAction { None, Hide };

class Form : public WinControl {
public:
    Form();
    ~Form() override;

    void SetCaption(const std::string& caption) { SetText(caption); }

    frame::BorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(frame::BorderStyle style);
    void SetPosition(FormPosition position) { m_position = position; }
    // Forms designed for one screen density say so by turning this off; the
    // framework itself never rescales.
    bool Scaled() const { return m_scaled; }
    void SetScaled(bool scaled) { m_scaled = scaled; }
    void SetFormStyle(frame::FormStyle style);

    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientSize(int width, int height);
    int Width() const override;
    int Height() const override;
    // Window bounds in screen coordinates (frame included).
    void SetBounds(int left, int top, int width, int height) override;
    void CenterOnScreen();

    // Showing activates the form; SetVisible(false) hides it.
    void SetVisible(bool visible) override;
    // Shows without taking the activation from the current window.
    void ShowNoActivate();
    // Asks to close: a modal form ends with modal::Cancel; otherwise OnClose
    // decides (hide by default) and closing the main form ends the application.
    void Close();

    // Shows the form with every other window of the application disabled and
    // runs a nested message loop until ModalResult is set; returns it.
    int ShowModal();
    bool Modal() const { return m_modal; }
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }

    std::function<void(Form* sender)> OnShow;
    std::function<void(Form* sender)> OnHide;
    std::function<void(Form* sender, CloseAction& action)> OnClose;
    std::function<void(Form* sender, Canvas& canvas)> OnPaint;

protected:
    void CreateParams(WindowParams& params) override;
    void Dispatch(Message& message) override;
    void Paint(Canvas& canvas) override;
    virtual void DoShow();
    virtual void DoHide();

private:
    DWORD Style() const;
    DWORD ExStyle() const;
    SIZE WindowSizeFor(int clientWidth, int clientHeight) const;

    frame::BorderStyle m_borderStyle = frame::BorderStyle::Sizeable;
    FormPosition m_position = FormPosition::Designed;
    frame::FormStyle m_formStyle = frame::FormStyle::Normal;
    bool m_scaled = true;
    int m_clientWidth = 320;
    int m_clientHeight = 240;
    bool m_modal = false;
    int m_modalResult = modal::None;
};

}  // namespace frame
