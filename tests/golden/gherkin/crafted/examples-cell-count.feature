Feature: x
  Scenario Outline: y
    Given <a>
  Examples:
      | a | b |
      | a |
      | a |
  Examples:
      |
      |
  Examples:
      | a \| b |
      | a | b |
