Feature: Tables aligned in place, columns as wide as the view shows them
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
    And an empty column
  |a||b|   
  |c| |d|
    And characters of every width
  | é | 😀 |
  |a|
  |각|ä‍️­|😀𐌰|
