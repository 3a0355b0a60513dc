#include "app/load_progress.h"

#include <cmath>

namespace kord {

void LoadProgress::startPhase(int phase) {
  phase_ = phase;
  stepCounter_ = 0;
  lastShown_ = 0;
}

void LoadProgress::step(long count) {
  if (stepCounter_ == 0) {
    refresh(count);
    stepCounter_ = 1;
  } else if (stepCounter_ > 20) {
    stepCounter_ = 0;
  } else {
    ++stepCounter_;
  }
}

int LoadProgress::Percent(long count) {
  return static_cast<int>(std::nearbyint(100.0 * static_cast<double>(count) / 1000.0));
}

std::string LoadProgress::StatusText(long count, bool english) {
  std::string text = english ? "Readed " : "Letti  ";
  text += std::to_string(count);
  text += english ? " Progress   :" : " Avanzamento:";
  return text + std::to_string(Percent(count)) + "% ";
}

void LoadProgress::refresh(long count) {
  double position = 20.0 * static_cast<double>(count) / 1000.0;
  s_.progress.FileText[phase_ - 1] = StatusText(count, s_.English);
  if (static_cast<int>(std::floor(position)) > lastShown_) {
    lastShown_ = static_cast<int>(std::nearbyint(position));
    s_.progress.Gauge1[phase_ - 1] = lastShown_;
  }
  s_.ui.refresh(Window::LoadProgressWindow);
}

}  // namespace kord
