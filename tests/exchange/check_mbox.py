"""Reads an mbox file with the standard library's mailbox and email packages, independently of
the exporter, and prints each message's fields (see checker_output.py): <message>\t<field>\t
<value>. Header values are decoded from their encoded words, bodies from their transfer
encoding and character set, and mboxrd's quoting of "From " lines is undone."""

import email.header
import mailbox
import re
import sys

from checker_output import field

HEADERS = ["From", "To", "Subject", "Date", "X-Cellvane-Box", "Content-Type",
           "Content-Transfer-Encoding", "MIME-Version"]


def decoded(value):
    return str(email.header.make_header(email.header.decode_header(value)))


def main(path):
    box = mailbox.mbox(path, create=False)
    for index, message in enumerate(box):
        field(index, "from-line", message.get_from())
        field(index, "flags", message.get_flags())
        for name in HEADERS:
            for value in message.get_all(name, []):
                field(index, name.lower(), decoded(value))
        if message.is_multipart():
            field(index, "multipart", len(message.get_payload()))
            continue
        payload = message.get_payload(decode=True)
        charset = message.get_content_charset() or "us-ascii"
        body = payload.decode(charset)
        field(index, "body", re.sub(r"^>(>*From )", r"\1", body, flags=re.MULTILINE))


main(sys.argv[1])
