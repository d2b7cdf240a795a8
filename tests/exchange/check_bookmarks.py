"""Reads a Netscape bookmark file with html.parser, independently of the exporter, and prints
the file's declaration, character set and folders (entry "-") and each bookmark (see
checker_output.py): <bookmark>\tfolder|href|title\t<value>."""

import html.parser
import sys

from checker_output import field


class BookmarkReader(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.folders = []      # the open folders, outermost first
        self.pending = None    # a folder named by <H3> whose <DL> has not opened yet
        self.text = None       # the text of the open <H3> or <A>
        self.href = None
        self.bookmarks = 0

    def handle_decl(self, declaration):
        field("-", "doctype", declaration)

    def handle_starttag(self, tag, attributes):
        attributes = dict(attributes)
        if tag == "meta" and "content" in attributes:
            field("-", "content-type", attributes["content"])
        elif tag == "dl":
            self.folders.append(self.pending)
            self.pending = None
        elif tag in ("h3", "a"):
            self.text = ""
            self.href = attributes.get("href")

    def handle_endtag(self, tag):
        if tag == "dl":
            self.folders.pop()
        elif tag == "h3":
            self.pending = self.text
            field("-", "folder", "/".join(f for f in self.folders + [self.text] if f))
            self.text = None
        elif tag == "a":
            index = self.bookmarks
            self.bookmarks += 1
            field(index, "folder", "/".join(f for f in self.folders if f))
            field(index, "href", self.href)
            field(index, "title", self.text)
            self.text = None

    def handle_data(self, data):
        if self.text is not None:
            self.text += data


def main(path):
    reader = BookmarkReader()
    with open(path, encoding="utf-8") as file:
        reader.feed(file.read())
    reader.close()
    field("-", "open-lists", len(reader.folders))


main(sys.argv[1])
