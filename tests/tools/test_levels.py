"""The level tools' readers and writers: design files, the solver's JSON, par and the measures tables."""
import unittest

import make_levels
import qvlevels
import rules

DESIGNS = """# a comment line
= Side Step
intro: The star steps aside.
idea: the star makes room
Wc  R   WS
Ws  .   WT
Wt  W   WC

= No Intro
Wc Ws Wt
WC WS WT
"""


class DesignFiles(unittest.TestCase):
    def test_entries_read_names_intros_and_grids(self):
        first, second = make_levels.parse_designs(DESIGNS)
        self.assertEqual(("Side Step", "The star steps aside.", "the star makes room"),
                         (first.name, first.intro, first.idea))
        self.assertEqual([(0, 0), (0, 1), (0, 2)], first.shapes)
        self.assertEqual([(2, 2), (2, 0), (2, 1)], first.goals)
        self.assertEqual([[7, 1, 7], [7, 0, 7], [7, 7, 7]], first.tiles)
        self.assertEqual("", second.intro)
        self.assertEqual(first.tiles, qvlevels.Level.from_grid(first.grid()).tiles)
        self.assertEqual("3 3\n7 1 7\n7 0 7\n7 7 7\n0 0 0 1 0 2\n2 2 2 0 2 1\nSide Step\n"
                         "The star steps aside.\n", first.file_text())

    def test_bad_entries_are_refused(self):
        with self.assertRaises(ValueError):
            make_levels.parse_designs("Wc Ws Wt\nWC WS WT\n")    # no name
        with self.assertRaises(ValueError):
            make_levels.parse_designs("= Two Circles\nWc Wc Wt\nWC WS WT\n")
        with self.assertRaises(ValueError):
            make_levels.parse_designs("= Ragged\nWc Ws Wt\nWC WS\n")

    def test_sets_skip_comments(self):
        self.assertEqual([("first", "first steps"), ("creative", "be creative")],
                         make_levels.parse_sets("# order\nfirst: first steps\n\ncreative: be creative\n"))


class SolverOutput(unittest.TestCase):
    LINE = ('{"source": "a.txt", "name": "A \\"B\\"", "tag": "0b76657c", "outcome": "solved",'
            ' "moves": 2, "states": 9, "seconds": 0.001, "solution": ["c0,1r", "t8,6u"],'
            ' "best_starts": 1, "first_moves": 3, "traps": 2, "switches": 1, "longest_run": 1}\n')

    def test_json_lines_become_verdicts(self):
        verdict, = qvlevels.parse_output(self.LINE, 1)
        self.assertEqual((2, 9, 1, 2), (verdict.moves, verdict.states, verdict.best_starts, verdict.traps))
        self.assertEqual([("circle", 0, 1, "right"), ("triangle", 8, 6, "up")], verdict.solution)
        self.assertEqual("c01r t86u", verdict.steps())
        way, = qvlevels.parse_output(self.LINE.replace('"solved"', '"way"'), 1)
        self.assertIsNone(way.moves, "a way that may not be the shortest is no par")

    def test_missing_answers_and_bad_moves_are_errors(self):
        with self.assertRaises(RuntimeError):
            qvlevels.parse_output(self.LINE, 2)
        with self.assertRaises(ValueError):
            qvlevels.parse_move("c01r")


class Outputs(unittest.TestCase):
    def test_table_replaces_only_the_marked_part(self):
        text = f"intro\n{make_levels.TABLE_START}\nold\n{make_levels.TABLE_END}\nrest\n"
        self.assertEqual(f"intro\n{make_levels.TABLE_START}\n\nnew\n\n{make_levels.TABLE_END}\nrest\n",
                         make_levels.with_table(text, "new"))

    def test_par_lines_list_the_tutorial_then_the_sets_in_order(self):
        tutorial = qvlevels.parse_output(SolverOutput.LINE, 1)
        sets = [("first", "first steps")]
        verdicts = {"first": qvlevels.parse_output(SolverOutput.LINE * 2, 2)}
        self.assertEqual("2 tutorial/0 0b76657c\n2 levels/first/01.txt 0b76657c\n"
                         "2 levels/first/02.txt 0b76657c\n",
                         make_levels.par_lines(sets, verdicts, tutorial))


class Rules(unittest.TestCase):
    RULES = rules.Rules("# comment\nlongest_run 6\nmost_moves 45\nmost_moves fourth 50\n"
                        "detour_fall 1/3\nsame_board 1/4\n")

    @staticmethod
    def verdict(**fields):
        base = {"outcome": "solved", "moves": 20, "states": 100, "seconds": 0, "solution": [],
                "detour": 10, "trap_depth": 2, "longest_run": 4, "idle_colours": []}
        return qvlevels.Verdict({**base, **fields})

    def test_a_folder_may_have_its_own_value(self):
        self.assertEqual((45, 50, 6), (self.RULES.get("most_moves", "first"),
                                       self.RULES.get("most_moves", "fourth"),
                                       self.RULES.get("longest_run", "fourth")))
        with self.assertRaises(ValueError):
            rules.Rules("longest_run\n")

    def test_single_level_rules(self):
        level = qvlevels.Level.from_grid("Rc W R\nWs W WC\nWt WS WT")
        self.assertEqual([], rules.level_faults(level, self.verdict(), self.RULES, "first"))
        faults = rules.level_faults(level, self.verdict(moves=46, longest_run=7), self.RULES, "first")
        self.assertEqual(2, len(faults))
        self.assertEqual([], rules.level_faults(level, self.verdict(moves=46), self.RULES, "fourth"))
        # An idle red mirrored by a red that matters may stay; two idle mirror images may not.
        self.assertEqual([], rules.level_faults(level, self.verdict(idle_colours=[[2, 0]]),
                                                self.RULES, "first"))
        self.assertEqual(2, len(rules.level_faults(level, self.verdict(idle_colours=[[0, 0], [2, 0]]),
                                                   self.RULES, "first")))

    def test_order_by_detour_then_trap_depth_then_states(self):
        order = lambda *vs: rules.order_faults([str(i) for i in range(len(vs))], list(vs),
                                                self.RULES, "first")
        self.assertEqual([], order(self.verdict(detour=12), self.verdict(detour=8),
                                   self.verdict(detour=8, states=200), self.verdict(detour=14)))
        self.assertEqual(1, len(order(self.verdict(detour=12), self.verdict(detour=6))))
        self.assertEqual(1, len(order(self.verdict(trap_depth=4), self.verdict(trap_depth=2, states=900))))
        self.assertEqual(["second: median detour 4, not above first's 4"],
                         rules.median_faults(["first", "second"], [[2, 4, 6], [4, 4, 8]]))

    def test_boards_and_ideas_kept_apart(self):
        a = qvlevels.Level.from_grid("Wc W  R  W\nWs .  W  WC\nWt WS W  WT")
        turned = qvlevels.Level.from_grid("Wt Ws Wc\nWS .  W\nW  W  R\nWT WC W")
        other = qvlevels.Level.from_grid("Wc Y  B  W\nWs .  G  WC\nWt WS P  WT")
        self.assertEqual(0, rules.board_distance(a, turned))
        self.assertEqual(4, rules.board_distance(a, other))
        entries = [("a", a, "x"), ("b", other, "y"), ("c", turned, "z"), ("d", other, " X ")]
        self.assertEqual(["c: nearly the board of a", "d: nearly the board of b",
                          "d: the idea of a:  X "],
                         sorted(rules.collection_faults(entries, self.RULES)))


if __name__ == "__main__":
    unittest.main()
