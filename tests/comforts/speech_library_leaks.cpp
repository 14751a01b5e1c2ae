// libspeechd keeps a few strings (through glib) of a connection it could not
// open until the program ends: the library's own, which no call of ours can
// release, so LeakSanitizer is told to pass over them. Without the sanitizers
// this function is unused.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libglib-2.0.so\nleak:libspeechd.so\n";
}
