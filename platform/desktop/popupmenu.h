#pragma once
// Popup menus behind an interface: the program shows a real QMenu at the
// pointer, tests install a fake that records the entries it would have shown
// and answers with a chosen id.
//
// A menu is a list of entries in display order.  An entry with an empty text
// and `separator` set is a separator line; entries that are not visible are
// left out by the caller (the interface shows what it is given).  Show()
// returns when the menu closes: the id of the chosen entry, or -1 when the
// user closed the menu without choosing.  The caller acts on the id after
// Show() returns, so the action still runs "inside" the popup call as far as
// the caller's own flow is concerned.

#include <QPoint>
#include <QString>

#include <vector>

namespace platform {

struct MenuEntry {
    int id = -1;
    QString text;
    bool separator = false;
    bool enabled = true;

    static MenuEntry Item(int id, const QString& text) { return {id, text, false, true}; }
    static MenuEntry Separator() { return {-1, QString(), true, true}; }
};

class PopupMenus {
public:
    virtual ~PopupMenus() = default;
    // Shows the entries at the screen point `globalPos` (the pointer when the
    // point is null) and returns the chosen id or -1.
    virtual int Show(const std::vector<MenuEntry>& entries, QPoint globalPos = QPoint()) = 0;
};

PopupMenus& popupMenus();
void setPopupMenus(PopupMenus* fake);

}  // namespace platform
