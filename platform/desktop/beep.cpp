#include "platform/desktop/beep.h"

#include <QApplication>

namespace platform {
namespace {

class QtBeeper final : public Beeper {
public:
    void Beep() override
    {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()))
            QApplication::beep();
    }
};

Beeper* g_fakeBeeper = nullptr;

}  // namespace

Beeper& beeper()
{
    static QtBeeper real;
    return g_fakeBeeper ? *g_fakeBeeper : real;
}

void setBeeper(Beeper* fake) { g_fakeBeeper = fake; }

}  // namespace platform
