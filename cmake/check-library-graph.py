#!/usr/bin/env python3
"""Checks the README's graph of our libraries against the links CMake made.

Usage: check-library-graph.py README.md GRAPH

GRAPH is written at configure time (moxa_write_library_graph), one line per
library: "NAME|PUBLIC,...|PRIVATE,...". The README lists the same, one
indented line per library that links any of ours:

    editor     -> richtext, site; private: pages, platform   (a note)

Names before "private:" are linked PUBLIC, those after it PRIVATE; the order
of the names does not matter, and a note in parentheses at the end is free
text. Exits with 1 and says which lines to change when the two differ.
"""
import re
import sys

LINE = re.compile(r"^    ([a-z]+) +-> ?(.*)$")
NOTE = re.compile(r"\s*\([^()]*\)\s*$")


def names(text):
    return frozenset(name.strip() for name in text.split(",") if name.strip())


def readme_graph(path):
    graph = {}
    problems = []
    with open(path, encoding="utf-8") as readme:
        for number, line in enumerate(readme, 1):
            match = LINE.match(line.rstrip("\n"))
            if not match:
                continue
            library, rest = match.groups()
            rest = NOTE.sub("", rest).strip()
            public, _, private = rest.partition(";")
            if public.strip().startswith("private:"):
                public, private = "", public
            private = private.strip()
            if private and not private.startswith("private:"):
                problems.append(f"{path}:{number}: after ';' comes 'private:' and a list")
                continue
            if library in graph:
                problems.append(f"{path}:{number}: '{library}' is listed twice")
            graph[library] = (names(public), names(private[len("private:"):]))
    return graph, problems


def cmake_graph(path):
    graph = {}
    with open(path, encoding="utf-8") as text:
        for line in text:
            line = line.strip()
            if not line:
                continue
            library, public, private = line.split("|")
            graph[library] = (names(public), names(private))
    return graph


def expected_line(library, public, private):
    text = ", ".join(sorted(public))
    if private:
        text += ("; " if text else "") + "private: " + ", ".join(sorted(private))
    return f"    {library:<10} -> {text}"


def main():
    readme_path, graph_path = sys.argv[1], sys.argv[2]
    documented, problems = readme_graph(readme_path)
    linked = cmake_graph(graph_path)
    for library in sorted(linked):
        public, private = linked[library]
        if not public and not private:
            if library in documented and any(documented[library]):
                problems.append(f"'{library}' links none of our libraries; its line should be gone "
                                f"or read:\n    {library:<10} -> (none of ours)")
            continue
        if library not in documented:
            problems.append(f"'{library}' is missing; add the line:\n"
                            + expected_line(library, public, private))
        elif documented[library] != (public, private):
            problems.append(f"'{library}' is linked differently; its line should read:\n"
                            + expected_line(library, public, private))
    for library in sorted(set(documented) - set(linked)):
        problems.append(f"'{library}' is no library of ours; remove its line")
    if problems:
        print(f"{readme_path}: the graph of the libraries differs from what CMake links "
              f"(src/*/CMakeLists.txt):", file=sys.stderr)
        for problem in problems:
            print(problem, file=sys.stderr)
        return 1
    print(f"{readme_path}: the graph of the libraries matches CMake's links "
          f"({len(linked)} libraries)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
