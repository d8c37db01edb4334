// The one way trazzle's windows and the trainer's draw: into a memory context, copied to the screen in one BitBlt.
#include "win32/paint_frame.h"

namespace {

// Selects `picture` into a new memory context, draws, copies `part` of it onto `screen` when
// one is given, and deletes the context with the picture restored out of it.
void drawOnMemory(HBITMAP picture, RECT client, DrawPicture draw, const void* context, HDC screen,
                  const RECT* part) {
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previousBitmap = SelectObject(memory, picture);
    draw(memory, client, context);
    if (screen)
        BitBlt(screen, part->left, part->top, part->right - part->left, part->bottom - part->top, memory, part->left,
               part->top, SRCCOPY);
    SelectObject(memory, previousBitmap);
    DeleteDC(memory);
}

}  // namespace

void drawIntoPicture(HWND window, HBITMAP picture, DrawPicture draw, const void* context) {
    RECT client;
    GetClientRect(window, &client);
    drawOnMemory(picture, client, draw, context, nullptr, nullptr);
}

void paintThroughMemory(HWND window, HBITMAP picture, DrawPicture draw, const void* context) {
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HBITMAP fresh = picture ? nullptr : CreateCompatibleBitmap(screen, client.right, client.bottom);
    drawOnMemory(picture ? picture : fresh, client, draw, context, screen, &paint.rcPaint);
    if (fresh) DeleteObject(fresh);
    EndPaint(window, &paint);
}
