#pragma once
// The removal worker: moves the item of every ticked item row of the main
// window's list to the Trash, by the script its kind names. When the run
// ends, completed or stopped, one message names the items that stayed.

#include <memory>

#include "engine/StayedItems.h"
#include "runtime/threads/Thread.h"

class Window1;

class Thread1 : public runtime::Thread {
public:
    // Set once by Window1.DeleteItem before Run.
    std::shared_ptr<Window1> pWin1;

    void Event_Run() override;

protected:
    void DeleteItem();
    void KillMyself();

private:
    StayedItems stayed_;
};

using Thread1Ref = std::shared_ptr<Thread1>;
