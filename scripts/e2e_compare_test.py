#!/usr/bin/env python3
"""The end-to-end runner's comparison: which key downs count as a held key's repeats."""

import unittest

from e2e import without_repeats


def trace(*events):
    return [(int(ms * 1000), text.split()) for ms, text in events]


def texts(events):
    return [(time_us // 1000, " ".join(words)) for time_us, words in events]


class HeldKeyRepeats(unittest.TestCase):
    def test_the_last_key_held_repeating_is_left_out(self):
        events = trace((0, "key down 11"), (500, "key down 11"), (540, "key down 11"), (580, "key down 11"),
                       (600, "key up 11"))
        self.assertEqual(texts(without_repeats(events)), [(0, "key down 11"), (600, "key up 11")])

    def test_other_second_downs_stay(self):
        cases = {
            "too soon to be a repeat": [(0, "key down 11"), (300, "key down 11")],
            "a modifier never repeats": [(0, "key down 2A"), (800, "key down 2A")],
            "an extended modifier never repeats": [(0, "key down 38 ext"), (800, "key down 38 ext")],
            "only the last key pressed repeats": [(0, "key down 11"), (100, "key down 1E"), (800, "key down 11")],
        }
        for name, events in cases.items():
            with self.subTest(name):
                self.assertEqual(len(without_repeats(trace(*events))), len(events))

    def test_a_modifier_pressed_after_the_key_does_not_take_its_repeats(self):
        events = trace((0, "key down 11"), (100, "key down 2A"), (700, "key down 11"), (800, "key up 11"))
        self.assertEqual(texts(without_repeats(events)), [(0, "key down 11"), (100, "key down 2A"), (800, "key up 11")])

    def test_a_key_pressed_again_after_its_release_starts_afresh(self):
        events = trace((0, "key down 11"), (600, "key up 11"), (700, "key down 11"), (900, "key down 11"))
        self.assertEqual(len(without_repeats(events)), 4)


if __name__ == "__main__":
    unittest.main()
