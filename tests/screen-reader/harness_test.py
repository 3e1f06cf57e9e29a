#!/usr/bin/python3
"""The parts of the screen-reader tests that decide without Orca: reading Orca's debug file and
the game plan they play by. Usage: harness_test.py SPEECH_PLAN"""
import os
import sys
import tempfile
import unittest

from desk import Failure, Speech, plan

PLAN_PROGRAM = None


class ReadingOrcasLog(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.path = os.path.join(self.folder.name, "orca.log")
        self.speech = Speech(self.path)

    def tearDown(self):
        self.folder.cleanup()

    def write(self, data):
        with open(self.path, "ab") as log:
            log.write(data)

    def test_the_text_alone_whatever_voice_follows_it(self):
        self.write(b"02:20:10.65 - SPEECH OUTPUT: 'Neues Spiel.'{'established': False}\n"
                   b"02:20:10.76 - SPEECH OUTPUT: 'Tab ' {'established': False}\n"
                   b"02:20:12.24 - SPEECH OUTPUT: 'S' {'established': False, 'average-pitch': 7.0}\n"
                   b"02:20:12.30 - SPEECH OUTPUT: 'Das ist's.'\n"
                   b"02:20:12.31 - SPEECH DISPATCHER: Speaking 'Neues Spiel.'\n")
        self.speech.read()
        self.assertEqual(self.speech.heard, ["Neues Spiel.", "Tab ", "S", "Das ist's."])

    def test_a_line_still_being_written_is_read_once_it_is_whole(self):
        self.write(b"SPEECH OUTPUT: 'Bildteil 1")
        self.speech.read()
        self.assertEqual(self.speech.heard, [])
        self.write(b"0 nach Reihe 3, Spalte 4.'{}\n")
        self.speech.read()
        self.assertEqual(self.speech.heard, ["Bildteil 10 nach Reihe 3, Spalte 4."])

    def test_bytes_that_are_no_utf8_do_not_shift_what_is_read_next(self):
        self.write(b"junk \xff\xfe\xc3\n")
        self.speech.read()
        self.write("SPEECH OUTPUT: 'Lücke'{}\n".encode())
        self.speech.read()
        self.assertEqual(self.speech.heard, ["Lücke"])

    def test_a_sentence_said_once_counts_once(self):
        self.write("SPEECH OUTPUT: 'Bildteil 9 nach Reihe 3, Spalte 3.'{}\n".encode())
        self.speech.wait_for("Bildteil 9 nach Reihe 3, Spalte 3.", 1)
        with self.assertRaises(Failure):
            self.speech.wait_for("Bildteil 9 nach Reihe 3, Spalte 3.", 0.2)
        self.write("SPEECH OUTPUT: 'Bildteil 9 nach Reihe 3, Spalte 3.'{}\n".encode())
        self.speech.wait_for("Bildteil 9 nach Reihe 3, Spalte 3.", 1)

    def test_what_was_said_before_the_last_sentence_heard_does_not_count(self):
        self.write(b"SPEECH OUTPUT: 'A.'{}\nSPEECH OUTPUT: 'B.'{}\n")
        self.speech.wait_for("B.", 1)
        with self.assertRaises(Failure):
            self.speech.wait_for("A.", 0.2)


class ThePlan(unittest.TestCase):
    """The tests walk and press by the plan's slots: a wrong slot presses the wrong tile."""

    def setUp(self):
        self.plan = plan(PLAN_PROGRAM)

    def neighbours(self, a, b):
        columns = self.plan["columns"]
        return abs(a // columns - b // columns) + abs(a % columns - b % columns) == 1

    def test_each_move_slides_a_tile_beside_the_gap_into_it_and_the_last_one_completes(self):
        moves = self.plan["moves"]
        gap = self.plan["gapSlot"]
        board = {}  # slot: name of the tile there, as far as the moves tell
        for move in moves:
            self.assertEqual(move["to"], gap, move)
            self.assertTrue(self.neighbours(move["from"], gap), move)
            self.assertIn(move["name"], move["said"])
            board.pop(move["from"], None)
            board[move["to"]], gap = move["name"], move["from"]
        # Every tile a move put somewhere is home: the tile named n in slot n - 1.
        self.assertTrue(all(name.endswith(f" {slot + 1}") for slot, name in board.items()), board)
        self.assertEqual(gap, self.plan["slots"] - 1)

    def test_the_blocked_press_is_on_a_tile_away_from_the_gap(self):
        blocked = self.plan["blocked"]
        self.assertFalse(self.neighbours(blocked["from"], self.plan["gapSlot"]))
        self.assertNotEqual(blocked["from"], self.plan["gapSlot"])
        self.assertIn(blocked["name"], blocked["said"])


if __name__ == "__main__":
    PLAN_PROGRAM = sys.argv.pop(1)
    unittest.main()
