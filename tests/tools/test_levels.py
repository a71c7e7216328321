"""The level tools' readers and writers: design files, the solver's JSON, par and README tables."""
import unittest

import make_levels
import qvlevels

DESIGNS = """# a comment line
= Side Step
intro: The star steps aside.
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
        self.assertEqual(("Side Step", "The star steps aside."), (first.name, first.intro))
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
    LINE = ('{"source": "a.txt", "name": "A \\"B\\"", "outcome": "solved", "moves": 2, "states": 9,'
            ' "seconds": 0.001, "solution": ["c0,1r", "t8,6u"], "best_starts": 1, "first_moves": 3,'
            ' "traps": 2, "switches": 1, "longest_run": 1}\n')

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
    def test_readme_table_replaces_only_the_marked_part(self):
        readme = f"intro\n{make_levels.TABLE_START}\nold\n{make_levels.TABLE_END}\nrest\n"
        self.assertEqual(f"intro\n{make_levels.TABLE_START}\n\nnew\n\n{make_levels.TABLE_END}\nrest\n",
                         make_levels.with_table(readme, "new"))

    def test_par_lines_list_the_tutorial_then_the_sets_in_order(self):
        tutorial = qvlevels.parse_output(SolverOutput.LINE, 1)
        sets = [("first", "first steps")]
        verdicts = {"first": qvlevels.parse_output(SolverOutput.LINE * 2, 2)}
        self.assertEqual("2 tutorial/0\n2 levels/first/01.txt\n2 levels/first/02.txt\n",
                         make_levels.par_lines(sets, verdicts, tutorial))


if __name__ == "__main__":
    unittest.main()
