"""Writes the portable zip: the given files side by side at its root.

    make_zip.py OUTPUT FILE...

Names are stored as UTF-8 (zipfile flags them so), which Windows' own unpacker
reads correctly; the file is written beside OUTPUT first and then renamed, so
an interrupted build never leaves half a zip.
"""

import os
import sys
import zipfile
from pathlib import Path


def main(output, files):
    output = Path(output)
    partial = output.with_name(output.name + ".partial")
    with zipfile.ZipFile(partial, "w", compression=zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for name in files:
            z.write(name, arcname=Path(name).name)
    os.replace(partial, output)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit("usage: make_zip.py OUTPUT FILE...")
    main(sys.argv[1], sys.argv[2:])
