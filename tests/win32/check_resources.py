#!/usr/bin/python3
"""Reads the resources of each Windows executable back and checks them against what the program
file must carry: icon group 1, language neutral, whose images are icon resources 30001 to 30012
holding the application icon's images byte for byte and in order; the version record; and a
manifest that Windows XP can read.

    check_resources.py APP_ICON.ico EXE...
"""
import os
import shutil
import struct
import sys
import xml.dom.minidom

try:
    import pefile
except ImportError:
    print("SKIP: python3-pefile is not installed")
    sys.exit(77)

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24

EXPECTED_STRINGS = {
    "FileDescription": "Sart menu for xp and Win 7 os.",
    "ProductName": "Tessivar 1.0 beta",
    "FileVersion": "1.00",
    "ProductVersion": "1.00",
    "CompanyName": "Tessivar developers",
    "InternalName": "tessivar",
    "OriginalFilename": "tessivar.exe",
}
PRESENT_STRINGS = ["Comments", "LegalCopyright", "LegalTrademarks"]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def icon_images(path):
    data = open(path, "rb").read()
    _, _, count = struct.unpack_from("<HHH", data, 0)
    entries = [struct.unpack_from("<BBBBHHII", data, 6 + 16 * i) for i in range(count)]
    return [(entry[:7], data[entry[7]:entry[7] + entry[6]]) for entry in entries]


def resources(pe):
    """{(type, id): [(language, bytes)]}"""
    found = {}
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for name in kind.directory.entries:
            for language in name.directory.entries:
                entry = language.data.struct
                blob = pe.get_data(entry.OffsetToData, entry.Size)
                found.setdefault((kind.id, name.id), []).append((language.id, blob))
    return found


def check_icons(exe, found, images):
    group = found.get((RT_GROUP_ICON, 1))
    check(group is not None and len(group) == 1, f"{exe}: no single icon group 1")
    if not group:
        return
    language, directory = group[0]
    check(language == 0, f"{exe}: icon group 1 has language {language:#x}, not neutral")
    _, kind, count = struct.unpack_from("<HHH", directory, 0)
    check(kind == 1 and count == len(images),
          f"{exe}: icon group holds {count} images, the icon {len(images)}")
    for index in range(min(count, len(images))):
        fields = struct.unpack_from("<BBBBHHIH", directory, 6 + 14 * index)
        resource_id = fields[7]
        check(resource_id == 30001 + index,
              f"{exe}: group entry {index + 1} names icon {resource_id}, not {30001 + index}")
        check(fields[:7] == images[index][0],
              f"{exe}: group entry {index + 1} describes another image than the icon's")
        icon = found.get((RT_ICON, resource_id))
        check(icon is not None and icon[0][1] == images[index][1],
              f"{exe}: icon resource {resource_id} is not image {index + 1} of the icon")
        check(icon is not None and icon[0][0] == 0,
              f"{exe}: icon resource {resource_id} is not language neutral")
    extra = sorted(i for (t, i) in found if t == RT_ICON and not 30001 <= i < 30001 + len(images))
    check(not extra, f"{exe}: stray icon resources {extra}")


