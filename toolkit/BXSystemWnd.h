// Creates the system window under the class the derived class names and turns
// its messages into OnMessage calls. Classes are registered on first use with
// the arrow cursor and unregistered at exit. Destroying the object destroys
// the window; a message handler may destroy the object safely.
#pragma once

#include "BXMessageWnd.h"

class BXSystemWnd : public BXMessageWnd {
public:
    ~BXSystemWnd() override;
    BX_RUNTIME_CLASS(BXSystemWnd, BXMessageWnd)

    virtual const BXChar* GetWindowClassName() const = 0;
    // rect in screen coordinates (or the parent's client coordinates for a
    // child); runs OnCreate once the window exists.
    bool CreateSystemWindow(DWORD exStyle, DWORD style, const RECT& rect, HWND parent, const BXString& text);
    void DestroySystemWindow();
    // Registers the class once per process; false when it cannot.
    static bool RegisterWindowClass(const BXChar* className);

    // Handles a message; false passes it to DefWindowProcW.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    // The window is gone (its last message was handled); the object remains.
    virtual void OnSystemWindowDestroyed() {}

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
