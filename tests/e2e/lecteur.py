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


if __name__ == "__main__":
    main()
