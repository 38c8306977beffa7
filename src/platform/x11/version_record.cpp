// The program file's version record. Linux program files carry no resources, so the record rides
// in a section of its own in the ELF file, where standard tools read it without running the
// program:
//
//   readelf -p .tessivar.version tessivar
//   objcopy -O binary --only-section=.tessivar.version tessivar record.txt
//
// It is a list of NUL-terminated "Key=Value" texts, laid out as on Windows: the fixed part (file
// and product versions), then the U.S. English, Unicode string table (040904B0) with its keys
// in the usual order, then the translation. The program never reads it; "used" keeps the compiler
// from dropping an unreferenced object, and this file is a source of the program itself rather
// than of a library, so the linker always takes it in.

namespace {

#define TESSIVAR_VERSION_ENTRY(key, value) key "=" value "\0"

[[gnu::used, gnu::section(".tessivar.version")]] constexpr char kVersionRecord[] =
    // Fixed part
    TESSIVAR_VERSION_ENTRY("FILEVERSION",      "1.0.0.0")
    TESSIVAR_VERSION_ENTRY("PRODUCTVERSION",   "1.0.0.0")
    TESSIVAR_VERSION_ENTRY("FILETYPE",         "application")
    // String table 040904B0: U.S. English (0x0409), Unicode (code page 1200, 0x04B0)
    TESSIVAR_VERSION_ENTRY("StringFileInfo",   "040904B0")
    TESSIVAR_VERSION_ENTRY("Comments",         "A tile launcher: a full-window Start screen of picture tiles that start programs")
    TESSIVAR_VERSION_ENTRY("CompanyName",      "Tessivar developers")
    TESSIVAR_VERSION_ENTRY("FileDescription",  "Sart menu for xp and Win 7 os.")
    TESSIVAR_VERSION_ENTRY("FileVersion",      "1.00")
    TESSIVAR_VERSION_ENTRY("InternalName",     "tessivar")
    TESSIVAR_VERSION_ENTRY("LegalCopyright",   "Copyright (C) 2026 Tessivar developers")
    TESSIVAR_VERSION_ENTRY("LegalTrademarks",  "Tessivar is a name of the Tessivar developers")
    TESSIVAR_VERSION_ENTRY("OriginalFilename", "tessivar")
    TESSIVAR_VERSION_ENTRY("ProductName",      "Tessivar 1.0 beta")
    TESSIVAR_VERSION_ENTRY("ProductVersion",   "1.00")
    // Translation: language 0x0409, code page 0x04B0
    TESSIVAR_VERSION_ENTRY("Translation",      "0x0409 0x04B0");

#undef TESSIVAR_VERSION_ENTRY

}  // namespace
