#pragma once
// The system beep behind an interface: the program rings the desktop's bell
// (QApplication::beep), tests install a fake that counts the beeps.

namespace platform {

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

Beeper& beeper();
void setBeeper(Beeper* fake);

// The run time's Beep statement.
inline void Beep() { beeper().Beep(); }

}  // namespace platform
