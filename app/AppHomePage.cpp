// The home-page command: asks over the main window, then opens the maker's
// page, or says so when no browser could be started.
#include "app/App.h"

#include "app/BuildInfo.h"
#include "app/Window1.h"
#include "foundation/CautionDialog.h"
#include "runtime/app/Desktop.h"

using namespace runtime;

bool App::_HelpHome_Action() {
    ConnectHP();
    return true;
}

void App::ConnectHP() {
    const int32_t result = Globals::gCautionDlg(
        Window1::Instance(), true, 2, "", "キャンセル", "接続する", "アンインストーラのホームページに接続しますか？",
        String("ブラウザを起動して、") + BuildInfo::kHomePage + " にアクセスします。");
    if (result != 2 || ShowURL(BuildInfo::kHomePage)) return;
    Globals::gCautionDlg(Window1::Instance(), true, 1, "", "", "", "ホームページに接続できませんでした。",
                         String("ブラウザを起動できません。お使いのブラウザで次のアドレスにアクセスして下さい：\n") +
                             BuildInfo::kHomePage);
}
