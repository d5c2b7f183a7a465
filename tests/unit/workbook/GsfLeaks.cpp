// libgsf itself loses a few directory entries when it reads a damaged compound file (they are
// allocated inside gsf_infile_msole_new and never handed out). The reader cannot free them.
// Their allocation stacks end in GLib's allocator, which nothing but libgsf uses here, so
// LeakSanitizer is told to accept allocations made there; every other leak still fails.
extern "C" const char* __lsan_default_suppressions() { return "leak:libglib-2.0.so\n"; }
