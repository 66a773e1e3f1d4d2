// The library the helper loads under the module's name.
extern "C" int varnexTestModuleAnswer() { return 42; }
