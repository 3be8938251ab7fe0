Feature: Cucumber stops at the eleventh error
  Scenario: s
    Given a step
  bad line 1
  bad line 2
  bad line 3
  bad line 4
  bad line 5
  bad line 6
  bad line 7
  bad line 8
  bad line 9
  bad line 10
  bad line 11
  bad line 12
  bad line 13
