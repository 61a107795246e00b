// The main window: design values, controls, opening and the toolbar commands.
#include "app/Window1.h"

#include "app/MenuBar1.h"
#include "app/Pictures.h"
#include "engine/Thread1.h"
#include "engine/Thread2.h"
#include "foundation/CautionDialog.h"
#include "runtime/core/Exceptions.h"

using namespace runtime;

std::shared_ptr<Window1> Window1::Instance() { return ImplicitInstance<Window1>(); }

void Window1::Layout() {
    SetMenuBar(MenuBar1::Instance());
    SetPlacement(0);
    SetWidth(640);
    SetHeight(400);
    SetMinWidth(300);
    SetMinHeight(200);
    SetMaxWidth(32000);
    SetMaxHeight(32000);
    SetFrame(0);
    SetComposite(true);
    SetHasBackColor(true);
    SetBackColor(RGB(192, 192, 192));
    SetTitle("KELDO Uninstaller");
    SetVisible(true);
    SetFullScreen(false);
    SetMenuBarVisible(true);
    SetCloseButton(true);
    SetResizeable(true);
    SetLiveResize(true);
    SetMaximizeButton(true);
    SetMinimizeButton(true);
}

void Window1::CreateControls() { _CreateControls0(); }

void Window1::_CreateControls0() {
    auto toolbar = std::make_shared<Toolbar1>();
    _AddControl("Toolbar11", toolbar);
    toolbar->SetLeft(69);
    toolbar->SetTop(-13);
    toolbar->SetWidth(100);
    toolbar->SetHeight(32);
    toolbar->SetVisible(true);
    toolbar->SetEnabled(true);
    toolbar->Action = [this](Toolbar& tb, ToolItem& item) { Toolbar11_Action(static_cast<Toolbar1&>(tb), item); };
    toolbar->Open = [this](Toolbar& tb) { Toolbar11_Open(static_cast<Toolbar1&>(tb)); };

    auto list = std::make_shared<Listbox>();
    _AddControl("Listbox1", list);
    list->SetTextSize(12);
    list->SetTextUnit(0);
    list->SetLeft(-1);
    list->SetTop(-1);
    list->SetWidth(642);
    list->SetHeight(380);
    list->SetLockLeft(true);
    list->SetLockTop(true);
    list->SetLockRight(true);
    list->SetLockBottom(true);
    list->SetTabIndex(1);
    list->SetTabStop(true);
    list->SetBorder(true);
    list->SetColumnCount(6);
    list->SetColumnWidths("");
    list->SetHasHeading(true);
    list->SetInitialValue("名前\t修正日\t種別\t \t");
    list->SetHierarchical(true);
    list->SetScrollbarHorizontal(false);
    list->SetScrollBarVertical(true);
    list->SetColumnsResizable(true);
    list->SetTextFont("System");
    list->SetBold(false);
    list->SetItalic(false);
    list->SetUnderline(false);
    list->SetHelpTag("");
    list->ExpandRow = [this](Listbox& lb, int row) { Listbox1_ExpandRow(lb, row); };
    list->CellBackgroundPaint = [this](Listbox& lb, Graphics& g, int row, int column) {
        return Listbox1_CellBackgroundPaint(lb, g, row, column);
    };
    list->CellAction = [this](Listbox& lb, int row, int column) { Listbox1_CellAction(lb, row, column); };
    list->Change = [this](Listbox& lb) { Listbox1_Change(lb); };

    auto wheel = std::make_shared<ProgressWheel>();
    _AddControl("ProgressWheel1", wheel);
    wheel->SetLeft(10);
    wheel->SetTop(382);
    wheel->SetWidth(16);
    wheel->SetHeight(16);
    wheel->SetLockLeft(true);
    wheel->SetLockBottom(true);
    wheel->SetTabIndex(2);
    wheel->SetTabStop(true);
    wheel->SetVisible(true);
    wheel->SetEnabled(true);

    auto label = std::make_shared<Label>();
    _AddControl("StaticText1", label);
    label->SetTextSize(12);
    label->SetTextUnit(0);
    label->SetLeft(30);
    label->SetTop(382);
    label->SetWidth(440);
    label->SetHeight(20);
    label->SetLockLeft(true);
    label->SetLockBottom(true);
    label->SetTabIndex(3);
    label->SetText("Untitled");
    label->SetTextAlign(0);
    label->SetTextColor(RGB(0, 0, 0));
    label->SetMultiline(false);
    label->SetSelectable(false);
    label->SetTransparent(false);
    label->SetTextFont("System");
    label->SetBold(false);
    label->SetItalic(false);
    label->SetUnderline(false);
    label->SetVisible(true);
}

