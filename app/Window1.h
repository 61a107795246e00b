#pragma once
// The main window: the result list, the toolbar with its six commands and the
// status strip. It owns the table of found items (pFI) and the stop flags and
// counters through which the two workers are steered.
//
// The window and its workers
// --------------------------
// GetItem(mode) starts a Thread2 with pMode "GetItem" (auto-get) or
// "FindItem" (search); DeleteItem starts a Thread1. Each gets the window as
// pWin1 and works on it directly; the window keeps no reference to them.
// The workers are fibers on the GUI thread: they and the window's events
// never run at the same instant, only one worker runs at a time (the tool
// items that start one are disabled while either runs, and so is
// "リストをクリア", so the list and pFI are never emptied under a worker),
// and no lock is needed.
//
//   field / part       written by                    read by
//   pStopThread1/2     the window only: each         Thread1 before each row;
//                      cleared when its worker       Thread2 before each entry
//                      starts, both set by "中止"    it walks and at lookups
//   pFI                Thread2: cleared at the       ExpRow (item rows), Thread1
//                      start of a road, appended     (the item of a ticked row)
//                      through AddFIlist only
//   pCountGet          Thread2: auto-get sets 1      Thread2.FindItem: asks
//                      and 0; a search sets 0 and    first while pCountGet is
//   pCountFind         counts pCountFind up;         not 0, empties the list
//                      ClearListBox zeroes both      while pCountFind is 0
//   list rows          Thread2 adds product rows     the user; Thread1
//                      and search rows and expands   (ticked item rows)
//                      product rows (ExpRow adds
//                      their item rows)
//   status strip,      both workers while they run;  the user
//   tool items         Thread2 resets them through
//                      ResetMainWinInfo(mode)
//
// Mode words: "GetItem" and "FindItem" start the two roads; "killGet" and
// "killFind" name a road that was stopped (ResetMainWinInfo).
// Rows: a product row is the list's only folder row (cell 5: its
// ItemIndexList, app/ItemIndexList.h); an item row holds the ItemKind in
// cell 4 and its pFI index in cell 5; a search row holds "DFS" in cell 4 and
// the item's absolute path in cell 5, and has no check box.

#include <cstdint>
#include <memory>

#include "app/FoundItems.h"
#include "app/Toolbar1.h"
#include "runtime/core/String.h"
#include "runtime/files/FolderItem.h"
#include "runtime/ui/Graphics.h"
#include "runtime/ui/Label.h"
#include "runtime/ui/Listbox.h"
#include "runtime/ui/Picture.h"
#include "runtime/ui/ProgressWheel.h"
#include "runtime/ui/Window.h"

class Window1 : public runtime::Window {
public:
    // The open main window, or a new one when none is open.
    static std::shared_ptr<Window1> Instance();

    // Read and written directly by the workers.
    bool pStopThread2 = false;
    // Found items ("item": FolderItem, "kind": ItemKind); rows refer to them by index.
    FoundItems pFI;
    bool pStopThread1 = false;
    // 1 while the list holds the result of an auto-get run.
    int32_t pCountGet = 0;
    // Searches since the last auto-get run or clearing.
    int32_t pCountFind = 0;

    void Layout() override;
    void CreateControls() override;

    std::shared_ptr<Toolbar1> Toolbar11() const;
    runtime::ListboxRef Listbox1() const;
    runtime::ProgressWheelRef ProgressWheel1() const;
    runtime::LabelRef StaticText1() const;

    void Toolbar11_Action(Toolbar1& tb, runtime::ToolItem& item);
    void Toolbar11_Open(Toolbar1& tb);
    void Listbox1_ExpandRow(runtime::Listbox& lb, int32_t row);
    bool Listbox1_CellBackgroundPaint(runtime::Listbox& lb, runtime::Graphics& g, int32_t row, int32_t column);
    void Listbox1_CellAction(runtime::Listbox& lb, int32_t row, int32_t column);
    void Listbox1_Change(runtime::Listbox& lb);

    void Event_Open() override;

    // Registers an item once (paths equal without regard to case) and returns
    // its index in pFI.
    int32_t AddFIlist(const runtime::FolderItemRef& f, const runtime::String& kind);
    // The 16 x 16 icon of a row, with its mask.
    runtime::PictureRef MakeListFolIcon(const runtime::FolderItemRef& f);
    // Asks, then empties the list and pFI.
    void ClearListBox();

protected:
    void _CreateControls0();
    void InitApp();
    void GetItem(const runtime::String& mode);
    void ExpRow(int32_t row);
    void DeleteItem();
    void RevealFile();
};

using Window1Ref = std::shared_ptr<Window1>;
