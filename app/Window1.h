#pragma once
// The main window: the result list, the toolbar with its six commands and the
// status strip. It owns the table of found items (pFI) and the stop flags and
// counters through which the two workers are steered.

#include <cstdint>
#include <memory>
#include <vector>

#include "app/Toolbar1.h"
#include "runtime/core/Dictionary.h"
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
    std::vector<runtime::DictionaryRef> pFI;
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
