#include "app/Startup.h"

#include <cstdint>
#include <iostream>

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/PluginFunctions.h"
#include "app/Window1.h"
#include "foundation/Globals.h"
#include "runtime/app/ExceptionHook.h"
#include "runtime/app/Runtime.h"
#include "runtime/core/Exceptions.h"

using namespace runtime;

namespace {

// The bound entries of the plug-in entry table. Entries 1 to 80 serve the
// framework's own plug-in based classes, which this runtime provides itself:
// they stay unbound.
struct PluginDeclaration {
    int32_t entry;
    const char* declaration;
};
constexpr int32_t kPluginEntryCount = 82;
constexpr PluginDeclaration kPluginDeclarations[] = {
    {0, "_"},
    {81, "GetIconFromFile(f As FolderItem, iconID As Integer) As Picture"},
};

}  // namespace

int RunProcess(int argc, char** argv) {
    try {
        RuntimeInit(argc, argv);
    } catch (const NoDisplayError& error) {
        std::cerr << "KELDO Uninstaller: " << error.what() << "; it needs a graphical display to run." << std::endl;
        return 1;
    }
    Globals::gItem.clear();
    Globals::gDocDir.clear();
    _Main();
    _ReleaseModuleGlobals();
    return RuntimeExit();
}

void _Main() {
    RuntimeSetExceptionHelper(_UnhandledException);
    try {
        RunFrameworkInitialization(_Startup);
        RuntimeRun();
    } catch (...) {
        _UnhandledException(std::current_exception());
    }
}

void _Startup() {
    _InitPluginEntrypoints();
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
    _MakeDefaultView();
}

void _InitPluginEntrypoints() {
    PluginEntrypointTable& table = PluginEntrypoints();
    table = RuntimeAllocatePluginEntrypointsTable(kPluginEntryCount);
    for (const PluginDeclaration& bound : kPluginDeclarations)
        table.SetEntry(bound.entry, RuntimeLookupPluginEntrypoint(bound.declaration));
}

void _InitFileTypes() {}

void _NewAppInstance() {
    auto app = std::make_shared<App>();
    app->SetMenuBar(MenuBar1::Instance());
    RuntimeRegisterAppObject(app);
}

void _ApplicationAddMenuHandlers() {
    App& app = Deref(App::Instance());
    // The handlers live in the application object, so they refer to it plainly.
    App* self = &app;
    app._AddMenuHandler("AppleAbout", [self] { return self->_AppleAbout_Action(); });
    app._AddMenuHandler("HelpManual", [self] { return self->_HelpManual_Action(); });
    app._AddMenuHandler("HelpReadMe", [self] { return self->_HelpReadMe_Action(); });
    app._AddMenuHandler("HelpHome", [self] { return self->_HelpHome_Action(); });
}

void _MakeDefaultView() { Window1::Instance(); }

void _ReleaseModuleGlobals() {
    MenuBar1::ReleaseInstance();
    Globals::gItem.clear();
    Globals::gItem.shrink_to_fit();
    Globals::gDocDir.clear();
    Globals::gDocDir.shrink_to_fit();
}
