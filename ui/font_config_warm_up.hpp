// Reads the system's font configuration on a second thread while the toolkit
// starts, so that the window's faces resolve at once when its controls are
// created. Reading it costs several milliseconds of start-up otherwise.
#pragma once

#include <thread>

namespace flange::ui {

class FontConfigWarmUp {
 public:
  FontConfigWarmUp();
  ~FontConfigWarmUp() { Wait(); }
  FontConfigWarmUp(const FontConfigWarmUp&) = delete;
  FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

  // Returns once the configuration has been read; call it before the first
  // control is created.
  void Wait() {
    if (reader_.joinable()) reader_.join();
  }

 private:
  std::thread reader_;
};

}  // namespace flange::ui
