#pragma once

#include "shared/Version.h"

namespace velmora {

// The application title, used as every message box's title.
inline constexpr const char* ApplicationTitle = "Velmora";
// The caption of every window of the program, and the about box's heading.
inline constexpr const char* WindowCaption = "Velmora v" VELMORA_VERSION;

}  // namespace velmora
