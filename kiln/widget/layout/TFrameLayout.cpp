#include "kiln/widget/layout/TFrameLayout.h"

namespace kiln {

TFrameLayout& TFrameLayout::Instance() {
    static TFrameLayout shared;
    return shared;
}

}  // namespace kiln
