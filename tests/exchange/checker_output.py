"""What the exchange checkers share: printing fields in the form python_checker.h reads."""

import sys

MODULE_MISSING = 77


def escaped(value):
    return str(value).replace("\\", "\\\\").replace("\t", "\\t").replace("\r", "\\r").replace(
        "\n", "\\n")


def field(entry, name, value):
    """Prints one field of entry (an index, or "-" for the file as a whole)."""
    sys.stdout.write(f"{entry}\t{name}\t{escaped(value)}\n")


def module_missing(name):
    print(f"{name} is missing")
    sys.exit(MODULE_MISSING)
