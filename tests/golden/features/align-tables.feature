Feature: Tables aligned in place, every other line as it was
  Scenario Outline: eat
    Given there are <start> cucumbers
	  |start|eat|left|
	  |  12 |5|7|
    # a comment ends a run of rows
      |   名前 | x
      | a \| b |\\|   c
      |
    """
    |in|a doc string|
    """
    Then | not | a | table |
  | é | 😀 |
  |a|
