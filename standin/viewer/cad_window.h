#pragma once

#include <QString>
#include <memory>

#include "standin/cad.h"

namespace standin::viewer {

class DrawingViewer;

// The stand-in CAD application as a window: one drawing viewer, made when the program first makes
// the application visible and placed beside the program's window (the visible top-level window
// of the given object name).
class CadWindow {
  public:
    CadWindow(std::shared_ptr<CadState> state, QString besideWindow);
    ~CadWindow();
    CadWindow(const CadWindow&) = delete;
    CadWindow& operator=(const CadWindow&) = delete;

  private:
    void show();
    void placeBesideProgram();

    std::shared_ptr<CadState> state_;
    QString besideWindow_;
    DrawingViewer* viewer_ = nullptr;
};

}  // namespace standin::viewer
