// The dialogs the gallery shows that need more than their template: the file
// manager with sample rows, pictures and the layout of the real window, and
// the profile dialog with its four pages in a sheet.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "current_settings.h"
#include "dialog.h"
#include "ftp_bitmap_button.h"
#include "ftp_layout.h"
#include "ftp_profile_dlg.h"
#include "image_list.h"
#include "list_ctrl.h"

class CGalleryMainDlg : public CFtpLayout {
public:
    // `busy` shows the progress controls and the disabled command buttons;
    // `grow` enlarges the window after start, to show the layout at work.
    CGalleryMainDlg(bool busy, SIZE grow) : CFtpLayout(102, nullptr), m_bBusy(busy), m_grow(grow) {}

    BOOL OnInitDialog() override;

private:
    void SetUpButtons();
    void ArrangeControls();
    void FillPanel(CListCtrl& panel, bool remote);
    void ShowBusy();

    bool m_bBusy;
    SIZE m_grow;
    CFtpBitmapButton m_buttons[17];  // one per row of the picture table
    CListCtrl m_top, m_bottom;
    CImageList m_icons;
};

class CGalleryProfileDlg : public CFtpProfileDlg {
public:
    explicit CGalleryProfileDlg(int page);

    BOOL OnInitDialog() override;

private:
    int m_nPage;
    std::unique_ptr<CurrentSettingsScope> m_settings;
};

// A dialog whose texts are set when it opens: id and text pairs, and the title.
class CGalleryTextDlg : public CDialog {
public:
    CGalleryTextDlg(UINT templateId, std::string title, std::initializer_list<std::pair<int, std::string>> texts)
        : CDialog(templateId, nullptr), m_title(std::move(title)), m_texts(texts) {}

    BOOL OnInitDialog() override;

private:
    std::string m_title;
    std::vector<std::pair<int, std::string>> m_texts;
};
