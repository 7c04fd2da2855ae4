// The menu bar: a native menu per form, its items' captions and states kept up to date.
#include "view/win32/Builder.h"

#include "platform/win32/WideText.h"

namespace torvexa::win32 {
namespace {

using winsys::wide;

}  // namespace

void Builder::visit(MainMenu&) {}  // built with its window

HMENU Builder::buildMenu(MainMenu& menu) {
    HMENU bar = made(CreateMenu(), "CreateMenu");
    menu_ = bar;
    for (Control* title : menu.children())
        title->accept(*this);
    return bar;
}

void Builder::visit(MenuItem& item) {
    const HMENU into = menu_;
    const UINT position = static_cast<UINT>(GetMenuItemCount(into));
    UINT_PTR id = 0;
    UINT flags = MF_STRING;
    if (!item.children().empty()) {  // a title and its items
        HMENU popup = made(CreatePopupMenu(), "CreatePopupMenu");
        menu_ = popup;
        for (Control* child : item.children())
            child->accept(*this);
        menu_ = into;
        id = reinterpret_cast<UINT_PTR>(popup);
        flags |= MF_POPUP;
    } else {
        id = kFirstMenuId + view_.menuCommands.size();
        view_.menuCommands.push_back(
            [view = &view_, &item] { view->perform([&item] { item.click(); }); });
    }
    made(AppendMenuW(into, flags, id, wide(item.caption()).c_str()), "AppendMenuW");
    // Caption and state change in place: ModifyMenuW would destroy the submenu of a title
    // (https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-modifymenuw), so
    // SetMenuItemInfoW changes only the text and the state
    // (https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-setmenuiteminfow).
    view_.following.follow(item, [into, position, &item, view = &view_](const Change&) {
        std::wstring caption = wide(item.caption());
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING | MIIM_STATE;
        info.fState = item.enabled() ? MFS_ENABLED : MFS_DISABLED;
        info.dwTypeData = caption.data();
        if (!SetMenuItemInfoW(into, position, TRUE, &info)) return;
        for (void* window : view->topLevel)
            DrawMenuBar(static_cast<HWND>(window));
    });
}

}  // namespace torvexa::win32
