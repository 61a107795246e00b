// The search worker's run: the choice of road, the auto-get driver, the
// product rows, and the status strip and tool items at the start and end.
#include "engine/Thread2.h"

#include "app/Window1.h"
#include "foundation/Globals.h"
#include "runtime/core/Exceptions.h"
#include "runtime/core/TextFunctions.h"
#include "runtime/threads/BackgroundTask.h"

using namespace runtime;

void Thread2::Event_Run() {
    try {
        if (pMode == "GetItem")
            GetItem();
        else if (pMode == "FindItem")
            FindItem();
    } catch (const RuntimeException&) {
        // A run that fails still gives the user the window's commands back;
        // the error itself goes on to the application's alert.
        ResetMainWinInfo(pMode);
        throw;
    }
    ResetMainWinInfo(pMode);
}

void Thread2::GetItem() {
    Window1& win = Deref(pWin1);
    Deref(win.Listbox1()).DeleteAllRows();
    win.pFI.clear();
    win.pCountGet = 0;
    win.pCountGet += 1;
    win.pCountFind = 0;
    ShowProgress("GetItem");
    GetItem2();
    ListboxRef list = win.Listbox1();
    const int32_t n = Deref(list).ListCount();
    for (int32_t row = n - 1; row >= 0; --row) {
        list->SetExpanded(row, true);
        RuntimeBackgroundTask();
    }
}

void Thread2::GetItem2() {
    for (size_t k = 0; k < Globals::gItem.size(); ++k) {
        const Dictionary& e = Deref(Globals::gItem[k]);
        String list = "";
        const int32_t n = CInt32(Val(e.Value("appCount").StringValue()));
        for (int64_t j = 1; j <= n; ++j) {
            list = GetItemApp(list, e.Value(String("appName") + Str(j)).StringValue(),
                              e.Value(String("appType") + Str(j)).StringValue(), 1);
            RuntimeBackgroundTask();
        }
        list = GetItemPref(list, e.Value("prefName").StringValue());
        list = GetItemPlist(list, e.Value("plistNam").StringValue());
        list = GetItemAS(list, e.Value("apSpName").StringValue());
        if (e.HasKey("docType1")) list = GetItemDoc(list, e.Value("docType1").StringValue());
        SetItem(list, e.Value("appLabel").StringValue());
        RuntimeBackgroundTask();
    }
}

void Thread2::SetItem(const String& list, const String& label) {
    if (list == "") return;
    ListboxRef lb = Deref(pWin1).Listbox1();
    Deref(lb).AddFolder(label);
    const int32_t row = lb->LastIndex();
    lb->SetCellType(row, 0, Listbox::TypeCheckBox);
    lb->SetCellCheck(row, 0, true);
    lb->SetCell(row, 5, list);
}

void Thread2::ShowProgress(const String& mode) {
    Window1& win = Deref(pWin1);
    LabelRef label = win.StaticText1();
    Deref(label).SetVisible(true);
    Deref(win.ProgressWheel1()).SetVisible(true);
    if (mode == "GetItem")
        label->SetText("取得中...");
    else
        label->SetText("取得中...（検索範囲によっては数分かかる場合があります。）");
}

void Thread2::KillMyself(const String& mode) {
    Window1& win = Deref(pWin1);
    Deref(win.StaticText1()).SetText("処理が中止されました。");
    Deref(win.ProgressWheel1()).SetVisible(false);
    ResetMainWinInfo(mode);
    Kill();
}

void Thread2::ResetMainWinInfo(const String& mode) {
    Window1& win = Deref(pWin1);
    LabelRef label = win.StaticText1();
    if (mode == "killGet" || mode == "killFind")
        Deref(label).SetText("処理が中止されました。");
    else
        Deref(label).SetVisible(false);
    Deref(win.ProgressWheel1()).SetVisible(false);
    Toolbar1& tb = Deref(win.Toolbar11());
    tb.ToolItem1->SetEnabled(true);
    tb.ToolItem4->SetEnabled(mode == "GetItem" || mode == "killGet");
    tb.ToolItem6->SetEnabled(true);
    tb.ToolItem5->SetEnabled(false);
    tb.ToolItem9->SetEnabled(true);
}
