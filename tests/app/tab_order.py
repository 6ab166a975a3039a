#!/usr/bin/env python3
"""The keyboard order of one page, read from a window definition in text form.

    tab_order.py Form1.txt PAGE-CAPTION
        one line per control that takes the focus, in the order Tab visits them:
        "Name Class Left Top Depth" (Left and Top as written, relative to the parent; Depth 0
        for a control on the page itself). Controls of a page are visited by their TabOrder; a
        group box is no stop itself but its controls are visited, by their own TabOrder, where
        it stands.
    tab_order.py Form1.txt PAGE-CAPTION HWND CLIENT-WIDTH < uiprobe-tree
        the name of the page's control (or the page control) that is the window HWND of the
        tree, found by its place in its parent, the definition's scaled by CLIENT-WIDTH over the
        written ClientWidth; "?" and the place when none is there.
"""
import re
import sys

FOCUSABLE = {"TSeSkinEdit", "TSeSkinButton", "TSeSkinMemo"}
CONTAINERS = {"TSeSkinGroupBox"}


class Node:
    def __init__(self, name, cls):
        self.name, self.cls, self.props, self.children = name, cls, {}, []


def parse(path):
    root = Node("", "")
    stack = [root]
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.strip()
            m = re.match(r"(?:object|inline) (\w+): (\w+)$", line)
            if m:
                node = Node(m.group(1), m.group(2))
                stack[-1].children.append(node)
                stack.append(node)
            elif line == "end":
                stack.pop()
            else:
                m = re.match(r"(\w+) = (.*)$", line)
                if m and len(stack) > 1:
                    stack[-1].props.setdefault(m.group(1), m.group(2))
    return root


def walk(node, depth, out):
    ordered = [c for c in node.children if c.cls in FOCUSABLE | CONTAINERS]
    ordered.sort(key=lambda c: int(c.props.get("TabOrder", "0")))
    for c in ordered:
        if c.cls in CONTAINERS:
            walk(c, depth + 1, out)
        elif c.props.get("Enabled", "True") == "True" and c.props.get("TabStop", "True") == "True":
            out.append(f"{c.name} {c.cls} {c.props['Left']} {c.props['Top']} {depth}")


def find_page(node, caption):
    for c in node.children:
        if c.props.get("Caption") == "'" + caption + "'" and c.cls.endswith("TabSheet"):
            return c
        found = find_page(c, caption)
        if found:
            return found
    return None


def name_of(root, page, hwnd, client_width):
    # Tree lines: depth hwnd class visible enabled left top right bottom style text.
    lines = [line.rstrip("\n") for line in sys.stdin if line.strip()]
    rows = [line.split("\t")[0].split() for line in lines]
    # The form's children are placed in its client area, whose origin ends the first line.
    rows[0][5:7] = lines[0].split("\t")[1].split()
    index = next((i for i, r in enumerate(rows) if r[1] == hwnd), None)
    if index is None:
        return "?" + hwnd
    depth = int(rows[index][0])
    parent = next(r for r in reversed(rows[:index]) if int(r[0]) == depth - 1)
    at = (int(rows[index][5]) - int(parent[5]), int(rows[index][6]) - int(parent[6]))
    form = root.children[0]
    scale = client_width / int(form.props["ClientWidth"])
    out = []
    walk(page, 0, out)
    # The page's controls are at tree depth 3 (form, page control, page) and 4 in a group box.
    candidates = [(n, int(l), int(t), int(d) + 3) for n, _, l, t, d in (o.split() for o in out)]
    pages = find_class(form, "TSeSkinPageControl")
    candidates.append((pages.name, int(pages.props["Left"]), int(pages.props["Top"]), 1))
    for name, left, top, level in candidates:
        if level == depth and abs(round(left * scale) - at[0]) <= 1 and \
                abs(round(top * scale) - at[1]) <= 1:
            return name
    return f"?{rows[index][2]}@{at[0]},{at[1]}"


def find_class(node, cls):
    for c in node.children:
        if c.cls == cls:
            return c
        found = find_class(c, cls)
        if found:
            return found
    return None


def main():
    root = parse(sys.argv[1])
    page = find_page(root, sys.argv[2])
    if not page:
        sys.exit(f"no page {sys.argv[2]!r} in {sys.argv[1]}")
    if len(sys.argv) == 5:
        print(name_of(root, page, sys.argv[3], int(sys.argv[4])))
        return
    out = []
    walk(page, 0, out)
    print("\n".join(out))


main()
