Feature: x
  Scenario Outline: y
    Given <a>
  @e
  Examples:
    | a |
    | 1 |
  @s

  Scenario: z
    Given a
  @r
  Rule: r
  @s2
  Scenario: s
  Given b
  @r2
  bad
