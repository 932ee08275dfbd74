#pragma once
// The language-dependent texts of the form-731 window: one row per control and string id.
#include <span>

#include "compartido/captions.h"

namespace oxalde {

std::span<const Caption> Captions731();

}  // namespace oxalde
