#!/usr/bin/env python3
"""Checks the include structure of the programs' code.

No two files may include each other, directly or around a circle. Folders
are layered the same way: a folder that includes another is above it, and the
folder below may include it back only through the public headers listed here.

usage: check_includes.py ROOT [FOLDER...]   (default folders: shell renderer common)
"""

import re
import sys
from pathlib import Path

# The headers a folder offers to the folders below it.
PUBLIC_HEADERS = {
    # The renderer's settings and state records and the frame pace.
    "renderer/main/renderer_settings.h", "renderer/main/win32_renderer_state.h",
    "renderer/main/frame_pacing.h",
    # The shell's names, start-up mode and state, and zoom routines.
    "shell/startup/shell_names.h", "shell/startup/startup_mode.h",
    "shell/startup/startup_state.h", "shell/startup/win32_zoom.h",
}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def resolve(root, source, name, files):
    """The project file an include names, relative to root, or None: a path
    from the file's folder or from any folder above it, or else a file of that
    name (headers of a target's own include folders are named bare)."""
    for base in [source.parent, *source.parents]:
        candidate = base / name
        if candidate.is_file() and root in candidate.parents:
            return candidate.relative_to(root).as_posix()
    matches = [f for f in files if f.endswith("/" + name)]
    return matches[0] if len(matches) == 1 else None


def find_cycle(graph):
    """One circle of the graph as a list of its nodes, or None."""
    state = {}

    def visit(node, path):
        state[node] = "open"
        path.append(node)
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == "open":
                return path[path.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt, path)
                if found:
                    return found
        state[node] = "done"
        path.pop()
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node, [])
            if found:
                return found
    return None


def main(argv):
    root = Path(argv[1]).resolve()
    folders = argv[2:] or ["shell", "renderer", "common"]
    units, folder_graph, problems = {}, {}, []
    sources = [s for f in folders for s in sorted((root / f).rglob("*"))
               if s.suffix in (".h", ".cpp")]
    files = [s.relative_to(root).as_posix() for s in sources]
    for source in sources:
        here_file = source.relative_to(root).as_posix()
        for name in INCLUDE.findall(source.read_text(encoding="utf-8")):
            target = resolve(root, source, name, files)
            if target is None:
                continue
            units.setdefault(here_file, set()).add(target)
            here, there = str(Path(here_file).parent), str(Path(target).parent)
            if here != there and target not in PUBLIC_HEADERS:
                folder_graph.setdefault(here, set()).add(there)
    for graph, kind in ((units, "files"), (folder_graph, "folders")):
        # Each circle found is cut at its last step, so every one is listed.
        while cycle := find_cycle(graph):
            problems.append(f"{kind} include each other: " + " -> ".join(cycle))
            graph[cycle[-2]].discard(cycle[-1])
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
