#pragma once
// A plain windowed container filled with its colour.

#include "frame/WinControl.h"

namespace frame {

class Panel : public WinControl {
public:
    Panel();

protected:
    void CreateParams(WindowParams& params) override;
};

}  // namespace frame
