#pragma once

class QWidget;

namespace velmora {

// Gives a window the program's typeface: Verdana where the machine has it,
// otherwise DejaVu Sans, otherwise the desktop's own sans serif. Call it
// before the window's controls are created so that they inherit it.
void ApplyProgramFont(QWidget* window);

}  // namespace velmora
