#include "app/ocitems/Construction.h"

#include <utility>

namespace {

// Everything here runs on the user-interface thread.
int g_depth = 0;
std::function<void()> g_allEnded;

}  // namespace

ConstructionScope::ConstructionScope() {
    ++g_depth;
}

ConstructionScope::~ConstructionScope() {
    if (--g_depth == 0 && g_allEnded) g_allEnded();
}

bool ConstructionScope::Underway() {
    return g_depth > 0;
}

void ConstructionScope::OnAllEnded(std::function<void()> handler) {
    g_allEnded = std::move(handler);
}
