"""Reads a vCard file with vobject, independently of the exporter, and prints each card's
fields (see checker_output.py): <card>\t<field>\t<value>."""

import sys

from checker_output import field, module_missing

try:
    import vobject
except ImportError:
    module_missing("vobject")

TEXT_PROPERTIES = ["version", "fn", "sort-string", "x-phonetic-last-name",
                   "x-phonetic-first-name", "note", "x-cellvane-memory-number",
                   "x-cellvane-owner"]


def slot(line):
    """A TEL or EMAIL line as "value|TYPE,TYPE|icon"."""
    types = ",".join(t.upper() for t in line.params.get("TYPE", []))
    icon = ",".join(line.params.get("X-CELLVANE-ICON", []))
    return f"{line.value}|{types}|{icon}"


def main(path):
    with open(path, encoding="utf-8", newline="") as file:
        text = file.read()
    for index, card in enumerate(vobject.readComponents(text)):
        name = card.n.value
        field(index, "n", f"{name.family}|{name.given}")
        for property in TEXT_PROPERTIES:
            for line in card.contents.get(property, []):
                field(index, property, line.value)
        for line in card.contents.get("tel", []):
            field(index, "tel", slot(line))
        for line in card.contents.get("email", []):
            field(index, "email", slot(line))
        for line in card.contents.get("adr", []):
            address = line.value
            field(index, "adr", f"{address.street}|{address.extended}|{address.code}")
        for line in card.contents.get("categories", []):
            for category in line.value:
                field(index, "categories", category)


main(sys.argv[1])
