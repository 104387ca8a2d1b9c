#pragma once

#include <QPoint>

class QCoreApplication;
class QMainWindow;
class QScrollArea;
class QWidget;

namespace velmora {

// Makes `content` the window's central widget inside a frameless scroll area:
// on a screen too small for the window (a laptop at twice the scale, say) the
// content scrolls instead of being squeezed or cut off. Returns the area.
QScrollArea* SetScrollingCentralWidget(QMainWindow* window, QWidget* content);

// Sizes a window built with SetScrollingCentralWidget to its content's natural
// size, but no larger than the free area of its screen (without panels and
// docks, with room for the window manager's frame), and moves it back inside
// that area if it sticks out. Call it before the window is first shown; it
// depends only on what the window holds at that moment.
void FitToScreen(QMainWindow* window);

// Keeps a dialog (a message box, a file or print dialog, the zone picker,
// the about box) inside the free area of its screen every time it is shown:
// no larger than that area less the window manager's frame (squeezed below
// its own minimum if it must be), and moved back inside it where it sticks
// out. Call it once, before the dialog is shown.
void FitDialogToScreen(QWidget* dialog);

// The same for every dialog the program shows, from now on, including those
// that Qt's own dialogs open (the printer's properties) and after a dialog
// grows while shown. The program calls it once at start.
void FitEveryDialogToScreen(QCoreApplication* application);

// Moves a window that is not shown yet so that its frame's top-left corner is
// at `frameTopLeft` (global), or as near as keeps it inside the free area.
void PlaceWithin(QWidget* window, QPoint frameTopLeft);

}  // namespace velmora
