#!/usr/bin/python3
"""What a screen reader reads of a running program over AT-SPI.

Usage: atspi_tree.py APPLICATION [press NAME]

Prints one line per accessible object of the application's windows, depth first:
role, name, states and action names, separated by tabs (lists joined by commas). With
"press NAME", first performs the press action of the first object named NAME.
"""
import sys

import pyatspi


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == name:
            return app
    return None


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def states(node):
    return [pyatspi.stateToString(s) for s in node.getState().getStates()]


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i), depth + 1)


def main():
    app = application(sys.argv[1])
    if app is None:
        print("no application " + sys.argv[1], file=sys.stderr)
        return 1
    if len(sys.argv) == 4 and sys.argv[2] == "press":
        for node in walk(app):
            if node.name == sys.argv[3] and actions(node):
                action = node.queryAction()
                action.doAction(0)
                break
        else:
            print("nothing named " + sys.argv[3] + " to press", file=sys.stderr)
            return 1
    for node in walk(app):
        print("\t".join([node.getRoleName(), node.name, ",".join(states(node)),
                         ",".join(actions(node))]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
