#pragma once

#include <functional>

namespace app {

class Form1;

// The program: the backends of this build, the window loaded and shown, then the event loop.
// `shown`, when given, runs once the window is shown.
int runProgram(int argc, char* argv[], const std::function<void(Form1&)>& shown = {});

}  // namespace app
