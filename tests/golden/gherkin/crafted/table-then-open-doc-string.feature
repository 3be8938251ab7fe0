Feature: x
  Scenario: y
    Given a
      | a | b |
      | a |
      """
