Feature: x
  Scenario: y
    Given z
  bad
@t
