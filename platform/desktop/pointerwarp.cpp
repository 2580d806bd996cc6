#include "platform/desktop/pointerwarp.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform {
namespace {

class QtPointerWarper final : public PointerWarper {
public:
    void MoveTo(QPoint global) override
    {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            QCursor::setPos(global);
    }
};

PointerWarper* g_fakePointerWarper = nullptr;

}  // namespace

PointerWarper& pointerWarper()
{
    static QtPointerWarper real;
    return g_fakePointerWarper ? *g_fakePointerWarper : real;
}

void setPointerWarper(PointerWarper* fake) { g_fakePointerWarper = fake; }

}  // namespace platform
