#!/usr/bin/env python3
"""Writes an icon file's images as the program's icon resources.

windres numbers the images of an ICON statement itself; the program file carries them as icon
resources FIRST_ID, FIRST_ID+1, ... in the file's order, byte for byte, under one icon group.
So each image is written to a file of its own (an RT_ICON resource), the group directory
(RT_GROUP_ICON: the file's directory with each entry's offset replaced by its resource id) to
another, and a resource script fragment that names them all, language neutral.

    icon_group.py ICON_FILE GROUP_ID FIRST_ID OUTPUT_DIR
"""
import struct
import sys
from pathlib import Path

RT_ICON = 3
RT_GROUP_ICON = 14


def main():
    icon_file, group_id, first_id, output_dir = sys.argv[1:5]
    group_id, first_id = int(group_id), int(first_id)
    data = Path(icon_file).read_bytes()
    output = Path(output_dir)
    output.mkdir(parents=True, exist_ok=True)

    if len(data) < 6:
        sys.exit(f"{icon_file}: too short for an icon directory")
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1 or count == 0:
        sys.exit(f"{icon_file}: not an icon file")
    if len(data) < 6 + 16 * count:
        sys.exit(f"{icon_file}: its directory is cut short")

    group = bytearray(struct.pack("<HHH", 0, 1, count))
    lines = ["// Generated from the application icon by icon_group.py; do not edit.",
             "LANGUAGE 0, 0"]
    for index in range(count):
        width, height, colours, reserved_byte, planes, bits, size, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * index)
        if offset + size > len(data):
            sys.exit(f"{icon_file}: image {index + 1} lies outside the file")
        resource_id = first_id + index
        image_path = output / f"icon-{resource_id}.bin"
        image_path.write_bytes(data[offset:offset + size])
        group += struct.pack("<BBBBHHIH", width, height, colours, reserved_byte, planes, bits,
                             size, resource_id)
        lines.append(f'{resource_id} {RT_ICON} "{image_path.resolve().as_posix()}"')
    group_path = output / "icon-group.bin"
    group_path.write_bytes(bytes(group))
    lines.append(f'{group_id} {RT_GROUP_ICON} "{group_path.resolve().as_posix()}"')
    (output / "icon_group.rc").write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
