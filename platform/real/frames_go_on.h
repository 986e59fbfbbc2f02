// The program's windows keep painting while FLTK runs a loop of its own (a message box, a file
// chooser, an open drop-down list), as the stars go on moving behind a dialog. Only frames and
// the timers of the painting windows run meanwhile; the program's posted messages, and the
// close requests that come meanwhile, wait for its own loop.
#pragma once

class FramesGoOn {
  public:
    FramesGoOn();
    ~FramesGoOn();
    FramesGoOn(const FramesGoOn&) = delete;
    FramesGoOn& operator=(const FramesGoOn&) = delete;
};
