#include "app/App.h"

#include "app/AboutPanel.h"
#include "app/Bundle.h"
#include "app/Window1.h"
#include "foundation/CautionDialog.h"
#include "foundation/Globals.h"

using namespace runtime;

std::shared_ptr<App> App::Instance() { return std::dynamic_pointer_cast<App>(GetAppObject()); }

void App::Event_Open() { InitApp(); }

bool App::_AppleAbout_Action() {
    ShowAboutPanel();
    return true;
}

bool App::_HelpManual_Action() {
    LaunchManual();
    return true;
}

bool App::_HelpReadMe_Action() {
    LaunchReadme();
    return true;
}

void App::InitApp() {
    Globals::gBeep = true;
    if (!LoadFile()) InitDictionary();
}

void App::ShowAboutPanel() {
    auto panel = NewWindow<AboutPanel>();
    panel->StaticText1()->SetText("Ver. 1.0b3");
    panel->ShowModal();
    panel->Close();
}

namespace {

// The help document of the bundle's Japanese.lproj folder, else the fallback
// beside the application; opened when one of them exists, and the user is
// told, with the document's place, when nothing could open it.
void LaunchHelpDocument(const String& title, const String& bundleName, const String& fallbackName) {
    FolderItemRef document;
    if (FolderItemRef resources = Bundle::Resources()) {
        if (FolderItemRef lproj = resources->Child("Japanese.lproj")) document = lproj->Child(bundleName);
    }
    if (!document || !document->Exists()) {
        FolderItemRef beside = GetFolderItem("");
        document = beside ? beside->Child(fallbackName) : nullptr;
    }
    if (!document || !document->Exists() || document->Launch(true)) return;
    Globals::gCautionDlg(Window1::Instance(), true, 1, "", "", "", "「" + title + "」を開けませんでした。",
                         String("この書類を開くアプリケーションが見つかりません。書類は次の場所にあります：\n") +
                             document->NativePath());
}

}  // namespace

void App::LaunchReadme() { LaunchHelpDocument("お読み下さい", "お読み下さい.rtf", "readme.rtf"); }

void App::LaunchManual() { LaunchHelpDocument("簡易マニュアル", "簡易マニュアル.rtf", "manual.rtf"); }
