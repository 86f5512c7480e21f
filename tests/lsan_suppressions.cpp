// Leaks inside system libraries that tests cannot free: fontconfig keeps its
// caches for the life of the process. LeakSanitizer asks every program for
// this list; without the sanitizer nothing calls it.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}
