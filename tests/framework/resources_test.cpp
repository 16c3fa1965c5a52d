// What the built ravoFtp.dll carries for its windows and its hosts: every
// dialog template opens, the About picture, icon and cursor load, the
// button pictures have their grey mapped, and the DLL names its version.
// Which controls and strings each window uses is checked by the tests of
// that window.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "main_buttons.h"
#include "module.h"
#include "resource.h"

namespace {

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

class BuiltDll : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureCommonControls();
        m_dll = LoadLibraryA("ravoFtp.dll");
        ASSERT_NE(m_dll, nullptr);
    }
    void TearDown() override { FreeLibrary(m_dll); }

    HMODULE m_dll = nullptr;
};

BOOL CALLBACK CollectId(HMODULE, LPCSTR, LPSTR name, LONG_PTR ids) {
    if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<UINT>*>(ids)->push_back(LOWORD(reinterpret_cast<UINT_PTR>(name)));
    return TRUE;
}

// A template whose controls cannot all be created does not open at all.
// The profile dialog's pages open inside it, the others are owned by it.
TEST_F(BuiltDll, EveryTemplateOpensAndTheAboutPictureIconAndCursorLoad) {
    std::vector<UINT> ids;
    EnumResourceNamesA(m_dll, MAKEINTRESOURCEA(5) /* RT_DIALOG */, CollectId, reinterpret_cast<LONG_PTR>(&ids));
    ASSERT_FALSE(ids.empty());
    HWND profile = CreateDialogParamA(m_dll, MAKEINTRESOURCEA(IDD_PROFILE), nullptr, PlainDialog, 0);
    ASSERT_NE(profile, nullptr);
    for (UINT id : ids) {
        HWND dialog = CreateDialogParamA(m_dll, MAKEINTRESOURCEA(id), profile, PlainDialog, 0);
        EXPECT_NE(dialog, nullptr) << "template " << id;
        if (id == IDD_ABOUT) {  // its picture is found in the DLL
            EXPECT_NE(SendDlgItemMessageA(dialog, IDC_ABOUT_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
        }
        DestroyWindow(dialog);
    }
    DestroyWindow(profile);
    EXPECT_NE(LoadIconA(m_dll, MAKEINTRESOURCEA(IDI_APP)), nullptr);
    EXPECT_NE(LoadCursorA(m_dll, MAKEINTRESOURCEA(IDCUR_NO_DROP)), nullptr);
}

// Light grey is what the buttons map to their face colour: a picture drawn
// on another grey would show a box around it.
TEST_F(BuiltDll, ButtonPicturesAndTheirDisabledTwinsSitOnTheMappedGrey) {
    const COLORREF marker = RGB(1, 2, 3);
    COLORMAP grey = {RGB(192, 192, 192), marker};
    HDC dc = CreateCompatibleDC(nullptr);
    for (const MainButtonPictures& button : kMainButtons)
        for (UINT id : {button.normal, button.disabled}) {
            if (id == 0) continue;  // a caption-only button
            HBITMAP bitmap = CreateMappedBitmap(m_dll, static_cast<INT_PTR>(id), 0, &grey, 1);
            ASSERT_NE(bitmap, nullptr) << id;
            HGDIOBJ old = SelectObject(dc, bitmap);
            EXPECT_EQ(GetPixel(dc, 0, 0), marker) << id;
            SelectObject(dc, old);
            DeleteObject(bitmap);
        }
    DeleteDC(dc);
}

TEST(VersionBlock, TheDllNamesItselfAndItsVersion) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA("ravoFtp.dll", &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA("ravoFtp.dll", 0, size, block.data()));
    for (const auto& [key, want] : {std::pair<const char*, const char*>{"ProductName", "FTP Quill"},
                                    {"OriginalFilename", "ravoFtp.dll"}}) {
        char* value = nullptr;
        UINT length = 0;
        const std::string path = std::string("\\StringFileInfo\\040904E4\\") + key;
        ASSERT_TRUE(VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) << key;
        EXPECT_STREQ(value, want);
    }
}

}  // namespace
