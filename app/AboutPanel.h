#pragma once
// The About panel: title, subtitle, version and credits; a click hides it.

#include "runtime/ui/Label.h"
#include "runtime/ui/Window.h"

class AboutPanel : public runtime::Window {
public:
    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();

    runtime::LabelRef StaticText2();  // credits
    runtime::LabelRef StaticText1();  // version
    runtime::LabelRef StaticText3();  // title
    runtime::LabelRef StaticText4();  // subtitle

    bool Event_MouseDown(int x, int y) override;
    void Event_Open() override;

    // The four paragraphs of the credits, separated by CR CR.
    static runtime::String Credits();
};
