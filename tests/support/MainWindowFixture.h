#pragma once
// A fixture for tests of the program's main window and its workers. Each test
// gets a fresh fake home, a fresh main window, an empty catalogue, a time
// slice of 0 (every yield returns to the event loop) and no responder until
// it calls Answer(). It drives the toolbar as its event reports a press and
// waits for a worker's run to end. Links the program.

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/Window1.h"
#include "foundation/Globals.h"
#include "runtime/app/ModalResponder.h"
#include "runtime/threads/BackgroundTask.h"
#include "tests/support/EventLoop.h"
#include "tests/support/FakeHome.h"
#include "tests/support/ListDriver.h"
#include "tests/support/ModalAnswerer.h"

namespace testsupport {

class MainWindowFixture : public ::testing::Test, protected ModalAnswerer {
protected:
    void SetUp() override {
        runtime::SetThreadTimeSlice(std::chrono::microseconds(0));
        Globals::gItem.clear();
        Globals::gDocDir.clear();
        win = Window1::Instance();
    }
    void TearDown() override {
        runtime::SetModalResponder({});
        if (win && win->IsOpen()) win->Close();
        win.reset();
        Globals::gItem.clear();
        Globals::gDocDir.clear();
        runtime::SetThreadTimeSlice(std::chrono::milliseconds(5));
    }

    // A press of a tool item, as the toolbar reports it.
    void Press(const runtime::ToolButtonRef& item) { win->Toolbar11_Action(*win->Toolbar11(), *item); }
    // Waits until the running worker has given the commands back.
    bool WaitForRunEnd() {
        return PumpUntil([&] { return !win->Toolbar11()->ToolItem5->Enabled(); });
    }
    // Presses a command that starts a worker and waits until the run has ended.
    bool RunCommand(const runtime::ToolButtonRef& item) {
        Press(item);
        return WaitForRunEnd();
    }

    // On/off of the tool items 1, 4, 6, 8, 5, 9.
    std::string ToolItemStates() const {
        const Toolbar1& tb = *win->Toolbar11();
        std::string states;
        for (const runtime::ToolButtonRef& item :
             {tb.ToolItem1, tb.ToolItem4, tb.ToolItem6, tb.ToolItem8, tb.ToolItem5, tb.ToolItem9})
            states += item->Enabled() ? '1' : '0';
        return states;
    }

    // A ticked product row whose index list is indexes, as the auto-get run adds it.
    int AddProductRow(const runtime::String& label, const runtime::String& indexes) {
        const runtime::ListboxRef list = win->Listbox1();
        list->AddFolder(label);
        const int row = list->LastIndex();
        list->SetCellType(row, 0, runtime::Listbox::TypeCheckBox);
        list->SetCellCheck(row, 0, true);
        list->SetCell(row, 5, indexes);
        return row;
    }
    // Column c of the list, one text per row.
    std::vector<std::string> Column(int c) const { return CellTexts(*win->Listbox1(), c); }

    FakeHome home;
    std::shared_ptr<Window1> win;
};

}  // namespace testsupport
