#include "platform/desktop/popupmenu.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

namespace platform {
namespace {

class QtPopupMenus final : public PopupMenus {
public:
    int Show(const std::vector<MenuEntry>& entries, QPoint globalPos) override
    {
        QMenu menu;
        for (const MenuEntry& e : entries) {
            if (e.separator) {
                menu.addSeparator();
                continue;
            }
            QAction* a = menu.addAction(e.text);
            a->setData(e.id);
            a->setEnabled(e.enabled);
        }
        if (menu.isEmpty())
            return -1;
        const QAction* chosen = menu.exec(globalPos.isNull() ? QCursor::pos() : globalPos);
        return chosen ? chosen->data().toInt() : -1;
    }
};

PopupMenus* g_fakePopupMenus = nullptr;

}  // namespace

PopupMenus& popupMenus()
{
    static QtPopupMenus real;
    return g_fakePopupMenus ? *g_fakePopupMenus : real;
}

void setPopupMenus(PopupMenus* fake) { g_fakePopupMenus = fake; }

}  // namespace platform
