Feature: Escaped pipes in table rows
  Scenario: s
    Given rows
      | a \| b | \\\|c |
      | a \|
      |x\\|y\\\\|
