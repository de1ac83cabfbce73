"""Makes the one self-contained Instrukcja.html from the manual's source,
its style sheet and the shots kept in manual/screens. Nothing of the
machine or the moment goes in: the same sources give the same bytes."""

import html
import json
import os
import re
import subprocess
from datetime import datetime, timezone
from decimal import Decimal
from pathlib import Path

MANUAL = Path(__file__).resolve().parent.parent
SOURCE = MANUAL / "Instrukcja.html.in"
STYLE = MANUAL / "instrukcja.css"
# The printed page of every place the manual points to, as check-page found
# it in the copy Chromium prints on A4 (./dev manual keeps it up to date).
PAGES = MANUAL / "strony.json"
CMAKE_LISTS = MANUAL.parent / "CMakeLists.txt"

# The screen model's attribute letters (Screen::attributeSnapshot) as the
# style sheet's classes; the colours behind them are the terminal front
# end's colour pairs.
CELL_CLASSES = {
    " ": "",
    "e": "em",
    "k": "kl",
    "h": "gk",
    "c": "f",
    "E": "f em",
    "K": "f kl",
    "H": "f gk",
    "s": "cien",
}

DIRECTIVE = re.compile(r"\{\{(\w+)(?: ([^}|]+?))?(?: *\| *([^}]*))?\}\}")
# A link to a place of the page; the printed copy gives its page beside it.
LINK = re.compile(r'(<a href="#([\w-]+)">.*?</a>)', re.S)
UNKNOWN_PAGE = "?"


class RenderError(Exception):
    pass


def version():
    found = re.search(r"project\(KalvetZakupy VERSION ([0-9.]+)", CMAKE_LISTS.read_text(encoding="utf-8"))
    if not found:
        raise RenderError("no version in CMakeLists.txt")
    return found.group(1)


MONTHS = ("stycznia", "lutego", "marca", "kwietnia", "maja", "czerwca", "lipca", "sierpnia", "września",
          "października", "listopada", "grudnia")


