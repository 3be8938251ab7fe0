Feature: The table is never counted
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
      | a | b |
      | c |
  one more bad line
