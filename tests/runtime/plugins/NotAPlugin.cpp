// A shared library without REALPluginMain: the host must pass it over.
extern "C" int NotAPluginAnswer() { return 42; }
