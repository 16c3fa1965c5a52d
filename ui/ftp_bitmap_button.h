// CFtpBitmapButton: the flat owner-drawn push button of the file manager and
// the profile dialog. It shows a picture and its caption in one of four
// layouts, raises a 3-D frame while the mouse is over it or it has the focus
// ("hot"), sinks it while pressed, shows a second picture and an embossed
// caption while disabled, and can show a small diamond while lit.
//
// Styles (W, H: the button's size; w, h: the picture's):
//   0 picture centred, caption centred below its middle
//   1 picture at the left, caption 12 pixels after it
//   2 picture at the top, caption at the bottom (clipped to W - 4)
//   3 no picture, caption 14 pixels from the left
//
// At most one button of all is hot through the mouse: entering one cools the
// one before, so moving straight from one button to the next lights only the
// second.
#pragma once

#include "bitmap.h"
#include "button.h"
#include "msg_map.h"

class CFtpBitmapButton : public CButton {
public:
    enum State { kNormal = 1, kPressed = 2, kHot = 4 };

    CFtpBitmapButton() = default;
    ~CFtpBitmapButton() override;

    // Loads the pictures (light grey becomes the button face) unless `normalId`
    // is 0; `disabledId` 0 takes the normal picture for both. Sets the style
    // in every case. Called again after a system colour change.
    void SetBitmaps(UINT normalId, UINT disabledId, int style);
    void DrawItem(DRAWITEMSTRUCT* item) override;

    void OnMouseMove(UINT flags, POINT point);
    void OnLButtonDown(UINT flags, POINT point);
    void OnLButtonUp(UINT flags, POINT point);
    void OnSetFocus(HWND lost);
    void OnKillFocus(HWND gaining);

    BEGIN_MSG_MAP(CFtpBitmapButton, CButton)
        ON_WM_MOUSEMOVE()
        ON_WM_LBUTTONDOWN()
        ON_WM_LBUTTONUP()
        ON_WM_SETFOCUS()
        ON_WM_KILLFOCUS()
    END_MSG_MAP()

    int m_nStyle = 0;
    int m_nState = kNormal;
    BOOL m_bLit = FALSE;  // set and cleared by the owner, who then repaints
    CBitmap m_bmpNormal;
    CBitmap m_bmpDisabled;

    // The button last made hot, of all buttons.
    static CFtpBitmapButton* s_pHotButton;

private:
    void BecomeHot();
    void SetStateAndRepaint(int state);
};
