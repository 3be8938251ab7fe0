Feature: x
  Scenario Outline: y
    Given <a>
  Examples:
    | a |
    | 1 |
  @t
  # c
