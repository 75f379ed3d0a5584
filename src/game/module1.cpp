#include "module1.h"

#include "toolkit/seam_state.h"

GameState Module1;

namespace {
// Tests start every case from a fresh process's state.
const bool registered = [] {
    seam::resetHooks().push_back([] { Module1 = GameState{}; });
    return true;
}();
} // namespace
