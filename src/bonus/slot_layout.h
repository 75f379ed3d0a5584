#pragma once
#include "toolkit/layout.h"

#include <span>

// The slot window's controls as its form file describes them.
std::span<const ControlSpec> slotLayout();
