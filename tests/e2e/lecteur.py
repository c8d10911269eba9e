#!/usr/bin/python3
"""What a screen reader finds in the running calculator, through the accessibility bus.

  lecteur.py focus          the name of the control that has the focus (a table's cell: the
                            table's name, a colon and the cell's)
  lecteur.py cells NAME     the rows of the shown table so named, a line each: the row's header
                            then its cells, separated by tabs
  lecteur.py text NAME      the text of the shown control so named
  lecteur.py showing NAME   exits 0 when a control or a window so named is shown
  lecteur.py press NAME     presses the shown control so named, as a screen reader's action does
  lecteur.py role NAME      the role of the shown control or window so named
  lecteur.py events         until stopped, after a line "ready", one line for each focus, text,
                            caret, selection and name event of the calculator: its kind and the
                            name of its control (kinds: focus, blur, text, caret, selection, name)
  lecteur.py items          checks the items (characters, words, sentences, lines) and the runs
                            of attributes that every shown text tells at every offset, up to its
                            end
"""
import sys

import pyatspi


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def calculator():
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == "orbalide":
            return application
    sys.exit("lecteur: the calculator is not on the accessibility bus")


def shown(name):
    for node in nodes(calculator()):
        if node.name == name and node.getState().contains(pyatspi.STATE_SHOWING):
            yield node


def text(name):
    """The text of the first shown control so named that has one (a list's is in its field)."""
    for node in shown(name):
        try:
            return node.queryText().getText(0, -1)
        except NotImplementedError:
            continue
    sys.exit(f"lecteur: nothing named {name!r} with a text is shown")


def press(name):
    for node in shown(name):
        try:
            action = node.queryAction()
        except NotImplementedError:
            continue
        for i in range(action.nActions):
            if action.getName(i).lower() == "press":
                action.doAction(i)
                return
    sys.exit(f"lecteur: nothing named {name!r} can be pressed")


def events():
    kinds = {"object:text-changed": "text", "object:text-caret-moved": "caret",
             "object:text-selection-changed": "selection",
             "object:property-change:accessible-name": "name"}

    def record(event):
        if event.host_application is None or event.host_application.name != "orbalide":
            return
        kind = event.type
        if kind.startswith("object:state-changed:focused"):
            kind = "focus" if event.detail1 else "blur"
        kind = next((k for prefix, k in kinds.items() if kind.startswith(prefix)), kind)
        print(f"{kind}\t{event.source.name}", flush=True)

    pyatspi.Registry.registerEventListener(record, "object:state-changed:focused", *kinds)
    print("ready", flush=True)
    pyatspi.Registry.start()


# Independent expectations: a decimal number is one word, up to its end.
KNOWN = {"111122.008": [(pyatspi.TEXT_BOUNDARY_WORD_START, k, ("111122.008", 0, 10) if k < 10
                         else ("", 10, 10)) for k in range(11)]}


def items():
    """Each text's item at, before and after every offset is its own text between the bounds it
    gives: the one at an offset holds it (or is empty at the end), the one before ends at or before
    it, the one after starts at or after its end; so does the run of attributes at the offset."""
    boundaries = [pyatspi.TEXT_BOUNDARY_CHAR, pyatspi.TEXT_BOUNDARY_WORD_START,
                  pyatspi.TEXT_BOUNDARY_WORD_END, pyatspi.TEXT_BOUNDARY_SENTENCE_START,
                  pyatspi.TEXT_BOUNDARY_LINE_START]
    checked = 0
    for node in nodes(calculator()):
        if not node.getState().contains(pyatspi.STATE_SHOWING):
            continue
        try:
            t = node.queryText()
        except NotImplementedError:
            continue
        whole = t.getText(0, -1)
        for boundary in boundaries:
            for k in range(len(whole) + 1):
                at = t.getTextAtOffset(k, boundary)
                before = t.getTextBeforeOffset(k, boundary)
                after = t.getTextAfterOffset(k, boundary)
                for text, start, end in (at, before, after):
                    if text != whole[start:end] or not 0 <= start <= end <= len(whole):
                        sys.exit(f"lecteur: {node.name!r} {whole!r} gives {text!r} {start} {end}")
                held = at[1] <= k < at[2] or (k == len(whole) and at[0] == "")
                run = t.getAttributes(k)[1:] if k < len(whole) else (k, k + 1)
                if not held or before[2] > at[1] or after[1] < at[2] or not run[0] <= k < run[1]:
                    sys.exit(f"lecteur: {node.name!r} {whole!r} at {k}: {before} {at} {after} {run}")
        for boundary, k, item in KNOWN.get(whole, []):
            if tuple(t.getTextAtOffset(k, boundary)) != item:
                sys.exit(f"lecteur: {whole!r} at {k}: {t.getTextAtOffset(k, boundary)}")
        checked += 1
    print(checked)


def main():
    what = sys.argv[1]
    if what == "focus":
        # Qt tells every table's current cell focused: the one of the focused table counts.
        focused = lambda n: n.getState().contains(pyatspi.STATE_FOCUSED)
        for node in nodes(calculator()):
            if focused(node) and node.getRole() == pyatspi.ROLE_TABLE:
                cell = next((c for c in nodes(node) if c is not node and focused(c)), None)
                print(f"{node.name}: {cell.name if cell else ''}")
                return
            if focused(node) and node.getRole() != pyatspi.ROLE_TABLE_CELL:
                print(node.name)
                return
    elif what == "cells":
        table = next(n for n in shown(sys.argv[2]) if n.getRole() == pyatspi.ROLE_TABLE).queryTable()
        for r in range(table.nRows):
            cells = [table.getAccessibleAt(r, c).name for c in range(table.nColumns)]
            print("\t".join([table.getRowDescription(r)] + cells))
    elif what == "text":
        print(text(sys.argv[2]))
    elif what == "showing":
        sys.exit(0 if next(shown(sys.argv[2]), None) else 1)
    elif what == "press":
        press(sys.argv[2])
    elif what == "role":
        print(next((node.getRoleName() for node in shown(sys.argv[2])), ""))
    elif what == "events":
        events()
    elif what == "items":
        items()


if __name__ == "__main__":
    main()
