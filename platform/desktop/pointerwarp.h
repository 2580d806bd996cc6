#pragma once
// Moving the mouse pointer behind an interface: the program moves the
// desktop's pointer (QCursor::setPos), tests install a fake that records the
// targets.
//
// Contract of MoveTo: `global` is a point in global screen coordinates (the
// coordinates of QWidget::mapToGlobal); the pointer is moved there when the
// platform allows it (offscreen and some Wayland sessions do not: nothing
// happens then, and nothing is raised).  A caller that relies on what the
// move would cause (a widget's mouse-move handler) does that itself too.

#include <QPoint>

namespace platform {

class PointerWarper {
public:
    virtual ~PointerWarper() = default;
    virtual void MoveTo(QPoint global) = 0;
};

PointerWarper& pointerWarper();
void setPointerWarper(PointerWarper* fake);

}  // namespace platform
