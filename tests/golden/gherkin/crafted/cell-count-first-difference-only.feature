Feature: x
  Scenario: y
    Given z
      | a | b |
      | a |
      | a |
      | a | b | c |
      | a | b |
    Given w
      | a |
      | a | b |
