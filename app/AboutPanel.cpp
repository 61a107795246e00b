#include "app/AboutPanel.h"

#include "app/BuildInfo.h"

using namespace runtime;

void AboutPanel::Layout() {
    SetPlacement(3);
    SetWidth(420);
    SetHeight(260);
    SetMinWidth(64);
    SetMinHeight(64);
    SetMaxWidth(32000);
    SetMaxHeight(32000);
    SetFrame(11);
    SetTitle("");
    SetVisible(true);
    SetCloseButton(true);
    SetResizeable(false);
    SetLiveResize(false);
    SetMaximizeButton(false);
    SetMinimizeButton(false);
    SetFullScreen(false);
    SetComposite(false);
    SetMenuBarVisible(true);
    SetHasBackColor(false);
    SetBackColor(Color{255, 255, 255});
}

void AboutPanel::CreateControls() { _CreateControls0(); }

namespace {

struct LabelDesign {
    const char* name;
    int left, top, width, height;
    double textSize;
    bool italic, multiline, enabled;
    Color textColor;
    int tabIndex;
};

void AddLabel(Window& panel, const LabelDesign& d, const String& text) {
    panel._AddControl(d.name, std::make_shared<Label>());
    LabelRef label = panel.Control<Label>(d.name);
    label->SetTextUnit(0);
    label->SetTextSize(d.textSize);
    label->SetLeft(d.left);
    label->SetTop(d.top);
    label->SetWidth(d.width);
    label->SetHeight(d.height);
    label->SetTextFont("System");
    label->SetTextAlign(1);
    label->SetBold(false);
    label->SetItalic(d.italic);
    label->SetUnderline(false);
    label->SetMultiline(d.multiline);
    label->SetSelectable(false);
    label->SetTransparent(false);
    label->SetEnabled(d.enabled);
    label->SetTextColor(d.textColor);
    label->SetTabIndex(d.tabIndex);
    label->SetVisible(true);
    label->SetHelpTag("");
    label->SetText(text);
}

}  // namespace

void AboutPanel::_CreateControls0() {
    AddLabel(*this, {"StaticText2", 40, 142, 340, 110, 10, false, true, true, {51, 0, 0}, 0}, Credits());
    AddLabel(*this, {"StaticText1", 160, 102, 100, 15, 12, false, true, true, {0, 51, 102}, 2}, "Ver. 1.0.0");
    AddLabel(*this, {"StaticText3", 20, 25, 380, 50, 32, true, false, true, {0, 0, 255}, 4}, "StaticText3");
    AddLabel(*this, {"StaticText4", 140, 65, 140, 20, 10, true, false, false, {0, 51, 102}, 3},
             "Universal Application");
}

LabelRef AboutPanel::StaticText2() { return Control<Label>("StaticText2"); }
LabelRef AboutPanel::StaticText1() { return Control<Label>("StaticText1"); }
LabelRef AboutPanel::StaticText3() { return Control<Label>("StaticText3"); }
LabelRef AboutPanel::StaticText4() { return Control<Label>("StaticText4"); }

bool AboutPanel::Event_MouseDown(int, int) {
    Hide();
    return false;
}

void AboutPanel::Event_Open() { StaticText3()->SetText("KELDO アンインストーラ"); }

String AboutPanel::Credits() {
    return String("Written by KELDO") + "\r\r" + "E-Mail: " + BuildInfo::kContactAddress + "\r\r" + "Made with " +
           BuildInfo::Toolchain() + "\r\r" + "Copyright © 2026 KELDO. All rights reserved.";
}
