#!/usr/bin/env python3
"""Checks an exported report with Python's own HTML parser: UTF-16 with a
byte-order mark, every element closed in the order it was opened, and the
text "<b>&\"" kept as text."""

import html.parser
import sys

VOID = {"meta", "br", "hr", "img", "link", "input"}


class Balance(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack = []
        self.problems = []
        self.text = []

    def handle_starttag(self, tag, attrs):
        if tag not in VOID:
            self.stack.append(tag)

    def handle_startendtag(self, tag, attrs):
        pass

    def handle_endtag(self, tag):
        if not self.stack or self.stack[-1] != tag:
            self.problems.append("unexpected </%s> with open %s" % (tag, self.stack))
        else:
            self.stack.pop()

    def handle_data(self, data):
        self.text.append(data)


def main(path):
    raw = open(path, "rb").read()
    if not raw.startswith(b"\xff\xfe"):
        print("no UTF-16LE byte-order mark")
        return 1
    parser = Balance()
    parser.feed(raw[2:].decode("utf-16-le"))
    parser.close()
    if parser.stack:
        parser.problems.append("left open: %s" % parser.stack)
    if '<b>&"' not in "".join(parser.text):
        parser.problems.append('the text <b>&" is missing')
    for problem in parser.problems:
        print(problem)
    return 1 if parser.problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
