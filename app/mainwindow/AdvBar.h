#pragma once
// A stepped value on the main window: a position between min and max (step
// indexes of a firmware item), a knob whose pixel offset along a track
// stands for the position, the controls that show it, and a change event.
// Sliders and ratio bars derive from it and say how long their track is,
// where the knob sits and what the display shows.

#include "app/mainwindow/AdvControl.h"
#include "frame/Control.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class WidgetHost;

class AdvBar : public AdvControl {
public:
    // Raised after every change of the position, also when a change was
    // asked for and clamped back to the same position.
    using ChangeEvent = std::function<void()>;

    // Takes the widget's controls off the window.
    ~AdvBar() override;

    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int Position() const { return m_position; }
    bool Enabled() const { return m_enabled; }
    // False while the position stands in for a firmware value that could
    // not be read: such a position was chosen by nobody and must not be
    // written back. A refresh that reads, and every change of the position
    // (the user's, a profile's), make it known again.
    bool ValueKnown() const { return m_valueKnown; }

    // A new max clamps, shows and notifies the position again.
    void SetMax(int max);
    // Clamps to [min, max], moves the knob to the position's pixel and notifies.
    void SetPosition(int position);
    void SetPositionIfDifferent(int position);
    void StepUp();
    void StepDown();
    // `steps` up (negative: down) at once, clamped like a step button's click.
    void StepBy(int steps);
    int PixelFromPosition(int position) const;
    int PositionFromPixel(int pixel) const;
    // One step toward the position of `pixel`, however far it is.
    void StepTowardPixel(int pixel);
    // Moves the knob by dx pixels within the track; the position follows.
    void DragBy(int dx);
    // Snaps the knob to the chosen position and always notifies.
    void FinishDrag();
    virtual void SetEnabled(bool enabled);

    // Reads the item's current value from the firmware into the position.
    virtual void RefreshFromItem() = 0;
    virtual void LoadDefault() = 0;
    // Builds the controls on the window with the bar image at (left, top).
    virtual void Create(WidgetHost& parent, int left, int top) = 0;
    // As Create, for a bar that waits hidden until its page shows: its
    // windows are made hidden rather than hidden after.
    void CreateHidden(WidgetHost& parent, int left, int top);
    // The firmware item the position is a step index of (0 when none).
    virtual uint32_t ItemNumber() const = 0;
    virtual int TrackLength() const = 0;
    virtual int TrackOrigin() const = 0;
    virtual void UpdateDisplay() = 0;
    virtual int KnobOffset() const = 0;
    virtual void SetKnobOffset(int offset) = 0;

    // What a screen reader says of the bar: what it sets, the value chosen
    // and the value the hardware has now, each as the window shows it.
    virtual std::string AccessibleName() const = 0;
    virtual std::string AccessibleValue() const = 0;
    virtual std::string AccessibleDescription() const = 0;
    // Every control of the bar, the bar image first.
    const std::vector<frame::Control*>& Controls() const { return m_controls; }
    // The smallest rectangle around the bar's visible controls, in the
    // window's client coordinates.
    RECT Extent() const;

    // Those of the bar image.
    int Left() const override;
    int Top() const override;
    bool Visible() const override;
    void SetVisible(bool visible) override;
    int Height() const override { return 0; }

    ChangeEvent OnChange;
    // Raised after OnChange, for whoever tells other programs of the change
    // (the window's accessible objects); the controller keeps OnChange.
    ChangeEvent OnChangeShown;

protected:
    // Which way the pointer moves the knob to raise the position.
    enum class DragAxis { Right, Up };

    AdvBar() = default;

    // The knob follows the pointer from a left press to its release. A move
    // without the left button held (the release went to another window) or
    // the loss of the mouse capture (Alt+Tab, a dialog) ends the drag where
    // the knob stands, so a later plain move never moves it. `moved` runs
    // first on every move over the knob.
    void MakeKnobDraggable(frame::Control& knob, DragAxis axis, frame::MouseMoveEvent moved = {});

    void AddControl(frame::Control* control) { m_controls.push_back(control); }
    // Inside Create: whether the windows being made should start hidden.
    bool CreatingHidden() const { return m_creatingHidden; }
    // After a refresh: whether its read gave the position.
    void SetValueKnown(bool known) { m_valueKnown = known; }
    // Updates the display, then raises the change event.
    void Notify();
    // While a bar is being built nobody sees it, and every display update
    // reads the firmware: the changes of the position made meanwhile are
    // shown once, by ShowHeldDisplay.
    void HoldDisplay() { m_displayHeld = true; }
    // Ends the hold and updates the display if a change was held back.
    void ShowHeldDisplay();

private:
    int Clamped(int position) const;
    void EndDrag();

    int m_max = 100;
    int m_min = 0;
    int m_position = 0;
    std::vector<frame::Control*> m_controls;
    bool m_enabled = true;
    bool m_valueKnown = true;
    bool m_dragging = false;
    bool m_displayHeld = false;
    bool m_displayBehind = false;
    bool m_creatingHidden = false;
    POINT m_dragStart{0, 0};
};
