#pragma once
// The application object: the catalogue at start-up and the menu commands
// (About panel, help documents, home page).

#include <memory>

#include "runtime/app/Application.h"

class App : public runtime::Application {
public:
    App() { Constructor(); }

    // The registered application object.
    static std::shared_ptr<App> Instance();

    void Event_Open() override;
    bool _AppleAbout_Action();
    bool _HelpManual_Action();
    bool _HelpReadMe_Action();
    bool _HelpHome_Action();

    // The catalogue file's reader and the built-in table (AppCatalogue.cpp).
    bool LoadFile();
    void InitDictionary();

protected:
    void InitApp();
    void ShowAboutPanel();
    void InitCaption() {}
    void LaunchReadme();
    void LaunchManual();
    void ConnectHP();
    void Constructor() {}
};