std::shared_ptr<Toolbar1> Window1::Toolbar11() const { return Control<Toolbar1>("Toolbar11"); }

ListboxRef Window1::Listbox1() const { return Control<Listbox>("Listbox1"); }

ProgressWheelRef Window1::ProgressWheel1() const { return Control<ProgressWheel>("ProgressWheel1"); }

LabelRef Window1::StaticText1() const { return Control<Label>("StaticText1"); }

void Window1::Event_Open() { InitApp(); }

void Window1::InitApp() {
    SetTitle("KELDO アンインストーラ");
    Deref(Listbox1()).SetColumnWidths("*,*,*,0,0,0");
    auto tb = Toolbar11();
    Deref(tb).ToolItem4->SetEnabled(false);
    tb->ToolItem8->SetEnabled(false);
    tb->ToolItem5->SetEnabled(false);
    Deref(ProgressWheel1()).SetVisible(false);
    Deref(StaticText1()).SetVisible(false);
}

void Window1::Toolbar11_Open(Toolbar1& tb) {
    tb.ToolItem1->SetIcon(Pictures::disk());
    tb.ToolItem4->SetIcon(Pictures::delete_());
    tb.ToolItem6->SetIcon(Pictures::findItem());
    tb.ToolItem8->SetIcon(Pictures::showFinder());
    tb.ToolItem5->SetIcon(Pictures::stop());
    tb.ToolItem9->SetIcon(Pictures::clear());
}

void Window1::Toolbar11_Action(Toolbar1& tb, ToolItem& item) {
    const String name = item.Name();
    if (name == "ToolItem1") {
        GetItem("GetItem");
    } else if (name == "ToolItem4") {
        DeleteItem();
    } else if (name == "ToolItem6") {
        GetItem("FindItem");
    } else if (name == "ToolItem8") {
        RevealFile();
    } else if (name == "ToolItem5") {
        pStopThread1 = true;
        pStopThread2 = true;
    } else if (name == "ToolItem9") {
        ClearListBox();
    }
}

namespace {

// The tool items while a worker runs: only the stop command.
void ShowWorkerRunning(Toolbar1& tb) {
    tb.ToolItem1->SetEnabled(false);
    tb.ToolItem4->SetEnabled(false);
    tb.ToolItem6->SetEnabled(false);
    tb.ToolItem5->SetEnabled(true);
    tb.ToolItem9->SetEnabled(false);
}

}  // namespace

void Window1::GetItem(const String& mode) {
    pStopThread2 = false;
    Deref(Listbox1()).SetListIndex(-1);
    ShowWorkerRunning(Deref(Toolbar11()));
    auto worker = std::make_shared<Thread2>();
    worker->pWin1 = std::static_pointer_cast<Window1>(shared_from_this());
    worker->pMode = mode;
    worker->Run();
}

void Window1::DeleteItem() {
    const int32_t result =
        Globals::gCautionDlg(std::static_pointer_cast<Window1>(shared_from_this()), true, 2, "", "キャンセル", "",
                             "本当にゴミ箱に移動しますか？", "Finderの機能を使えば、移動したアイテムを元に戻せます。");
    if (result == Globals::kCancelButton) return;
    pStopThread1 = false;
    Deref(Listbox1()).SetListIndex(-1);
    ShowWorkerRunning(Deref(Toolbar11()));
    auto worker = std::make_shared<Thread1>();
    worker->pWin1 = std::static_pointer_cast<Window1>(shared_from_this());
    worker->Run();
}

void Window1::ClearListBox() {
    const int32_t result = Globals::gCautionDlg(std::static_pointer_cast<Window1>(shared_from_this()), true, 2, "",
                                                "キャンセル", "", "本当にクリアしますか？", "");
    if (result == Globals::kCancelButton) return;
    Deref(Listbox1()).DeleteAllRows();
    pFI.clear();
    pCountGet = 0;
    pCountFind = 0;
}
