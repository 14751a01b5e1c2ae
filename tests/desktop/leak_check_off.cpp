// The desktop tests run without LeakSanitizer's check at exit: SDL unloads
// the X11 and driver libraries it opened, and what they keep until exit can
// then be named by no frame, so no suppression can single it out. Invalid
// accesses are still caught. Without the sanitizers this function is unused.
extern "C" int __lsan_is_turned_off() { return 1; }
