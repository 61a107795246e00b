// The removal worker: every ticked item row's item goes to the Trash by the
// script of its kind.
#include "engine/Thread1.h"

#include "app/ScriptItems.h"
#include "app/Window1.h"
#include "foundation/DebugConsoleModule.h"
#include "runtime/core/Exceptions.h"
#include "runtime/core/TextFunctions.h"
#include "runtime/threads/BackgroundTask.h"

using namespace runtime;

namespace {

// The tool items after a removal run, complete or stopped.
void RestoreTools(Window1& win) {
    Toolbar1& tb = Deref(win.Toolbar11());
    tb.ToolItem1->SetEnabled(true);
    tb.ToolItem4->SetEnabled(true);
    tb.ToolItem6->SetEnabled(true);
    tb.ToolItem5->SetEnabled(false);
    tb.ToolItem9->SetEnabled(true);
}

// The script of each ItemKind: folders and files go by different scripts.
struct KindScript {
    const char* kind;
    ScriptOutcome (*script)(const std::vector<Variant>& args);
};
constexpr KindScript kKindScripts[] = {
    {"AD", deleteFolder}, {"A", deleteFile},    {"P", deleteFolder},
    {"PL", deleteFile},   {"AS", deleteFolder}, {"DD", deleteFolder},
};

// Runs the script of the kind on the path; an unknown kind has none.
ScriptOutcome MoveToTrash(const String& kind, const String& path) {
    for (const KindScript& entry : kKindScripts) {
        if (kind == entry.kind) return entry.script({Variant(path)});
    }
    return ScriptOutcome::Done;
}

}  // namespace

void Thread1::Event_Run() {
    Window1& win = Deref(pWin1);
    LabelRef label = win.StaticText1();
    Deref(label).SetVisible(true);
    Deref(win.ProgressWheel1()).SetVisible(true);
    label->SetText("ゴミ箱に移動中...");
    DeleteItem();
    label->SetVisible(false);
    win.ProgressWheel1()->SetVisible(false);
    RestoreTools(win);
    stayed_.Tell(pWin1);
}

void Thread1::DeleteItem() {
    Window1& win = Deref(pWin1);
    ListboxRef list = win.Listbox1();
    const int32_t count = Deref(list).ListCount();
    // Rows the user collapses away during the run are not read.
    for (int32_t row = 0; row < count && row < list->ListCount(); ++row) {
        if (win.pStopThread1) KillMyself();
        if (list->CellCheck(row, 0) && list->Cell(row, 2) != "") {
            const int32_t index = CInt32(Val(list->Cell(row, 5)));
            if (index >= 0 && index <= Ubound(win.pFI)) {
                FolderItemRef item = Deref(win.pFI[index]).Value("item").ObjectValue<FolderItem>();
                DebugConsoleModule::TRACE(Deref(item).AbsolutePath());
                if (item->Exists()) stayed_.Note(*item, MoveToTrash(list->Cell(row, 4), item->AbsolutePath()));
            }
        }
        RuntimeBackgroundTask();
    }
}

void Thread1::KillMyself() {
    Window1& win = Deref(pWin1);
    Deref(win.StaticText1()).SetText("処理が中止されました。");
    Deref(win.ProgressWheel1()).SetVisible(false);
    RestoreTools(win);
    // What stayed before the stop is told all the same.
    stayed_.Tell(pWin1);
    Kill();
}