def check_version(exe, pe, found):
    version = found.get((RT_VERSION, 1))
    check(version is not None and version[0][0] == 0x0409,
          f"{exe}: no version record 1 in U.S. English")
    fixed = pe.VS_FIXEDFILEINFO[0]
    check((fixed.FileVersionMS, fixed.FileVersionLS) == (0x00010000, 0),
          f"{exe}: file version is not 1.0.0.0")
    check((fixed.ProductVersionMS, fixed.ProductVersionLS) == (0x00010000, 0),
          f"{exe}: product version is not 1.0.0.0")
    check((fixed.FileFlagsMask, fixed.FileFlags) == (0, 0), f"{exe}: flags are not 0, 0")
    check(fixed.FileOS == 0x4, f"{exe}: operating system {fixed.FileOS:#x}, not 0x4")
    check((fixed.FileType, fixed.FileSubtype) == (1, 0), f"{exe}: file type is not 1, 0")
    check((fixed.FileDateMS, fixed.FileDateLS) == (0, 0), f"{exe}: file date is not 0")
    tables = {}
    translations = []
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                tables[table.LangID.decode()] = {
                    k.decode(): v.decode() for k, v in table.entries.items()}
        elif info.Key == b"VarFileInfo":
            for var in info.Var:
                value = var.entry.get(b"Translation") or var.entry.get("Translation")
                translations.append(value.decode() if isinstance(value, bytes) else value)
    check(list(tables) == ["040904B0"] or list(tables) == ["040904b0"],
          f"{exe}: string tables {list(tables)}, not 040904B0")
    strings = next(iter(tables.values()), {})
    for key, value in EXPECTED_STRINGS.items():
        check(strings.get(key) == value, f"{exe}: {key} is {strings.get(key)!r}, not {value!r}")
    for key in PRESENT_STRINGS:
        check(bool(strings.get(key)), f"{exe}: {key} is missing or empty")
    check([str(t).lower() for t in translations] == ["0x0409 0x04b0"],
          f"{exe}: translation {translations}, not 0x0409 0x04B0")


def check_manifest(exe, found):
    manifest = found.get((RT_MANIFEST, 1))
    check(manifest is not None, f"{exe}: no manifest")
    if not manifest:
        return
    document = xml.dom.minidom.parseString(manifest[0][1])
    # XP rejects prefixed namespaces: every element must be unprefixed.
    prefixed = [e.tagName for e in document.getElementsByTagName("*") if ":" in e.tagName]
    check(not prefixed, f"{exe}: manifest elements with prefixes {prefixed}")
    # Windows reads the density settings only where the schema puts them, each in its own
    # namespace; misplaced or misspelt, they are ignored and the program is stretched as a bitmap.
    settings = {}
    for application in document.documentElement.getElementsByTagName("application"):
        if application.namespaceURI != "urn:schemas-microsoft-com:asm.v3":
            continue
        for holder in application.childNodes:
            if holder.nodeType == holder.ELEMENT_NODE and holder.tagName == "windowsSettings":
                for setting in holder.getElementsByTagName("*"):
                    settings[(setting.namespaceURI, setting.tagName)] = setting.firstChild.data
    aware = settings.get(("http://schemas.microsoft.com/SMI/2005/WindowsSettings", "dpiAware"))
    check(aware is not None and aware.strip() == "true",
          f"{exe}: manifest declares no system DPI awareness (dpiAware true in windowsSettings)")
    awareness = settings.get(
        ("http://schemas.microsoft.com/SMI/2016/WindowsSettings", "dpiAwareness"))
    check(awareness is not None and
          [value.strip() for value in awareness.split(",")] == ["PerMonitorV2", "System"],
          f"{exe}: manifest's dpiAwareness is {awareness!r}, not 'PerMonitorV2, System'")
    check(len(document.getElementsByTagName("supportedOS")) == 5,
          f"{exe}: manifest does not list Vista, 7, 8, 8.1 and 10")


def main():
    icon_path, exes = sys.argv[1], sys.argv[2:]
    images = icon_images(icon_path)
    check(len(images) == 12, f"{icon_path} holds {len(images)} images, not twelve")
    if not shutil.which("x86_64-w64-mingw32-windres"):
        print("SKIP: mingw-w64 is not installed, so no Windows executable is built")
        sys.exit(77)
    for exe in exes:
        if not os.path.exists(exe):
            failures.append(f"{exe} does not exist (tools/build-windows.sh makes it)")
            continue
        pe = pefile.PE(exe)
        found = resources(pe)
        check_icons(exe, found, images)
        check_version(exe, pe, found)
        check_manifest(exe, found)
    for failure in failures:
        print("FAIL:", failure)
    if not failures:
        print(f"PASS: {len(exes)} executables carry the icon group, version record and manifest")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
