Feature: Each heading starts a description again, even below a step
  Scenario: s
    Given a step
    text after a step is plain
  Background:
    the Background's description
    Given its step
    plain again
  Scenario Outline: o
    the outline's description
    Given <x>
	Examples: behind a tab
    text after Examples is plain
    | x |
    | 1 |
