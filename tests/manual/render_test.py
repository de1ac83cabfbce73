#!/usr/bin/python3
"""The manual's generator where the printed copy depends on it: what of a
screen the paper shows, and the page number beside every link."""

import html
import re
import sys
import unittest
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "manual" / "lib"))

import render  # noqa: E402


def screen(*lines):
    width = max(len(line) for line in lines)
    return {"width": width, "height": len(lines), "lines": [line.ljust(width) for line in lines],
            "attributes": [" " * width] * len(lines)}


def printed(markup):
    """The rows paper shows: without the cells and rows marked "poza"."""
    rows = re.findall(r'<span class="w( poza)?">(.*?)</span>(?=<span class="w|</pre>)', markup)
    shown = []
    for outside, cells in rows:
        if not outside:
            cells = re.sub(r'<span class="poza">[^<]*</span>', "", cells)
            shown.append(html.unescape(re.sub(r"<[^>]+>", "", cells)))
    return shown


DESKTOP = "░" * 14
BOX = screen(" Menu", DESKTOP, "░░╔═ Uwaga ╗░░", "░░║ Tekst  ║s░", "░░╚════════╝s░", "░░░ssssssssss░", " F1 Pomoc")
NESTED = screen("╔══ Opcje ═══════╗░", "║ Pole ╔═ Błąd ╗ ║░", "║ Pole ║ Data  ║ ║░", "║      ╚═══════╝ ║░",
                "╚════════════════╝░")


class PaperShowsTheDialogAlone(unittest.TestCase):
    def test_cases(self):
        cases = [
            ("a box alone on the desktop", BOX, ["╔═ Uwaga ╗", "║ Tekst  ║", "╚════════╝"], 10),
            ("a box over a dialog: the dialog", NESTED, [line[:-1] for line in NESTED["lines"]], 18),
            ("no frame: the whole screen", screen("abc", "def"), ["abc", "def"], 3),
        ]
        for name, shot, rows, columns in cases:
            with self.subTest(name):
                markup = render.screen_html(shot)
                self.assertEqual(printed(markup), rows)
                self.assertIn(f"--kolumny-druk: {columns}", markup)
                self.assertEqual(html.unescape(re.sub(r"<[^>]+>", "\n", markup)).replace("\n", ""),
                                 "".join(shot["lines"]), "the screen loses no cell")

    def test_a_frame_left_open_stops_the_page(self):
        with self.assertRaises(render.RenderError):
            render.screen_html(screen("╔═══╗", "║   ║", "╚═══"))


class EveryLinkGivesItsPrintedPage(unittest.TestCase):
    TEXT = '<a href="#opcje">Opcje</a> i <a href="#stop">Okna\nSTOP!!!</a>, znów <a href="#opcje">opcje</a>'

    def test_each_link_is_followed_by_its_page(self):
        missing = set()
        text = render.with_page_numbers(self.TEXT, {"opcje": 6, "stop": 20}, missing)
        self.assertEqual(re.findall(r'data-cel="([\w-]+)">(\d+)<', text), [("opcje", "6"), ("stop", "20"),
                                                                             ("opcje", "6")])
        self.assertEqual(missing, set())

    def test_a_place_without_a_page_is_named(self):
        missing = set()
        text = render.with_page_numbers(self.TEXT, {"opcje": 6}, missing)
        self.assertEqual(missing, {"stop"})
        self.assertIn(f'data-cel="stop">{render.UNKNOWN_PAGE}<', text)


if __name__ == "__main__":
    unittest.main(verbosity=2)
