#pragma once
// The life of the process: start-up routines in the order the framework runs
// them, the main routine, and the release of the module globals.

// The process's whole life; returns the exit status.
int RunProcess(int argc, char** argv);

// Installs the exception hook, runs the framework initialisation with
// _Startup, then the event loop.
void _Main();

// The start-up routine: plug-in entry points, file types, the application
// object, its menu handlers and the main window, in this order.
void _Startup();
void _InitPluginEntrypoints();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _MakeDefaultView();

// Shut-down: the menu bar instance, the catalogue and the documents-folder list.
void _ReleaseModuleGlobals();
