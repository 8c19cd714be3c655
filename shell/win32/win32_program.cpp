// The Windows program's own state, its icon and its cursors.
#include "shell/win32/win32_program.h"

#include "resources/resource_ids.h"

Win32Program& program() {
    static Win32Program theProgram;
    return theProgram;
}

HICON programIcon() { return LoadIconA(program().appInstance, MAKEINTRESOURCEA(RES_ICON_PROGRAM)); }

namespace {
HCURSOR programCursor(int id) { return LoadCursorA(program().appInstance, MAKEINTRESOURCEA(id)); }
}  // namespace

void makeCursors() {
    Win32Program& p = program();
    p.blankCursor = programCursor(RES_CURSOR_BLANK);
    p.arrowCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    p.moveCursor = programCursor(RES_CURSOR_MOVE);
    p.rotateCursor = programCursor(RES_CURSOR_ROTATE);
    p.orbitCursor = programCursor(RES_CURSOR_ORBIT);
    p.handCursor = programCursor(RES_CURSOR_HAND);
}
