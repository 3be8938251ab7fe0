Feature: x
  Scenario: y
    Given a
      |a|
      """
      """
      bad
      |a|
    Given b
      """
      """
      |a|
      bad
      """
