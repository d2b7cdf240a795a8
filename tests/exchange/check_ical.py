"""Reads an iCalendar file with the icalendar module, independently of the exporter, and prints
the calendar's and each event's fields (see checker_output.py): <event>\t<field>\t<value>."""

import datetime
import sys

from checker_output import field, module_missing

try:
    import icalendar
except ImportError:
    module_missing("icalendar")

TEXT_PROPERTIES = ["uid", "summary", "description", "location", "x-cellvane-alarm-tone",
                   "x-cellvane-alarm-volume"]


def moment(value):
    """A date as "DATE:<iso>", a date-time in ISO form with its offset ("Z" for UTC)."""
    if isinstance(value, datetime.datetime):
        if value.tzinfo is not None and value.utcoffset() == datetime.timedelta(0) and \
                str(value.tzinfo) == "UTC":
            return value.replace(tzinfo=None).isoformat() + "Z"
        return value.isoformat()
    return "DATE:" + value.isoformat()


def trigger(value):
    """A relative trigger as whole seconds, an absolute one as its moment."""
    if isinstance(value, datetime.timedelta):
        return str(int(value.total_seconds()))
    return moment(value)


def text(value):
    """What to_ical gave, as text (some versions give bytes, some str)."""
    return value.decode() if isinstance(value, bytes) else value


def categories(value):
    items = value if isinstance(value, list) else [value]
    names = []
    for item in items:
        names.extend(str(name) for name in getattr(item, "cats", [item]))
    return ",".join(names)


def main(path):
    with open(path, "rb") as file:
        calendar = icalendar.Calendar.from_ical(file.read())
    for name in ["version", "prodid"]:
        field("-", name, calendar.get(name))
    for zone in calendar.walk("VTIMEZONE"):
        for rules in zone.subcomponents:
            offsets = [text(rules.get("tzoffsetfrom").to_ical()),
                       text(rules.get("tzoffsetto").to_ical())]
            field("-", "timezone", f"{zone.get('tzid')}|{rules.name}|{'|'.join(offsets)}")
    for index, event in enumerate(calendar.walk("VEVENT")):
        for name in TEXT_PROPERTIES:
            if name in event:
                field(index, name, event.get(name))
        for name in ["dtstart", "dtend", "dtstamp", "last-modified"]:
            if name in event:
                field(index, name, moment(event.decoded(name)))
        if "dtstart" in event and "TZID" in event["dtstart"].params:
            field(index, "tzid", event["dtstart"].params["TZID"])
        if "rrule" in event:
            field(index, "rrule", text(event.get("rrule").to_ical()))
        if "categories" in event:
            field(index, "categories", categories(event.get("categories")))
        for alarm in event.walk("VALARM"):
            field(index, "alarm", f"{alarm.get('action')}|{trigger(alarm.decoded('trigger'))}|"
                                  f"{alarm.get('description')}")


main(sys.argv[1])
