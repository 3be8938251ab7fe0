Feature: x
  | a |
  """
  Given no step
  Scenario: y
  | b |
  @a b
  Background: text
    Given z
  Background: bad
