Feature: x
  Scenario: y
    Given z
    Given 
    Given
    Given	z
