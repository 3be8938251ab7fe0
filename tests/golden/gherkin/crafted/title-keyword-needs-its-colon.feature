Feature: x
  Scenario :y
    Given z
  Scenario:y
    Given z
