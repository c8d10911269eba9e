#!/usr/bin/python3
"""What a screen reader finds in the running calculator, through the accessibility bus.

  lecteur.py focus          the name of the control that has the focus
  lecteur.py text NAME      the text of the shown control so named
  lecteur.py showing NAME   exits 0 when a control so named is shown
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
            return node
    return None


def main():
    what = sys.argv[1]
    if what == "focus":
        for node in nodes(calculator()):
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                print(node.name)
                return
    elif what == "text":
        node = shown(sys.argv[2])
        if node is None:
            sys.exit(f"lecteur: nothing named {sys.argv[2]!r} is shown")
        print(node.queryText().getText(0, -1))
    elif what == "showing":
        sys.exit(0 if shown(sys.argv[2]) else 1)


if __name__ == "__main__":
    main()
