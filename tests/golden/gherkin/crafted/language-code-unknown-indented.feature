   #  language : no_such  
Feature: x
  Scenario: y
    Given z
  bad
