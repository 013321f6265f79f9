#!/usr/bin/env python3
"""Check the structure of a gamebook file.

Usage: check-book.py BOOK.xml

Reports undefined targets, duplicate ids, a missing "000", type codes
whose element is missing, paragraphs without any button, paragraphs
that cannot be reached from "000" and paragraphs from which no ending
(X or V) can be reached. Exits with 1 when it finds any problem.
"""

import re
import sys
import xml.etree.ElementTree as ElementTree

KNOWN_CODES = {"C", "A", "F", "L", "B", "O", "E", "X", "V"}
ENDING_CODES = {"X", "V"}
INTEGER = re.compile(r"\s*[+-]?\d+\s*")


def number(text):
    """Read a number the way the player does: anything unreadable is 0."""
    return int(text) if text and INTEGER.fullmatch(text) else 0


class Paragraph:
    """The parts of one paragraph that decide its buttons and targets."""

    def __init__(self, element):
        self.codes = [code for code in (element.findtext("Type") or "").split(",") if code]
        self.choices = [(c.get("Value", ""), c.text or "") for c in element.findall("Choices/*")]
        self.monsters = [m.get("Value", "") for m in element.findall("Monster/*")]
        self.luck = [element.find("Luck/" + tag) for tag in ("Lucky", "Unlucky")]
        flee = element.find("Flee")
        self.flee = flee
        self.fleeRound = number(flee.get("Round")) if flee is not None else 0
        self.fleeActive = flee is not None and flee.get("active") == "1"
        self.fleeRef = flee.get("Ref", "") if flee is not None else ""
        self.element = element

    def has(self, code):
        return code in self.codes

    def missingElements(self):
        """Type codes whose element is absent or empty."""
        needs = {
            "C": bool(self.choices),
            "A": bool(self.monsters),
            "F": self.flee is not None,
            "L": all(outcome is not None for outcome in self.luck),
            "B": self.element.find("Bonus") is not None,
            "O": self.element.find("Objects/*") is not None,
        }
        return [code for code, present in needs.items() if self.has(code) and not present]

    def sharedCells(self):
        """Cells of the play area where the player stacks two buttons, hiding one."""
        cells = []
        row, column = 1, 0
        for code in self.codes:
            if code == "E" or (code == "A" and len(self.monsters) == 1) or \
                    (code == "F" and self.fleeActive and self.fleeRound == 1):
                cells.append((row, column))
                row += 1
            elif code in ("L", "X", "V"):
                cells.append((row, column))
            elif code == "C":
                for position in range(1, len(self.choices) + 1):
                    if position <= 3:
                        column = position - 1
                    else:
                        row, column = row + 1, 0
                    cells.append((row, column))
        return sorted({cell for cell in cells if cells.count(cell) > 1})

    def exits(self):
        """Targets the reader can actually reach by a button of this paragraph."""
        targets = []
        if self.has("C"):
            targets += [target for target, _ in self.choices]
        if self.has("L"):
            targets += [outcome.get("Value", "") for outcome in self.luck if outcome is not None]
        fights = self.has("A") and len(self.monsters) == 1
        if fights:
            targets += self.monsters
        # The paragraph's own flee button, or flight offered inside the fight.
        if (self.has("F") and self.fleeActive and self.fleeRound == 1) or (fights and self.fleeRound == 1):
            targets.append(self.fleeRef)
        return targets

    def allTargets(self):
        """Every id the paragraph names, used or not."""
        targets = self.exits() + self.monsters
        if self.has("F") and self.fleeActive:
            targets.append(self.fleeRef)
        return targets

    def isEnding(self):
        return any(code in ENDING_CODES for code in self.codes)


def check(path):
    problems = []
    root = ElementTree.parse(path).getroot()
    if root.get("Title") is None:
        problems.append("the root element has no Title attribute")

    paragraphs = {}
    for element in root.findall("Attr"):
        identifier = element.get("id", "")
        if identifier in paragraphs:
            problems.append(f"duplicate id {identifier!r}")
        paragraphs[identifier] = Paragraph(element)
    if "000" not in paragraphs:
        problems.append('no paragraph "000"')

    for identifier, paragraph in paragraphs.items():
        for code in paragraph.codes:
            if code not in KNOWN_CODES:
                problems.append(f"{identifier}: unknown type code {code!r}")
        for code in paragraph.missingElements():
            problems.append(f"{identifier}: type code {code} without its element")
        for target in paragraph.allTargets():
            if target not in paragraphs:
                problems.append(f"{identifier}: target {target!r} is not defined")
        for row, column in paragraph.sharedCells():
            problems.append(f"{identifier}: two buttons share row {row}, column {column}; reorder its type codes")
        if not paragraph.exits() and not paragraph.isEnding():
            problems.append(f"{identifier}: no button leads on and it is no ending")

    reached, pending = set(), ["000"] if "000" in paragraphs else []
    while pending:
        identifier = pending.pop()
        if identifier in reached or identifier not in paragraphs:
            continue
        reached.add(identifier)
        pending += paragraphs[identifier].exits()
    for identifier in paragraphs:
        if identifier not in reached:
            problems.append(f"{identifier}: unreachable from 000")

    # Walk backwards from the endings to find traps no path leaves.
    finishing = {identifier for identifier, paragraph in paragraphs.items() if paragraph.isEnding()}
    grew = True
    while grew:
        grew = False
        for identifier, paragraph in paragraphs.items():
            if identifier not in finishing and any(t in finishing for t in paragraph.exits()):
                finishing.add(identifier)
                grew = True
    for identifier in sorted(reached - finishing):
        problems.append(f"{identifier}: no ending can be reached from it")
    return problems, len(paragraphs)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: check-book.py BOOK.xml")
    try:
        problems, count = check(sys.argv[1])
    except (OSError, ElementTree.ParseError) as error:
        sys.exit(f"cannot read the book: {error}")
    for problem in problems:
        print(problem)
    print(f"{count} paragraphs, {len(problems)} problem(s)")
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
