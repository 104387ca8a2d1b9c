#pragma once

#include <functional>

namespace velmora {

// Ends the desktop program: closes every open window of the program, one
// after the other, then leaves the event loop. The windows' own close
// handlers call back into it while it runs; those calls are ignored, so each
// window is closed once and the program ends once.
class ProgramEnd {
public:
    // `quit` leaves the event loop; by default QCoreApplication::exit(0).
    // Tests pass a spy instead.
    explicit ProgramEnd(std::function<void()> quit = {});

    void EndProgram();

    // True from the first call on.
    bool Ending() const { return ending_; }

private:
    std::function<void()> quit_;
    bool ending_ = false;
};

}  // namespace velmora
