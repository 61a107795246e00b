#pragma once
// The application's one menu bar: File, Edit and Help.

#include <memory>

#include "runtime/ui/MenuBar.h"

class MenuBar1 : public runtime::MenuBar {
public:
    // Builds the three menus. Run by Instance() once the object is shared, so
    // that every item knows the menu it belongs to.
    void Constructor();

    // The implicit instance, made on first use and shared by the application
    // object and the main window.
    static std::shared_ptr<MenuBar1> Instance();
    // Releases the implicit instance at shut-down.
    static void ReleaseInstance();

    void Untitled0();  // File
    void Untitled1();  // Edit
    void Untitled2();  // Help
};
