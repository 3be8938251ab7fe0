Feature: Tables aligned in place, columns as wide as the view shows them
  Scenario Outline: eat
    Given there are <start> cucumbers
	  |start|eat|left|
	  |  12 |5|7|
    # a comment between rows: they are still one table
      |   名前 | x |  y  |

      | a \| b |\\|   c|
    """
    |in|a doc string|
    """
    Then | not | a | table |
    And an empty column
  |a||b|   
  |c| |d|
    And characters of every width
  | é | 😀 | |
  |a|||
  |각|ä‍️­|😀𐌰|
