// Makes, shows and destroys a THGrid and a THCombo on the offscreen
// platform, for the test that runs it under valgrind's memcheck: no member
// of either control may be read before it is set.
#include "listcontrols/thcombo.h"
#include "listcontrols/thgrid.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QWidget window;
    auto* grid = new THGrid(&window);
    auto* combo = new THCombo(&window);
    grid->Move(0, 0, 200, 100);
    combo->setGeometry(0, 120, 200, 20);
    window.show();
    QApplication::processEvents();
    delete combo;
    delete grid;
    return 0;
}