def release_date():
    """The day of the commit the manual is made from (SOURCE_DATE_EPOCH, when
    set, wins, as for the zip's files), in UTC, written as Polish dates are."""
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch:
        done = subprocess.run(["git", "-C", str(MANUAL.parent), "log", "-1", "--format=%ct"],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        epoch = done.stdout.strip() if done.returncode == 0 else ""
    if not epoch.isdigit():
        raise RenderError("no release date: not a git checkout with a commit, and SOURCE_DATE_EPOCH is not set")
    day = datetime.fromtimestamp(int(epoch), timezone.utc)
    return f"{day.day} {MONTHS[day.month - 1]} {day.year} r."


def box_rows(screen):
    """The rows of a box alone on the desktop: its frame, its shadow and a
    row of desktop on either side."""
    framed = [y for y, line in enumerate(screen["lines"]) if "╔" in line or "╚" in line]
    if len(framed) != 2:
        raise RenderError("not one box alone on the screen")
    return range(max(framed[0] - 1, 0), min(framed[1] + 3, screen["height"]))


def frame_at(lines, top, left):
    """The rectangle (top, bottom, left, right, inclusive) of the frame whose
    top left corner is at (top, left)."""
    row = lines[top]
    right = row.find("╗", left)
    bottom = next((y for y in range(top + 1, len(lines)) if lines[y][left:left + 1] == "╚"), -1)
    if right < 0 or bottom < 0 or lines[bottom][right:right + 1] != "╝":
        raise RenderError(f"the frame at row {top}, column {left} is not closed")
    return top, bottom, left, right


def dialog_area(screen):
    """What of the screen says something on paper: the rectangle around its
    outermost frames. The desktop, the host's menu and status lines and the
    shadows outside it are left out; a screen without a frame is kept whole."""
    lines = screen["lines"]
    frames = [frame_at(lines, y, x) for y, row in enumerate(lines) for x, c in enumerate(row) if c == "╔"]
    outer = [f for f in frames
             if not any(o != f and o[0] <= f[0] <= f[1] <= o[1] and o[2] <= f[2] <= f[3] <= o[3] for o in frames)]
    if not outer:
        return 0, screen["height"] - 1, 0, screen["width"] - 1
    return (min(f[0] for f in outer), max(f[1] for f in outer), min(f[2] for f in outer), max(f[3] for f in outer))


def cells_html(text, letters):
    """Cells of one row, one span per run of one attribute."""
    pieces, x = [], 0
    while x < len(text):
        end = x
        while end < len(text) and letters[end] == letters[x]:
            end += 1
        if letters[x] not in CELL_CLASSES:
            raise RenderError(f"unknown attribute letter {letters[x]!r}")
        css = CELL_CLASSES[letters[x]]
        cells = html.escape(text[x:end], quote=False)
        pieces.append(f'<span class="{css}">{cells}</span>' if css else cells)
        x = end
    return "".join(pieces)


def screen_html(screen, rows_shown=None):
    """The screen cell by cell, one block per row, each row its full width.
    What lies outside the dialog's area is marked "poza": the printed copy
    leaves it out and shows the dialog alone."""
    width, height = screen["width"], screen["height"]
    lines, attributes = screen["lines"], screen["attributes"]
    top, bottom, left, right = dialog_area(screen)
    rows = []
    for y in rows_shown or range(height):
        text = (lines[y] if y < len(lines) else "").ljust(width)
        letters = (attributes[y] if y < len(attributes) else "").ljust(width)
        if len(text) != width or len(letters) != width:
            raise RenderError(f"row {y} is wider than the screen's {width} cells")
        if not top <= y <= bottom:
            rows.append('<span class="w poza">' + cells_html(text, letters) + "</span>")
            continue
        parts = [(0, left, ' class="poza"'), (left, right + 1, ""), (right + 1, width, ' class="poza"')]
        rows.append('<span class="w">' + "".join(
            f"<span{css}>{cells_html(text[a:b], letters[a:b])}</span>" if css else cells_html(text[a:b], letters[a:b])
            for a, b, css in parts if b > a) + "</span>")
    return (f'<pre class="ekran" style="--kolumny: {width}; --kolumny-druk: {right - left + 1}" role="img">'
            + "".join(rows) + "</pre>")


class Page:
    def __init__(self, shots):
        self.shots = shots
        self.used = set()

    def shot(self, name, wanted=None):
        if name not in self.shots:
            raise RenderError(f"no shot {name} in manual/screens")
        shot = self.shots[name]
        if wanted and wanted not in shot:
            raise RenderError(f"shot {name} has no {wanted}")
        self.used.add(name)
        return shot

    # Each directive {{name argument | caption}} of the source.
    def ekran(self, name, caption, rows=None):
        """The whole screen, or the rows given."""
        screen = self.shot(name, "screen")["screen"]
        figure = f'<figure class="zrzut" id="ekran-{name}">' + screen_html(screen, rows and rows(screen))
        if caption:
            figure += f"<figcaption>{caption}</figcaption>"
        return figure + "</figure>"

    def okno(self, name, caption):
        """A message box over the desktop: the screen's rows that hold it."""
        return self.ekran(name, caption, box_rows)

    def tekst(self, name, _):
        """A message as the box shows it, line by line."""
        return "<br>".join(html.escape(line) for line in self.shot(name, "lines")["lines"])

    def pierwsza(self, name, _):
        """A message's first line, as a heading names it: without a closing
        full stop, and where the message goes on, ending in an ellipsis
        instead of its comma, colon or full stop."""
        lines = self.shot(name, "lines")["lines"]
        first = lines[0].rstrip()
        if first[-1:] in ",:.":
            first = first[:-1] + ("…" if len([line for line in lines if line.strip()]) > 1 else "")
        return html.escape(first)

    def pytanie(self, name, _):
        """The folder picker's prompt."""
        return html.escape(self.shot(name, "prompt")["prompt"])

    def menu(self, name, _):
        """The menu path the notice names below its first line, step by step."""
        path = "\n".join(self.shot(name, "lines")["lines"][1:]).replace(":\n", "->")
        return " → ".join(html.escape(step.strip()) for step in path.split("->"))

    def tytul(self, name, _):
        return html.escape(self.shot(name, "caption")["caption"])

    def etykieta(self, name, _):
        """A menu label, its hot key (between tildes) underlined."""
        label = html.escape(self.shot(name, "label")["label"])
        return re.sub(r"~(.)~", r"<u>\1</u>", label)

    def plik(self, name, _):
        shot = self.shot(name, "file")
        return '<pre class="plik">' + "\n".join(html.escape(line) for line in shot["lines"]) + "</pre>"

    def nazwa(self, name, _):
        return html.escape(self.shot(name, "file")["file"])

    def pole(self, name, argument):
        """Field N of the file's first line, as written."""
        fields = self.shot(name, "file")["lines"][0].split(":")
        value = fields[int(argument) - 1]
        return f"<code>{html.escape(value)}</code>" if value else '<span class="puste">(puste)</span>'

    def suma(self, name, argument):
        """The sum of field N over every line of the file, as the file writes
        amounts."""
        lines = self.shot(name, "file")["lines"]
        total = sum(Decimal(line.split(":")[int(argument) - 1] or "0") for line in lines)
        return f"<code>{total:.2f}</code>"

    def brutto(self, name, argument):
        """The gross value the list (shot given as argument) shows for the
        document of the file, found by its number (field 12)."""
        number = self.shot(name, "file")["lines"][0].split(":")[11]
        rows = [line for line in self.shot(argument, "screen")["screen"]["lines"] if f" {number} " in line]
        amounts = re.findall(r" (-?\d+\.\d\d) ", rows[0]) if len(rows) == 1 else []
        if len(amounts) != 1:
            raise RenderError(f"shot {argument} shows no one row with one amount for document {number}")
        return f"<code>{amounts[0]}</code>"

    def pliki(self, name, argument):
        files = self.shot(name, "folder")[argument]
        return ", ".join(f"<code>{html.escape(f)}</code>" for f in files)

    def katalog(self, name, _):
        return f'<code>{html.escape(self.shot(name, "folder")["folder"])}</code>'

    def liczba(self, name, argument):
        return str(len(self.shot(name, "folder")[argument]))


def read_pages(path=PAGES):
    if not path.exists():
        return {}
    with open(path, encoding="utf-8") as f:
        return json.load(f)


def write_pages(pages, path=PAGES):
    path.write_text(json.dumps(pages, indent=1, sort_keys=True) + "\n", encoding="utf-8")


def with_page_numbers(text, pages, missing):
    """Every link to a place of the page followed by that place's printed
    page (shown only on paper, where a link cannot be followed)."""
    def number(found):
        target = found.group(2)
        if target not in pages:
            missing.add(target)
        page = pages.get(target, UNKNOWN_PAGE)
        return f'{found.group(1)}<span class="strona" data-cel="{target}">{page}</span>'

    return LINK.sub(number, text)


def render(shots, style=None, pages=None, first_pass=False):
    """The page. A link whose place has no page number yet stops it, unless
    this is the first pass of ./dev manual, which prints the page to find
    the numbers."""
    page = Page(shots)
    source = SOURCE.read_text(encoding="utf-8")

    def replace(found):
        directive, argument, caption = found.group(1), found.group(2), found.group(3)
        if directive == "styl":
            return (style if style is not None else STYLE.read_text(encoding="utf-8")).strip()
        if directive == "wersja":
            return version()
        if directive == "data":
            return release_date()
        handler = getattr(Page, directive, None)
        if handler is None or directive.startswith("_") or directive == "shot":
            raise RenderError(f"unknown directive {found.group(0)}")
        name, _, rest = (argument or "").partition(" ")
        return handler(page, name, rest or caption)

    text = DIRECTIVE.sub(replace, source)
    unused = sorted(set(shots) - page.used)
    if unused:
        raise RenderError("shots the manual does not show: " + ", ".join(unused))
    if "{{" in text:
        raise RenderError("a directive was left: " + text[text.index("{{"):][:60])
    missing = set()
    text = with_page_numbers(text, read_pages() if pages is None else pages, missing)
    if missing and not first_pass:
        raise RenderError("no printed page known for " + ", ".join(sorted(missing))
                          + f" in {PAGES.name}: run ./dev manual and commit it")
    return text
